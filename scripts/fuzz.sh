#!/usr/bin/env bash
# Runs every fuzz target for SECONDS (30 by default) from the committed seed
# corpus; new inputs go to a scratch folder, a failing one is kept under
# build/fuzz/findings and fails the run.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
findings=$PWD/build/fuzz/findings
mkdir -p "$findings"
status=0
for target in find_in_text text_cuts natural_order pattern_split unicode; do
  scratch=$(mktemp -d)
  if build/fuzz/fuzz_$target -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix="$findings/$target-" "$scratch" "fuzz/corpus/$target" \
       >"$scratch.log" 2>&1; then
    echo "fuzz_$target: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$scratch.log" | grep -o '[0-9]*$') inputs in ${seconds}s, no failure"
  else
    echo "fuzz_$target FAILED:"; tail -30 "$scratch.log"; status=1
  fi
  rm -rf "$scratch" "$scratch.log"
done
exit $status
