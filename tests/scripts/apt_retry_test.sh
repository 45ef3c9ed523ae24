#!/usr/bin/env bash
# The install step of the scripts against a stand-in apt-get: a failing
# first "apt-get update" is tried again, and an install that still fails
# ends with a message that says why.
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
common="$here/../../scripts/lib/common.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

# Stand-ins: every package is missing, i386 is known, apt-get fails its first
# $UPDATE_FAILURES updates and each install when INSTALL_FAILS is set.
mkdir -p "$work/bin"
cat >"$work/bin/dpkg-query" <<'SH'
#!/bin/sh
exit 1
SH
cat >"$work/bin/dpkg" <<'SH'
#!/bin/sh
echo i386
SH
cat >"$work/bin/apt-get" <<'SH'
#!/bin/sh
echo "$*" >>"$APT_LOG"
case " $* " in
*" update "*)
  n=$(grep -c update "$APT_LOG")
  [ "$n" -le "$UPDATE_FAILURES" ] && { echo "E: File has unexpected size" >&2; exit 100; }
  exit 0 ;;
*" install "*)
  [ -n "${INSTALL_FAILS:-}" ] && { echo "E: held broken packages" >&2; exit 100; }
  exit 0 ;;
esac
SH
cat >"$work/bin/id" <<'SH'
#!/bin/sh
echo 0
SH
chmod +x "$work/bin/"*

run() { # run <update failures> <install fails>
  : >"$work/apt.log"
  PATH="$work/bin:$PATH" APT_LOG="$work/apt.log" UPDATE_FAILURES="$1" INSTALL_FAILS="$2" APT_RETRY_PAUSE=0 \
    bash -c "source '$common'; ensure_packages" >"$work/out" 2>&1
}
check() { # check <what> <condition...>
  local what="$1"; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; cat "$work/out" "$work/apt.log"; failures=$((failures + 1)); fi
}

run 1 ""
status=$?
check "a failed first update is tried again and the install goes on" \
  test "$status" -eq 0 -a "$(grep -c update "$work/apt.log")" -eq 2 -a "$(grep -c install "$work/apt.log")" -eq 1

run 5 ""
status=$?
check "three failed updates still go on to the install" \
  test "$status" -eq 0 -a "$(grep -c update "$work/apt.log")" -eq 3 -a "$(grep -c install "$work/apt.log")" -eq 1

run 5 yes
status=$?
check "a failing install ends with the message about the package index" \
  test "$status" -ne 0 -a "$(grep -c 'package index is inconsistent' "$work/out")" -eq 1

[ "$failures" -eq 0 ]
