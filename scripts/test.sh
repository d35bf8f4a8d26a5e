#!/usr/bin/env bash
# Builds both programs and runs every test: the Linux tests natively, the
# Windows tests under Wine, all on a private Xvfb display.
# On a fresh Debian 12 machine, as root: installs what is missing first.
#   scripts/test.sh              every test once
#   scripts/test.sh --stress [N] every test with both cores kept busy by
#                                other processes, as on a loaded CI machine,
#                                then the end-to-end and package tests again
#                                until one fails, N times (3 by default)
set -euo pipefail
cd "$(dirname "$0")/.."

stress=
repeats=3
if [ "${1:-}" = "--stress" ]; then
  stress=1
  repeats=${2:-3}
fi

if [ "$(id -u)" = 0 ]; then
  scripts/install-deps.sh
fi

source scripts/xvfb.sh
start_xvfb

if [ -n "$stress" ]; then
  # One busy loop per core, ended with this shell.
  busy=()
  for _ in $(seq "$(nproc)"); do
    (while :; do :; done) &
    busy+=($!)
  done
  trap 'kill "${busy[@]}" $XVFB_PID 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT
  echo "stress: ${#busy[@]} busy loops beside the tests"
fi

for preset in linux linux-asan windows windows-x64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

ctest --preset linux
# The same suite with AddressSanitizer (leaks included) and UBSan. The fatal
# report after a failed allocation is left out there: the sanitizer's own
# operator new ends the process itself and never reaches the new handler.
ctest --preset linux-asan
source tests/wine/env.sh
windows_preset=windows
if can_run_32bit; then
  ctest --preset windows
else
  # The 32-bit program is still built and checked; its code runs under Wine
  # as the 64-bit build of the same sources.
  echo "This kernel runs no 32-bit programs: the Windows tests run on the 64-bit build."
  ctest --preset windows -L static
  windows_preset=windows-x64
fi
ctest --preset windows-x64

# Each fuzz target for 30 seconds from the committed seeds.
scripts/fuzz.sh 30

# The benchmark at 10,000 entries, so that it keeps building and running.
scripts/bench.sh --quick

if [ -n "$stress" ]; then
  ctest --preset linux -R 'end_to_end|package' --repeat "until-fail:$repeats"
  ctest --preset "$windows_preset" -L e2e --repeat "until-fail:$repeats"
fi
