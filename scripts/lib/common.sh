# Shared by the scripts: paths, packages, the Wine prefixes. Source it.
set -euo pipefail

REPO="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD="$REPO/build"

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64

# The programs are 32-bit, like the server: the i686 cross-compiler, and Wine
# with its 32-bit half (WoW64) to run them.
PACKAGES=(cmake g++ make googletest libgtest-dev clang libclang-rt-14-dev clang-format
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine wine64 wine32:i386 xvfb xauth
  imagemagick x11-utils xdotool fonts-wine locales python3)

say() { printf '%s\n' "$*" >&2; }

# Installs whatever of the packages is missing (a fresh Debian 12 machine has
# none of the Windows tools).
ensure_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  # A mirror in the middle of a sync can fail one index (seen: the i386 index
  # of the security suite) for hours. Try three times, then install from the
  # indexes that did come, and say plainly when that is not enough.
  local try
  for try in 1 2 3; do
    $sudo apt-get update -qq && break
    if [ "$try" -lt 3 ]; then
      say "apt-get update failed (try $try of 3); trying again in ${APT_RETRY_PAUSE:-15} s"
      sleep "${APT_RETRY_PAUSE:-15}"
    else
      say "apt-get update failed three times; installing from the package index as it is"
    fi
  done
  if ! DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
    say ""
    say "The packages could not be installed: the Debian package index is inconsistent"
    say "(a mirror is probably being updated). Please run this command again later."
    exit 1
  fi
}

# Creates a Wine prefix once (serialized, as several tests may ask at the
# same time) with the settings that keep Wine fast and quiet without a
# window manager and that stop a crashing program from waiting on a dialog.
# A prefix made before Wine's 32-bit half was installed cannot start 32-bit
# programs; the mark file names the kind, so such a prefix is made anew.
PREFIX_KIND="wow64-1"
ensure_prefix() {
  local prefix="$1"
  mkdir -p "$(dirname "$prefix")"
  (
    flock 9
    if [ "$(cat "$prefix/.valmorin-ready" 2>/dev/null)" != "$PREFIX_KIND" ]; then
      rm -rf "$prefix"
      WINEPREFIX="$prefix" wineboot -i >/dev/null 2>&1 || true
      WINEPREFIX="$prefix" wineserver -w || true
      local reg
      reg="$(mktemp --suffix=.reg)"
      printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n' >"$reg"
      WINEPREFIX="$prefix" wine regedit "$reg" >/dev/null 2>&1 || true
      WINEPREFIX="$prefix" wineserver -w || true
      rm -f "$reg"
      cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
      echo "$PREFIX_KIND" >"$prefix/.valmorin-ready"
    fi
  ) 9>"$prefix.lock"
}

# Wine's message-box buttons read "Ja" and "Nein" only under a German host
# locale; it is made once if the machine lacks it. It is made as a folder,
# not into the locale archive: this shell looked at the archive when it
# started and would not see a locale added there since, so setting LC_ALL
# would warn "cannot change locale" on the first run.
use_german_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf-\?8$'; then
    localedef --no-archive -i de_DE -f UTF-8 de_DE.UTF-8 2>/dev/null || true
  fi
  if locale -a 2>/dev/null | grep -qi '^de_DE.utf-\?8$'; then
    export LC_ALL=de_DE.UTF-8
  else
    say "German locale not available: message boxes will read Yes/No"
  fi
}

configure_and_build() {
  local preset="$1"
  (cd "$REPO" && cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset")
}
