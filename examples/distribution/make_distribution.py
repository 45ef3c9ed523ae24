#!/usr/bin/env python3
"""Writes the demo distribution of setup: full/ (a full installation) and
update/ (an update over it). Text files are Windows-1252 with CR LF.

The programs zorq.exe (the server stand-in from tools/server-standin),
zorqcfg.exe and zorqcheck.exe are not kept here: scripts/stage-distribution
and the end-to-end tests copy them in from the build, together with
setup.exe.
"""
import pathlib
import shutil

HERE = pathlib.Path(__file__).resolve().parent
DEMO = HERE.parent / "demo"


def text(path, lines):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes("".join(line + "\r\n" for line in lines).encode("cp1252"))


def records(rows):
    """inst.dat: overwrite flag, source, target per record."""
    lines = []
    for flag, source, target in rows:
        lines += [str(flag), source, target]
    return lines


def copies(rows):
    # Records that copy in a fresh installation (flag -1 or 0).
    return sum(1 for flag, _, _ in rows if flag in (-1, 0))


def full():
    d = HERE / "full"
    shutil.rmtree(d, ignore_errors=True)
    rows = [
        (-1, "zorq.exe", "zorq.exe"),
        (-1, "zorqcfg.exe", "zorqcfg.exe"),
        (-1, "zorqcheck.exe", "zorqcheck.exe"),
        (-1, "zorqpc.wri", "zorqpc.wri"),
        (-1, "cruncher.exe", "cruncher.exe"),
        (0, "main.txt", "daten\\main.txt"),
        (0, "sprachen.txt", "daten\\sprachen.txt"),
        (0, "gruppen.dat", "daten\\gruppen.dat"),
        (-1, "deutsch.ln_", "texte\\deutsch.lng"),
        (0, "login.txt", "texte\\login.txt"),
        (0, "menue\\haupt.txt", "texte\\menue\\haupt.txt"),
        (-1, "zorq.hlp", "@WINzorq.hlp"),
        (1, "alt.txt", "alt.txt"),  # kept in the list, never copied
    ]
    text(d / "inst2.dat", [f"{copies(rows)},0", "2.1", ""])
    text(d / "inst.dat", records(rows))
    text(d / "readme.txt", [
        "Valmorin PC 2.1",
        "",
        "Willkommen! Diese Demo-Distribution installiert einen Platzhalter f\u00fcr den",
        "Valmorin-Server (zorq.exe) und den Konfigurationseditor (zorqcfg.exe).",
        "",
        "Nach der Installation: zuerst die Einstellungen pr\u00fcfen, dann Valmorin starten.",
        "zorqcheck.exe pr\u00fcft die Einstellungsdateien und nennt jedes Problem mit Datei",
        "und Zeile.",
    ])
    text(d / "zorqpc.wri", ["Valmorin PC - Anleitung (Platzhalter)"])
    text(d / "cruncher.exe", ["Platzhalter f\u00fcr den Cruncher der Nachrichtenbretter"])
    text(d / "zorq.hlp", ["Valmorin PC - Hilfe (Platzhalter)"])
    text(d / "alt.txt", ["wird nie kopiert"])
    text(d / "menue" / "haupt.txt", ["Hauptmen\u00fc", "(B)retter (P)ost (E)nde"])
    for name in ("main.txt", "sprachen.txt", "gruppen.dat"):
        shutil.copyfile(DEMO / "daten" / name, d / name)
    shutil.copyfile(DEMO / "texte" / "login.txt", d / "login.txt")
    shutil.copyfile(DEMO / "texte" / "deutsch.lng", d / "deutsch.ln_")


def update():
    d = HERE / "update"
    shutil.rmtree(d, ignore_errors=True)
    rows = [
        (-1, "zorq.exe", "zorq.exe"),
        (-1, "zorqcfg.exe", "zorqcfg.exe"),
        (-1, "deutsch.ln_", "texte\\deutsch.lng"),
        (0, "neu.txt", "texte\\neu.txt"),
    ]
    text(d / "inst2.dat", [f"{copies(rows)},1", "2.2", "2.1"])
    text(d / "inst.dat", records(rows))
    text(d / "readme.txt", ["Valmorin PC 2.2", "", "Neu in 2.2: der Befehl NEU zeigt, was sich ge\u00e4ndert hat."])
    text(d / "neu.txt", ["Was ist neu in Valmorin PC 2.2?"])
    lng = (DEMO / "texte" / "deutsch.lng").read_bytes().replace(b"Valmorin 2.1", b"Valmorin 2.2")
    (d / "deutsch.ln_").write_bytes(lng)


if __name__ == "__main__":
    full()
    update()
