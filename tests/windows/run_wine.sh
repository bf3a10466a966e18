#!/usr/bin/env bash
# Runs the Windows test programs under Wine, in a prefix inside the build
# tree, with Wine's null graphics driver: no display is needed.
#   run_wine.sh prefix PREFIX
#   run_wine.sh test PREFIX WORKDIR EXPECTED_TRANSCRIPTS SIDE PROGRAM.exe
# Exits 77 (skipped) where Wine is not installed.
set -euo pipefail

wine=$(command -v wine64 || true)
if [ -z "$wine" ] && [ -x /usr/lib/wine/wine64 ]; then wine=/usr/lib/wine/wine64; fi
if [ -z "$wine" ]; then
  echo "SKIPPED: wine64 is not installed, so the Windows DLLs are not run"
  exit 77
fi
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)

WINEPREFIX=$(realpath -m "$2")
export WINEPREFIX WINEDEBUG=-all
# No installers for .NET or HTML, no sound, and no window on a display.
export WINEDLLOVERRIDES="mscoree=d;mshtml=d;winealsa.drv=d;winepulse.drv=d"
unset DISPLAY WAYLAND_DISPLAY

case "$1" in
prefix)
  if [ ! -f "$WINEPREFIX/tavlion-ready" ]; then
    rm -rf "$WINEPREFIX"
    "$wine" wineboot --init </dev/null
    "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null
    "$wineserver" -w
    touch "$WINEPREFIX/tavlion-ready"
  fi
  echo "Wine prefix ready: $WINEPREFIX ($("$wine" --version))"
  ;;
test)
  workdir=$(realpath -m "$3") expected_tool=$(realpath "$4") side=$5 program=$(realpath "$6")
  rm -rf "$workdir"
  mkdir -p "$workdir"
  cd "$workdir"
  QT_QPA_PLATFORM=offscreen "$expected_tool" "$side" expected.txt
  status=0
  "$wine" "$program" expected.txt actual.txt </dev/null || status=$?
  exit "$status"
  ;;
*)
  echo "usage: run_wine.sh prefix PREFIX | test PREFIX WORKDIR EXPECTED_TRANSCRIPTS SIDE PROGRAM" >&2
  exit 2
  ;;
esac
