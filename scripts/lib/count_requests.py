#!/usr/bin/env python3
"""Counts, per program, the requests its process sent to the window server
(wineserver) before its first window showed, from the server's log
(wineserver -d2).

    count_requests.py [--kinds N] <log> <program.exe>...

Prints one line per program: the count of its last start in the log, and
that count against the first program's; with --kinds, the N kinds of
request each program sends most.
"""
import collections
import re
import sys

REQUEST = re.compile(r"^([0-9a-f]{4}): ([a-z_]+)\((.*)$")
SHOW_WINDOW = 0x40  # SWP_SHOWWINDOW


def count(log_path):
    thread_process = {}  # thread id -> process id
    started_by = {}  # thread id -> image of the process it asked for
    image_of = {}  # process id -> image name
    counts = {}  # process id -> Counter of the requests before the first window showed
    shown = set()
    with open(log_path, errors="replace") as log:
        for line in log:
            m = REQUEST.match(line)
            if not m:
                continue
            thread, request, rest = m.groups()
            if rest.startswith(") = "):  # a reply
                if request in ("init_first_thread", "init_thread"):
                    pid = re.search(r"pid=([0-9a-f]+)", rest)
                    if pid:
                        thread_process[thread] = pid.group(1)
                elif request == "new_process" and thread in started_by:
                    pid = re.search(r"pid=([0-9a-f]+)", rest)
                    if pid:
                        image_of[pid.group(1)] = started_by.pop(thread)
                continue
            if request == "new_process":
                image = re.search(r'imagepath=L"([^"]*)"', rest)
                started_by[thread] = image.group(1).split("\\")[-1].lower() if image else "?"
            process = thread_process.get(thread)
            if process is None or process in shown:
                continue
            if request == "set_window_pos":
                flags = re.search(r"swp_flags=([0-9a-f]+)", rest)
                if flags and int(flags.group(1), 16) & SHOW_WINDOW:
                    shown.add(process)
                    continue
            counts.setdefault(process, collections.Counter())[request] += 1
    last = {}
    for process, image in image_of.items():  # in the order they started
        if process in shown:
            last[image] = counts.get(process, collections.Counter())
    return last


def main():
    args = sys.argv[1:]
    kinds = 0
    if args[:1] == ["--kinds"] and len(args) > 1:
        kinds, args = int(args[1]), args[2:]
    if len(args) < 2:
        sys.exit(__doc__)
    last = count(args[0])
    programs = [p.lower() for p in args[1:]]
    missing = [p for p in programs if p not in last]
    if missing:
        sys.exit("no window shown in the log by: " + ", ".join(missing))
    base = sum(last[programs[0]].values())
    for p in programs:
        total = sum(last[p].values())
        print(f"  {p}: {total} requests, {total / base:.2f} of {programs[0]}'s")
        if kinds:
            print("    " + ", ".join(f"{k} {n}" for k, n in last[p].most_common(kinds)))


if __name__ == "__main__":
    main()
