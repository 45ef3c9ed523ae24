#!/usr/bin/env python3
"""Regenerates the demo installation of the Valmorin server in this folder.

The folder stands for an installation directory such as C:\\VALMORIN\\ :
settings in daten\\, box texts, batch files and language files in texte\\,
and zusatz.dat at the top.  Every file is written as Windows-1252 text with
CR LF after every line, exactly as the server and zorqcfg expect it.

Run:  python3 make_demo.py
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))
INST = "C:\\VALMORIN\\"          # the installation directory the data refers to
CRLF = "\r\n"


# ---------------------------------------------------------------- helpers

def num(v):
    """A number as a printed value: " 5 ", " 0 ", "-1 "."""
    return (" " if v >= 0 else "") + str(v) + " "


def write_raw(rel, text):
    """Write text (already holding its CR LF line ends) as Windows-1252."""
    path = os.path.join(HERE, *rel.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(text.encode("cp1252"))


def write_lines(rel, lines):
    """Write one value per line, every line ended by CR LF (also the last)."""
    write_raw(rel, "".join(line + CRLF for line in lines))


def krypt(text):
    """Scramble / unscramble the lock password: char i (from 1) XOR 3*i."""
    return "".join(chr(ord(c) ^ (3 * i)) for i, c in enumerate(text, 1))


# ---------------------------------------------------------- shared tables

# Port start table: rows 0..8 = port 0..8, row 9 = sysop port.
# start mode 0 = off, 1 = automatic start, 2 = automatic start with window
START_MODE = [2, 1, 1, 0, 0, 0, 0, 0, 0, 2]
ALWAYS_SHOWN = [1, 1, 0, 0, 0, 0, 0, 0, 0, 1]

# User groups of the box (name, description, minimum level, monthly fee)
GROUPS = [
    ("Mitglieder", "Zahlende Mitglieder des Vereins", 20, "5,00 DM"),
    ("Gäste", "Unbestätigte Anrufer, nur Lesen", 0, "0,00 DM"),
    ("Förderverein", "Vorstand und Förderer der Box", 50, "10,00 DM"),
    ("Netzteilnehmer", "User mit Netzzugang (ZConnect/Fido)", 30, "5,00 DM"),
    ("Programmierer", "Zugang zu den Quelltext-Brettern", 20, "0,00 DM"),
    ("Spieler", "Türme, Schach und Online-Spiele", 10, "0,00 DM"),
    ("Neulinge", "Neue User in der Probezeit (30 Tage)", 5, "0,00 DM"),
]

# Users as the server keeps them: number°name, plus two system logins
USERS = [
    "SYSOP",
    "1°Jürgen Weißmüller",
    "2°Bärbel Schröder",
    "3°Klaus-Dieter Höfer",
    "4°Uwe Möller",
    "5°Gisela Dörfler",
    "6°Hans-Jörg Kühn",
    "7°Sabine Großmann",
    "8°Thorsten Bäcker",
    "9°Petra Süßmilch",
    "10°Frank Lüdemann",
    "11°Ingrid Wölk",
    "12°Matthias Jäger",
    "13°Renate Schüler",
    "14°Dirk Hübner",
    "15°Anja Krüger",
    "16°Oliver Fößel",
    "17°MEIER",
    "18°Käpt'n Blaubär",
    "19°Stefan Ölschläger",
    "GAST",
]

# Net boxes: name, phone, password, net, packer, domain, Janus2 (type 1)
NETBOXES = [
    ("WESTHOF", "0451-302217", "wh97pw", "ZCONNECT", "ARJ", "westhof.zer", 0),
    ("SUEDWIND", "040-6604812", "sw-netz", "ZCONNECT", "ZIP", "suedwind.zer", 0),
    ("FIDOGATE", "0431-551906", "gatepw", "FIDO", "ARJ", "fidogate.fido.de", 0),
    ("KÜSTENFUNK", "04503-88120", "kfunk", "ZCONNECT", "LHA", "kuestenfunk.zer", 1),
    ("HANSEBOX", "0451-7070701", "hanse", "ZCONNECT", "RAR", "hansebox.zer", 1),
]

# The 43 caller commands in their fixed order, with German and English
# command words and the help texts of the language files.
COMMANDS = [
    ("?", "?", "Kurzhilfe zu allen Befehlen", "Short help on all commands"),
    (">", ">", "Ein Brett weiter", "Next board"),
    ("<", "<", "Ein Brett zurück", "Previous board"),
    ("+", "+", "Nächste Nachricht", "Next message"),
    ("-", "-", "Vorherige Nachricht", "Previous message"),
    ("#", "#", "Nachricht nach Nummer wählen", "Select message by number"),
    ("Ansi", "Ansi", "ANSI-Farben ein- und ausschalten", "Toggle ANSI colours"),
    ("Anschrift", "Address", "Eigene Anschrift ändern", "Change your address"),
    ("Antrag", "Apply", "Mitgliedsantrag stellen", "Apply for membership"),
    ("Antworten", "Reply", "Auf eine Nachricht antworten", "Reply to a message"),
    ("Archivieren", "Archive", "Nachrichten ins Archiv packen", "Pack messages into an archive"),
    ("Auslastung", "Load", "Auslastung der Leitungen zeigen", "Show line usage"),
    ("Boxstatus", "Boxstatus", "Daten der Mailbox anzeigen", "Show the box data"),
    ("Brett", "Board", "In ein Brett wechseln", "Change to a board"),
    ("Dialog", "Dialog", "Den Sysop zum Chat rufen", "Call the sysop for a chat"),
    ("Edit", "Edit", "Texteditor aufrufen", "Start the text editor"),
    ("Extern", "Extern", "Externe Programme starten", "Run external programs"),
    ("Gruppen", "Groups", "Eigene Gruppen anzeigen", "Show your groups"),
    ("Hersteller", "Vendor", "Über Valmorin", "About Valmorin"),
    ("Hilfe", "Help", "Ausführliche Hilfe", "Detailed help"),
    ("Inhalt", "Contents", "Inhalt des Brettes anzeigen", "List the board"),
    ("Lesen", "Read", "Nachrichten lesen", "Read messages"),
    ("Löschen", "Delete", "Nachricht löschen", "Delete a message"),
    ("Logoff", "Logoff", "Verbindung beenden", "End the call"),
    ("Menu", "Menu", "Menüsteuerung einschalten", "Switch to menu mode"),
    ("Merken", "Mark", "Nachricht vormerken", "Mark a message"),
    ("Mitteilung", "Message", "Mitteilung an einen anderen Port", "Message to another port"),
    ("Multiuser", "Multiuser", "Wer ist gerade online?", "Who is online?"),
    ("Paßwort", "Password", "Eigenes Paßwort ändern", "Change your password"),
    ("PM", "PM", "Persönliches Postfach", "Personal mailbox"),
    ("Protokoll", "Log", "Anruferprotokoll zeigen", "Show the caller log"),
    ("Relogin", "Relogin", "Neu einloggen", "Log in again"),
    ("Rundbrief", "Circular", "Rundbrief an viele User", "Circular letter to many users"),
    ("Scanner", "Scanner", "Neue Nachrichten suchen", "Scan for new messages"),
    ("Senden", "Send", "Nachricht schreiben", "Write a message"),
    ("Setup", "Setup", "Persönliche Einstellungen", "Personal settings"),
    ("Signatur", "Signature", "Signatur bearbeiten", "Edit your signature"),
    ("Status", "Status", "Eigenen Status zeigen", "Show your status"),
    ("Suchen", "Search", "Text in Nachrichten suchen", "Search the messages"),
    ("Teilnehmer", "Users", "Teilnehmerliste", "List of users"),
    ("Vertreter", "Deputy", "Vertreter für das Postfach", "Deputy for your mailbox"),
    ("Visitenkarte", "Card", "Visitenkarte eines Users", "Show a user's card"),
    ("Weiterleiten", "Forward", "Nachricht weiterleiten", "Forward a message"),
]


# ------------------------------------------------------------ daten\ files

def main_txt():
    """daten\\main.txt: main settings, 39 lines."""
    lines = [
        "Nordlicht-Box Lübeck",                     # 1 box name
        "Jürgen Weißmüller",                        # 2 sysop name
        "Förderverein Datenfernübertragung e.V.",   # 3 organisation
        "0",                                        # 4 Chatzwang
        num(5),                                     # 5 Raus nach (1..10)
        num(10),                                    # 6 Kommentar (1..20)
        INST + "UPLOAD\\",                          # 7 upload path
        INST + "DOWNLOAD\\",                        # 8 download path
        "20",                                       # 9 min. Hd frei
        "2000",                                     # 10 Max. Bretter
        "500",                                      # 11 Max. User
        "50",                                       # 12 Max. Netzboxen
        "500",                                      # 13 Max. Editorzeilen
        "5000",                                     # 14 Max. Briefe
    ]
    lines += [num(m) for m in START_MODE[0:6]]      # 15-20 start ports 0-5
    lines += [
        "",                                         # 21 Netzpfad: (Standard)
        num(0),                                     # 22 FileId.diz extractor on
        num(1),                                     # 23 Pms unsichtbar
        krypt("sesam"),                             # 24 lock password
    ]
    lines += [num(m) for m in START_MODE[6:10]]     # 25-28 ports 6-8, sysop
    lines += [num(a) for a in ALWAYS_SHOWN]         # 29-38 immer anzeigen
    lines += ["CD-Import: leider keine Beschreibung gefunden"]  # 39
    assert len(lines) == 39
    write_lines("daten/main.txt", lines)


def env_dat():
    """daten\\env.dat: server state, line 8 "0" = lock off."""
    write_lines("daten/env.dat", [
        "Valmorin 2.1",     # server version
        "14.03.1997",       # date of the last start
        "22:41",            # time of the last start
        num(3),             # ports online
        num(1523),          # calls since the start
        num(0),             # cruncher running
        num(0),             # sorter running
        "0",                # lock
    ])


def user_dat():
    """daten\\user.dat: the server's user list (read by the user picker)."""
    write_lines("daten/user.dat", USERS)


def gruppen_dat():
    """daten\\gruppen.dat: name, length n, n characters of group data."""
    out = ""
    for name, text, level, fee in GROUPS:
        data = text + CRLF + num(level) + CRLF + fee + CRLF
        out += name + CRLF + num(len(data)) + CRLF + data
    write_raw("daten/gruppen.dat", out)


def befehle_txt():
    """daten\\befehle.txt: minimum level of the 43 commands."""
    level = {"?": 0, "Hilfe": 0, "Logoff": 0, "Hersteller": 0, "Relogin": 0,
             "Ansi": 0, "Antrag": 0, "Multiuser": 5, "Rundbrief": 50,
             "Protokoll": 90, "Archivieren": 20, "Extern": 20,
             "Mitteilung": 10, "Dialog": 5, "Teilnehmer": 10, "Löschen": 20}
    write_lines("daten/befehle.txt",
                [num(level.get(c[0], 10)) for c in COMMANDS])


def befgrup_txt():
    """daten\\befgrup.txt: required group of the 43 commands (empty = none)."""
    group = {"Archivieren": "Mitglieder", "Extern": "Mitglieder",
             "Multiuser": "Mitglieder", "Protokoll": "Förderverein",
             "Rundbrief": "Förderverein"}
    write_lines("daten/befgrup.txt", [group.get(c[0], "") for c in COMMANDS])


def modem_file(rel, com, baud, minbaud, init, rts, capi, capinr, dtr,
               propose, refuse):
    """daten\\modem*.txt: modem parameters of one port, 21 lines."""
    write_lines(rel, [
        com, baud, minbaud,
        "ATZ", "ATH", "ATDT", "ATH1", "RING", "ATA", "43",
        init, "CONNECT", "10000", "10000",
        " " + str(rts),                 # 15 RTS/CTS, with leading blank
        "0",                            # 16 reserved
        str(capi), capinr, str(dtr), str(propose), str(refuse),
    ])


def modems():
    # port 0: analogue Hayes modem
    modem_file("daten/modem.txt", "COM2:", "56000", "2400",
               "ATS0=0&D0&C1S2=43", 1, 0, "", 1, 0, 0)
    # port 1: ISDN card through the direct CAPI 2.0 interface
    modem_file("daten/modem1.txt", "COM3:", "128000", "2400",
               "AT X7 &A0=04517654321 &L0", 1, 1, "04517654321", 0, 1, 0)
    # port 2: second ISDN channel through the Teles VCom emulator
    modem_file("daten/modem2.txt", "COM4:", "128000", "2400",
               "ATB4&D%P 04517654322", 1, 0, "", 0, 0, 1)


def start_dat(rel, always, modes):
    """daten\\start*.dat: always shown (rows 0-9), then start mode (rows 0-9)."""
    write_lines(rel, [num(v) for v in always] + [num(v) for v in modes])


def starts():
    start_dat("daten/start.dat", ALWAYS_SHOWN, START_MODE)     # network 0
    start_dat("daten/start3.dat",                              # network 3
              [1, 0, 0, 0, 0, 0, 0, 0, 0, 1],
              [2, 0, 0, 0, 0, 0, 0, 0, 0, 1])


def winds_txt():
    """daten\\winds.txt: module windows not opened (cruncher, sorter, 0, in, out)."""
    write_lines("daten/winds.txt", [num(0), num(1), num(0), num(0), num(1)])


def netzpar_dat():
    """daten\\netzpar.dat: own net parameters and domains, 25 lines."""
    write_lines("daten/netzpar.dat", [
        "NORDLICHT",                    # 1 net box name
        INST + "BRETTER\\",             # 2 path for new boards
        "S+2", "30:03",                 # 3, 4 summer time zone and start
        "W+1", "26:10",                 # 5, 6 winter time zone and start
        "64",                           # 7 max letter length KB
        "10",                           # 8 net letters from level
        "nordlicht.zer", "1",           # 9, 10 main domain, domain server
        "nordlicht.luebeck.de", "0",    # 11, 12
        "nordlicht.fido.de", "0",       # 13, 14
        "", "0",                        # 15, 16 fourth domain unused
        "10",                           # 17 dial attempts
        "60",                           # 18 dial pause (s)
        "2",                            # 19 buffer copies
        "300",                          # 20 pack timeout (s)
        "30",                           # 21 MsgID hold time
        "14",                           # 22 max message age
        "0",                            # 23 do not sort dupes
        "5",                            # 24 processor time 0..10
        "Netzteilnehmer",               # 25 group of net users
    ])


def routing_txt():
    """daten\\routing.txt: domain routing, count line then recipient~sender TAB ROUTE."""
    entries = [
        "t-online.de~nordlicht.luebeck.de\tWESTHOF",  # with sender
        "*~nordlicht.fido.de\tFIDOGATE",               # * with sender
        "fido.de\tFIDOGATE",                           # without sender
        "cl-netz.de\tSUEDWIND",
        "kuestenfunk.zer\tKÜSTENFUNK",
        "*\tWESTHOF",                                  # smarthost
    ]
    write_lines("daten/routing.txt", [" " + str(len(entries))] + entries)


def netz_dat():
    """daten\\netz.dat: the server's net boxes, 11 lines per box."""
    lines = [num(len(NETBOXES))]
    for name, phone, pw, net, packer, domain, janus in NETBOXES:
        lines += [
            name,                   # 1 box name
            phone,                  # 2 phone number
            pw,                     # 3 net password
            net,                    # 4 net type
            packer,                 # 5 packer
            domain,                 # 6 domain
            num(2),                 # 7 preferred port
            num(0),                 # 8 poll only
            num(janus),             # 9 box type, 1 = Janus2
            "13.03.1997 03:12",     # 10 last call
            num(0),                 # 11 failed calls
        ]
    write_lines("daten/netz.dat", lines)


def packers():
    """daten\\packer.txt (5 lines per packer) and daten\\pack2.txt (list commands)."""
    table = [
        ("ARJ", "ARJ a -e -y $A $F", "ARJ e -y $A", "ARJ", "ARJ", "ARJ l $A"),
        ("PKZIP 2.04g", "PKZIP -a $A $F", "PKUNZIP -o $A", "ZIP", "ZIP",
         "PKUNZIP -v $A"),
        ("LHA 2.55", "LHA a /m $A $F", "LHA e /m $A", "LZH", "LHA", "LHA l $A"),
        ("RAR 2.0", "RAR a -y $A $F", "RAR e -y $A", "RAR", "RAR", "RAR l $A"),
        ("ZOO", "ZOO a: $A $F", "ZOO e: $A", "ZOO", "ZOO", "ZOO l $A"),
    ]
    table += [("", "", "", "", "", "")] * (10 - len(table))
    write_lines("daten/packer.txt", [v for p in table for v in p[:5]])
    write_lines("daten/pack2.txt", [p[5] for p in table])


def zeit_txt(rel, entries):
    """daten\\zeit*.txt: schedule, count line then time and event pairs."""
    lines = [" " + str(len(entries))]
    for t, e in entries:
        lines += [t, e]
    write_lines(rel, lines)


def schedules():
    zeit_txt("daten/zeit.txt", [                        # network 0
        ("02:00", "CRCH"),
        ("02:30", "SPER 0 ON"),
        ("02:35", "CALL 2 WESTHOF"),
        ("02:50", "CALL 2 KÜSTENFUNK|P *(Mon,Mit,Fri)"),
        ("03:00", "PORT 1 OFF *(Son)"),
        ("03:05", "DOSC " + INST + "TOOLS\\SICHERN.BAT *(Son)"),
        ("03:45", "PORT 1 ON *(Son)"),
        ("04:00", "SPER 0 OFF"),
        ("04:10", "CALL 2 HANSEBOX|H"),
        ("23:30", "CRCH *(Sam)"),
    ])
    zeit_txt("daten/zeit3.txt", [                       # network 3
        ("01:00", "CALL 0 FIDOGATE"),
        ("05:00", "CRCH"),
    ])


def extern_dat():
    """daten\\extern.dat: external programs, 5 lines per entry."""
    def options(level, befehl=False, extern=False, shortcut=0):
        word = level | (256 if befehl else 0) | (512 if extern else 0)
        word |= (shortcut & 0xFF) << 24
        return num(word - (1 << 32) if word & 0x80000000 else word)

    entries = [
        ("Schach", "Schach gegen den Computer oder andere Anrufer",
         INST + "TUERE\\SCHACH.EXE $PO $US", "Spieler",
         options(10, extern=True, shortcut=1)),
        ("Drachenhöhle", "Rollenspiel-Tür für Abenteurer",
         INST + "TUERE\\DRACHE.EXE $PO $US $RZ", "Spieler",
         options(10, extern=True, shortcut=2)),
        ("Boxregeln", "Die Regeln der Nordlicht-Box",
         "#SHOW " + INST + "TEXTE\\REGELN.TXT", "",
         options(0, befehl=True, shortcut=3)),
        ("Schnell lesen", "Alle neuen Nachrichten lesen",
         "#Lesen", "", options(10, befehl=True, shortcut=4)),
        ("Dateisuche", "Sucht Dateien in allen Brettern",
         INST + "TOOLS\\FSUCHE.EXE $PO $BI $PA", "Mitglieder",
         options(20, shortcut=-1)),
    ]
    lines = []
    for e in entries:
        lines += list(e)
    write_lines("daten/extern.dat", lines)


def chat_dat():
    """daten\\chat.dat: 11 switches, then five wave files with comments."""
    write_lines("daten/chat.dat", [
        "11110111101",
        INST + "WAVE\\GONG.WAV", "Gong",
        INST + "WAVE\\KLINGEL.WAV", "Türklingel",
        INST + "WAVE\\MOEWE.WAV", "Möwengeschrei",
        INST + "WAVE\\HUPE.WAV", "Nebelhorn",
        "", "",
    ])


def newuser_dat():
    """daten\\newuser.dat: free space, rate, time limit, level, groups."""
    write_lines("daten/newuser.dat",
                ["500", "10", "60", "5", "Gäste", "Neulinge"])


def sprachen_txt():
    """daten\\sprachen.txt: main language and four further languages."""
    write_lines("daten/sprachen.txt", ["deutsch", "english", "", "", ""])


def cosysop_txt():
    """daten\\cosysop.txt: co-sysops in alphabetical order."""
    write_lines("daten/cosysop.txt", ["Bärbel Schröder", "Klaus-Dieter Höfer"])


def userver_txt():
    """daten\\userver.txt: names new callers may not take."""
    write_lines("daten/userver.txt",
                ["SYSOP", "ADMINISTRATOR", "POSTMASTER", "VALMORIN",
                 "GAST", "NETZMEISTER", "BÖSEWICHT"])


# ------------------------------------------------------------ top level

def zusatz_dat():
    """zusatz.dat: add-on tools, name TAB call in upper case."""
    write_lines("zusatz.dat", [
        "Brettpflege\t" + INST + "TOOLS\\BRETTPFL.EXE -ALT 30",
        "Userliste drucken\t" + INST + "TOOLS\\ULISTE.EXE /DRUCK",
        "Gebührenzähler\t" + INST + "TOOLS\\GEBUEHR.EXE",
        "Virenprüfung Upload\t" + INST + "TOOLS\\SCAN.EXE " + INST + "UPLOAD\\*.*",
    ])


# ------------------------------------------------------------ texte\ files

def language_file(rel, title, col, texts):
    """texte\\*.lng: two head lines, 43 command pairs, then the box texts."""
    lines = [title, "Valmorin 2.1 - Zeilenfolge nicht verändern!"]
    for c in COMMANDS:
        word, help_text = (c[0], c[2]) if col == 0 else (c[1], c[3])
        lines.append('"%s","%s"' % (word, help_text))
    for i, t in enumerate(texts, 1):
        lines.append('"%03d","%s"' % (i, t))
    write_lines(rel, lines)


def languages():
    language_file("texte/deutsch.lng", "Sprachdatei deutsch", 0, [
        "Username: ",
        "Paßwort: ",
        "Falsches Paßwort!",
        "Willkommen, schön daß Du wieder da bist.",
        "Du hast neue persönliche Nachrichten.",
        "Keine neuen Nachrichten.",
        "Befehl unbekannt. Hilfe mit ?",
        "Deine Zeit ist gleich abgelaufen.",
        "Für diesen Befehl ist Dein Level zu niedrig.",
        "Der Sysop ist leider nicht anwesend.",
        "Brett nicht gefunden.",
        "Auf Wiederhören und bis bald!",
    ])
    language_file("texte/english.lng", "Language file english", 1, [
        "Username: ",
        "Password: ",
        "Wrong password!",
        "Welcome back.",
        "You have new personal messages.",
        "No new messages.",
        "Unknown command. Help with ?",
        "Your time is nearly up.",
        "Your level is too low for this command.",
        "Sorry, the sysop is not present.",
        "Board not found.",
        "Goodbye and see you soon!",
    ])


BOX_TEXTS = {
    "antrag.txt": [
        "Mitgliedsantrag für die Nordlicht-Box",
        "",
        "Als Mitglied im Förderverein bekommst Du höheren Level,",
        "Netzzugang und Zugriff auf alle Dateibretter.",
        "Der Beitrag beträgt 5,00 DM im Monat.",
    ],
    "dialogda.txt": [
        "Der Sysop ist anwesend und wird gerufen.",
        "Bitte einen Moment Geduld ...",
    ],
    "dialogwe.txt": [
        "Der Sysop ist zur Zeit nicht an der Box.",
        "Du kannst ihm aber eine Nachricht hinterlassen.",
    ],
    "download.txt": [
        "Bitte starte jetzt Dein Empfangsprotokoll (Zmodem empfohlen).",
    ],
    "gastlog.txt": [
        "Hallo Gast!",
        "Du kannst Dich in Ruhe umsehen und in den öffentlichen Brettern lesen.",
        "Mit dem Befehl ANTRAG wirst Du Mitglied.",
    ],
    "login.txt": [
        "Willkommen in der Nordlicht-Box Lübeck!",
        "Neuigkeiten stehen im Brett /NORDLICHT/INFO.",
    ],
    "logoff.txt": [
        "Danke für Deinen Anruf. Tschüß und bis bald!",
    ],
    "upload.txt": [
        "Bitte starte jetzt Dein Sendeprotokoll.",
        "Jede Datei wird nach dem Upload auf Viren geprüft.",
    ],
    "vorlogin.txt": [
        "*** Nordlicht-Box Lübeck ***  Mailbox seit 1991",
        "Neue Anrufer melden sich bitte als GAST an.",
    ],
    "rauswurf.txt": [
        "Der Sysop hat die Verbindung beendet.",
    ],
    "netzsper.txt": [
        "Zur Zeit läuft der Netzanruf. Bitte versuche es in 30 Minuten noch einmal.",
    ],
    "baud.txt": [
        "Deine Verbindung ist leider zu langsam für diesen Zugang.",
        "Mindestens 2400 Baud sind nötig.",
    ],
    "smkopf.txt": [
        "Meldung des Sorters der Nordlicht-Box:",
    ],
    "smeb.txt": [
        "Deine Nachricht wurde dem Empfänger zugestellt (Empfangsbestätigung).",
    ],
    "smempu.txt": [
        "Der Empfänger Deiner Nachricht ist unbekannt.",
    ],
    "smusu.txt": [
        "Dieser User ist in der Nordlicht-Box unbekannt.",
    ],
    "extern.txt": [
        "Externe Programme - bitte nach dem Spiel sauber beenden.",
    ],
    "chat.txt": [
        "Du bist jetzt im Chat mit dem Sysop. Ende mit /Q",
    ],
    "multchat.txt": [
        "Willkommen im Multichat! Hilfe mit /?, Ende mit /Q",
    ],
    "regeln.txt": [
        "Regeln der Nordlicht-Box",
        "",
        "1. Ein freundlicher Ton ist Pflicht.",
        "2. Keine Raubkopien in den Dateibrettern.",
        "3. Werbung nur im Brett /NORDLICHT/MARKT.",
        "4. Der Sysop hat das letzte Wort.",
    ],
}

BATCH_FILES = {
    "antrag.bat": ["!" + INST + "TOOLS\\ANTRAG.EXE $US"],
    "download.bat": ["!" + INST + "TOOLS\\ZAEHLER.EXE DOWN $US"],
    "gastlog.bat": ["!" + INST + "TOOLS\\GASTLOG.EXE $PO"],
    "login.bat": ["#" + INST + "TOOLS\\BULLETIN.EXE $PO $US"],
    "prelog.bat": ["!" + INST + "TOOLS\\ZAEHLER.EXE ZEIT $US $RZ"],
    "postlog.bat": ["!" + INST + "TOOLS\\PROTOKOL.EXE $PO"],
    "upload.bat": ["!" + INST + "TOOLS\\SCAN.EXE $PA"],
    "vorlogin.bat": ["!" + INST + "TOOLS\\SPERRE.EXE $PO"],
    "sorter.bat": ["!" + INST + "TOOLS\\PUFFCHK.EXE"],
    "sortmaps.bat": ["!" + INST + "TOOLS\\MAPSVOR.EXE"],
    "postsort.bat": ["!" + INST + "TOOLS\\BRETTPFL.EXE -NEU"],
}


def box_texts():
    """texte\\*.txt: the texts the server shows callers."""
    for name, lines in BOX_TEXTS.items():
        write_lines("texte/" + name, lines)


def batch_files():
    """texte\\*.bat: the batch files the server runs."""
    for name, lines in BATCH_FILES.items():
        write_lines("texte/" + name, lines)


# ------------------------------------------------- programs and folders

# What the settings name below the installation directory, so that every
# path they hold exists: stand-ins for the programs (empty files, they are
# never run), the chat wave files (a tenth of a second of silence) and one
# file in each data folder the settings point at.
PROGRAMS = {
    "TOOLS": ["BRETTPFL.EXE", "ULISTE.EXE", "GEBUEHR.EXE", "SCAN.EXE",
              "FSUCHE.EXE", "ANTRAG.EXE", "ZAEHLER.EXE", "GASTLOG.EXE",
              "BULLETIN.EXE", "PROTOKOL.EXE", "SPERRE.EXE", "PUFFCHK.EXE",
              "MAPSVOR.EXE"],
    "TUERE": ["SCHACH.EXE", "DRACHE.EXE"],
}
WAVES = ["GONG.WAV", "KLINGEL.WAV", "MOEWE.WAV", "HUPE.WAV"]
FOLDER_NOTES = {
    "UPLOAD": "Hierher legt der Server die Uploads der Anrufer.",
    "DOWNLOAD": "Die Dateien, die Anrufer herunterladen können.",
    "BRETTER": "Hier legt der Server neue Bretter an.",
    "SICHERUNG": "Die sonntägliche Sicherung der Einstellungen (TOOLS\\SICHERN.BAT).",
}


def programs_and_folders():
    for folder, names in PROGRAMS.items():
        for name in names:
            write_raw(folder + "/" + name, "")
    write_lines("TOOLS/SICHERN.BAT", [
        "@echo off",
        "rem Sonntägliche Sicherung der Einstellungen",
        "copy " + INST + "DATEN\\*.* " + INST + "SICHERUNG\\",
    ])
    import wave
    for name in WAVES:
        path = os.path.join(HERE, "WAVE", name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with wave.open(path, "wb") as w:
            w.setnchannels(1)
            w.setsampwidth(1)
            w.setframerate(8000)
            w.writeframes(bytes([128]) * 800)
    for folder, note in FOLDER_NOTES.items():
        write_lines(folder + "/LIESMICH.TXT", [note])


def main():
    main_txt()
    env_dat()
    user_dat()
    gruppen_dat()
    befehle_txt()
    befgrup_txt()
    modems()
    starts()
    winds_txt()
    netzpar_dat()
    routing_txt()
    netz_dat()
    packers()
    schedules()
    extern_dat()
    chat_dat()
    newuser_dat()
    sprachen_txt()
    cosysop_txt()
    userver_txt()
    zusatz_dat()
    languages()
    box_texts()
    batch_files()
    programs_and_folders()


if __name__ == "__main__":
    main()
