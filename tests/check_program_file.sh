#!/usr/bin/env bash
# The shipped Windows program: a 32-bit GUI PE, Windows' own DLLs only, no
# application manifest (classic controls, not DPI-aware), at most 320 KiB.
# Outputs are searched through here-strings, not pipes: a grep -q that stops
# at its first match kills its writer with SIGPIPE, which pipefail reports.
set -euo pipefail
exe=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

kind=$(LC_ALL=C file -b "$exe")
grep -q '^PE32 executable (GUI) Intel 80386' <<<"$kind" || fail "not a 32-bit GUI PE: $kind"

size=$(stat -c %s "$exe")
[ "$size" -le $((320 * 1024)) ] || fail "$size bytes, more than 320 KiB"

allowed='^(kernel32|user32|gdi32|shell32|ole32|msvcrt|advapi32)\.dll$'
dump=$(LC_ALL=C i686-w64-mingw32-objdump -x "$exe")
dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$dump")
while read -r dll; do
  grep -Eqi "$allowed" <<<"$dll" || fail "imports $dll"
done <<<"$dlls"

# Resource type 24 is RT_MANIFEST.
resources=$(sed -n '/Resource Directory section/,/^$/p' <<<"$dump")
grep -q 'Type Table' <<<"$resources" || fail "no resources"
if grep -Eq '^[0-9a-f]{3}   Entry: ID: 0x000018' <<<"$resources"; then
  fail "carries an application manifest"
fi
echo "ok: $kind, $size bytes, imports $(tr '\n' ' ' <<<"$dlls")"
