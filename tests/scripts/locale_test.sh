#!/usr/bin/env bash
# The German locale of scripts/run and scripts/install on a machine that
# lacks it: it is made and set without the shell's "cannot change locale"
# warning. The machine's locales are hidden behind an empty folder in a
# mount namespace of this test's own; without one (not root, no unshare) the
# test is skipped. The shell starts under LANG=C.UTF-8, as a terminal has it,
# so that it looks at the locale archive when it starts.
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
common="$here/../../scripts/lib/common.sh"
skip=77
[ "$(id -u)" -eq 0 ] && command -v unshare >/dev/null && command -v localedef >/dev/null || exit $skip
[ -f /usr/share/i18n/locales/de_DE ] || exit $skip # the locales package
unshare -m true 2>/dev/null || exit $skip

empty="$(mktemp -d)"
out="$(mktemp)"
trap 'rm -rf "$empty" "$out"' EXIT
unshare -m bash -c '
  mount --bind "$1" /usr/lib/locale || exit 3
  env -u LC_ALL LANG=C.UTF-8 bash -c "source \"\$0\"; use_german_locale; echo \"LC_ALL=\$LC_ALL\"; date +%A" "$2"
' _ "$empty" "$common" >"$out" 2>&1
status=$?

failures=0
check() { # check <what> <condition...>
  local what="$1"
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; cat "$out"; failures=$((failures + 1)); fi
}
check "the script ran" test "$status" -eq 0
check "no locale warning" bash -c "! grep -qi 'setlocale\|cannot change locale' '$out'"
check "LC_ALL is German" grep -qx 'LC_ALL=de_DE.UTF-8' "$out"
check "programs started after it speak German" grep -qE '^(Montag|Dienstag|Mittwoch|Donnerstag|Freitag|Samstag|Sonntag)$' "$out"
[ "$failures" -eq 0 ]
