#!/usr/bin/env bash
# The request counter of scripts/startup-requests on a made-up server log:
# only requests (not replies) of the program's own threads count, up to the
# first window it shows; the last start of each program is the one told.
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
cat >"$log" <<'LOG'
0010: new_process( token=0000, imagepath=L"C:\\windows\\notepad.exe", cmdline=L"" )
0010: new_process() = 0 { info=0004, pid=0020, tid=0024, handle=0008 }
0024: init_first_thread( unix_pid=1 )
0024: init_first_thread() = 0 { pid=0020, tid=0024 }
0024: open_key( name=L"a" )
0024: open_key() = 0 { hkey=0004 }
0030: init_thread( unix_tid=2 )
0030: init_thread() = 0 { pid=0020 }
0030: get_key_value( name=L"b" )
0024: set_window_pos( swp_flags=0014, handle=0001 )
0024: set_window_pos( swp_flags=1867, handle=0001 )
0024: get_message( flags=0 )
0010: new_process( token=0000, imagepath=L"Z:\\b\\ZorqCfg.exe", cmdline=L"" )
0010: new_process() = 0 { info=0004, pid=0040, tid=0044, handle=0008 }
0044: init_first_thread( unix_pid=3 )
0044: init_first_thread() = 0 { pid=0040, tid=0044 }
0044: create_file( name=L"x" )
0044: set_window_pos( swp_flags=0040, handle=0002 )
0010: new_process( token=0000, imagepath=L"Z:\\b\\zorqcfg.exe", cmdline=L"" )
0010: new_process() = 0 { info=0004, pid=0050, tid=0054, handle=0008 }
0054: init_first_thread( unix_pid=4 )
0054: init_first_thread() = 0 { pid=0050, tid=0054 }
0054: create_file( name=L"x" )
0054: create_file( name=L"y" )
0054: set_window_pos( swp_flags=0040, handle=0002 )
LOG
out="$(python3 "$here/../../scripts/lib/count_requests.py" --kinds 2 "$log" notepad.exe zorqcfg.exe)"
expected="  notepad.exe: 3 requests, 1.00 of notepad.exe's
    open_key 1, get_key_value 1
  zorqcfg.exe: 2 requests, 0.67 of notepad.exe's
    create_file 2"
if [ "$out" != "$expected" ]; then
  printf 'expected:\n%s\ngot:\n%s\n' "$expected" "$out"
  exit 1
fi
# A program that never showed a window is an error, not a count of zero.
if python3 "$here/../../scripts/lib/count_requests.py" "$log" setup.exe >/dev/null 2>&1; then
  echo "a program without a window was counted"
  exit 1
fi
echo "ok"
