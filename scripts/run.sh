#!/usr/bin/env bash
# Builds the program and starts it: `scripts/run.sh` for the Linux (Qt)
# program, `scripts/run.sh windows` for the Windows one under Wine.
# On a fresh Debian 12 machine, as root: installs what is missing first.
# Without a display, it starts on a private Xvfb one.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:-linux}

if [ "$(id -u)" = 0 ]; then
  scripts/install-deps.sh
fi
if [ -z "${DISPLAY:-}" ]; then
  source scripts/xvfb.sh
  start_xvfb
  echo "No display: running on Xvfb $DISPLAY"
fi

case "$target" in
  linux)
    cmake --preset linux >/dev/null
    cmake --build --preset linux --target jpgnames
    exec build/linux/jpgnames
    ;;
  windows)
    source tests/wine/env.sh
    preset=windows
    can_run_32bit || preset=windows-x64  # the same program, for 64-bit-only Wine
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target jpgnames
    tests/wine/run.sh "build/$preset/jpgnames.exe"
    ;;
  *)
    echo "usage: scripts/run.sh [linux|windows]" >&2
    exit 2
    ;;
esac
