#!/usr/bin/env bash
# The Linux package: cpack builds a .deb; unpacked into a scratch root it
# holds the program, a valid .desktop entry and the hicolor icons, and the
# program it installs starts.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
(cd "$build" && cpack -G DEB -B "$root/out" >/dev/null)
deb=$(ls "$root"/out/*.deb)
# Outputs are searched through here-strings, not pipes: a grep -q that
# stops at its first match kills its writer with SIGPIPE under pipefail.
grep -q 'Package: jpgnames' <<<"$(dpkg-deb --info "$deb")"
dpkg -x "$deb" "$root/tree"
for f in usr/bin/jpgnames usr/share/applications/jpgnames.desktop \
         usr/share/icons/hicolor/16x16/apps/jpgnames.png \
         usr/share/icons/hicolor/32x32/apps/jpgnames.png \
         usr/share/icons/hicolor/48x48/apps/jpgnames.png; do
  [ -f "$root/tree/$f" ] || { echo "FAIL: $f missing from the package" >&2; exit 1; }
done
desktop-file-validate "$root/tree/usr/share/applications/jpgnames.desktop"
grep -qx 'Name=提取JPG文件名' "$root/tree/usr/share/applications/jpgnames.desktop"
grep -q 'libqt6widgets6' <<<"$(dpkg-deb --field "$deb" Depends)"

# The installed program starts and shows its window (DISPLAY is the tests' Xvfb).
"$root/tree/usr/bin/jpgnames" 2>/dev/null &
program=$!
found=
for _ in $(seq 150); do
  if xdotool search --onlyvisible --name '^提取JPG文件名$' >/dev/null 2>&1; then found=1; break; fi
  sleep 0.2
done
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
[ -n "$found" ] || { echo "FAIL: the installed program showed no window" >&2; exit 1; }
echo "ok: $(basename "$deb"), $(stat -c %s "$deb") bytes"
