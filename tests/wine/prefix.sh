#!/usr/bin/env bash
# Makes the Wine prefix in WINEPREFIX once: a 1024x768 virtual desktop, so
# that windows get real frames and `wine` returns the program's exit code.
set -euo pipefail
source "$(dirname "$0")/env.sh"
[ -f "$WINEPREFIX/.jpgnames-ready" ] && exit 0
mkdir -p "$WINEPREFIX"
exec 9>"$WINEPREFIX/.lock"
flock 9
[ -f "$WINEPREFIX/.jpgnames-ready" ] && exit 0
loader=wine
can_run_32bit || loader=/usr/lib/wine/wine64
"$loader" wineboot -i >/dev/null 2>&1
"$loader" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
"$loader" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.jpgnames-ready"
