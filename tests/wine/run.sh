#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, with code page 936, in the
# tests' own prefix (made on first use) and inside its virtual desktop, so
# that the program's own exit code comes back. Needs DISPLAY.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/env.sh"
"$here/prefix.sh"
exec "$(wine_loader_for "$1")" "$@"
