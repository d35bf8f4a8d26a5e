#!/usr/bin/env bash
# The shipped Windows program: a 32-bit GUI PE, Windows' own DLLs only, no
# application manifest (classic controls, not DPI-aware), at most 320 KiB.
set -euo pipefail
exe=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

file -b "$exe" | grep -q '^PE32 executable (GUI) Intel 80386' || fail "not a 32-bit GUI PE: $(file -b "$exe")"

size=$(stat -c %s "$exe")
[ "$size" -le $((320 * 1024)) ] || fail "$size bytes, more than 320 KiB"

allowed='^(kernel32|user32|gdi32|shell32|ole32|msvcrt|advapi32)\.dll$'
dump=$(i686-w64-mingw32-objdump -x "$exe")
while read -r dll; do
  echo "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$allowed" || fail "imports $dll"
done < <(echo "$dump" | sed -n 's/^\s*DLL Name: //p')

# Resource type 24 is RT_MANIFEST.
echo "$dump" | sed -n '/Resource Directory section/,/^$/p' | grep -q 'Type Table' || fail "no resources"
if echo "$dump" | sed -n '/Resource Directory section/,/^$/p' | grep -Eq '^[0-9a-f]{3}   Entry: ID: 0x000018'; then
  fail "carries an application manifest"
fi
echo "ok: $(file -b "$exe"), $size bytes, imports $(echo "$dump" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')"
