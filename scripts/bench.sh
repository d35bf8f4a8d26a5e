#!/usr/bin/env bash
# The extraction's benchmark: the product's CollectPhotoNames + JoinPhotoNames
# against the floor (a bare directory read keeping only the ".jpg" test) and
# against `find | sort -V`, on real folders of 10,000, 100,000 and 1,000,000
# entries (made once under build/bench-data, then reused), then the Windows
# build under Wine at 100,000 entries.
#   scripts/bench.sh           the full run (about 10 minutes the first time)
#   scripts/bench.sh --quick   10,000 entries, 3 rounds: keeps it building and running
set -euo pipefail
cd "$(dirname "$0")/.."
data=${JPGNAMES_BENCH_DATA:-$PWD/build/bench-data}
sizes="10000 100000 1000000"; runs=7; wine_size=100000
if [ "${1:-}" = "--quick" ]; then sizes=10000; runs=3; wine_size=10000; fi

cmake --preset linux >/dev/null
cmake --build --preset linux --target extraction_bench >/dev/null
bench=build/linux/extraction_bench
mkdir -p "$data"

value() { sed -n "s/^$1=//p" <<<"$2"; }

echo "machine: $(nproc) cores, $(sed -n 's/^model name\s*: //p;T;q' /proc/cpuinfo), $(uname -r)"
printf '%-9s %8s %11s %9s %11s %8s %8s %9s %10s\n' entries names product_ms floor_ms find_sort_ms x_floor x_find ns_entry bytes_name
declare -A per_entry ratio_floor ratio_find bytes
for n in $sizes; do
  dir="$data/$n"
  "$bench" make "$dir" "$n"
  pipeline="find '$dir' -maxdepth 1 -type f -iname '*.jpg' -printf '%f\n' | LC_ALL=C sort -V >/dev/null"
  t=$("$bench" time "$dir" "$runs" "$pipeline")
  m=$("$bench" memory "$dir")
  product=$(value product_ms "$t"); floor=$(value floor_ms "$t"); other=$(value command_ms "$t")
  per_entry[$n]=$(awk -v p="$product" -v n="$n" 'BEGIN { printf "%.0f", p * 1e6 / n }')
  ratio_floor[$n]=$(awk -v a="$product" -v b="$floor" 'BEGIN { printf "%.2f", a / b }')
  ratio_find[$n]=$(awk -v a="$product" -v b="$other" 'BEGIN { printf "%.2f", a / b }')
  bytes[$n]=$(value bytes_per_name "$m")
  printf '%-9s %8s %11s %9s %11s %8s %8s %9s %10s\n' "$n" "$(value names "$t")" "$product" "$floor" "$other" \
    "${ratio_floor[$n]}" "${ratio_find[$n]}" "${per_entry[$n]}" "${bytes[$n]}"
done

if [ -z "${DISPLAY:-}" ]; then source scripts/xvfb.sh; start_xvfb; fi

# End to end at the largest size: a real drop on the Linux window, timed up
# to the 成功 box.
largest=${sizes##* }
drop_ratio=
if [ "$largest" = 1000000 ]; then
  cmake --build --preset linux --target jpgnames qt_drag_source >/dev/null
  d=$(python3 bench/drop_to_box.py build/linux "$data/$largest" 5)
  drop_ratio=$(value x_floor "$d")
  echo "drop to box, $largest entries: $(value drop_to_box_ms "$d") ms, floor $(value floor_ms "$d") ms, x_floor $drop_ratio"
fi

# The Windows build under Wine (64-bit where the kernel runs no 32-bit code).
source tests/wine/env.sh
preset=windows; can_run_32bit || preset=windows-x64
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target extraction_bench >/dev/null
"$bench" make "$data/$wine_size" "$wine_size"
w=$(tests/wine/run.sh "build/$preset/extraction_bench.exe" time "Z:${data//\//\\}\\$wine_size" "$runs" | tr -d '\r')
wine_ratio=$(awk -v a="$(value product_ms "$w")" -v b="$(value floor_ms "$w")" 'BEGIN { printf "%.2f", a / b }')
echo "wine ($preset), $wine_size entries: product $(value product_ms "$w") ms, FindFirstFileW loop $(value floor_ms "$w") ms, x_floor $wine_ratio, names $(value names "$w")"

verdict() { if awk "BEGIN { exit !($2) }"; then echo "met:    $1"; else echo "missed: $1"; fi; }
if [ -n "${per_entry[1000000]:-}" ]; then
  verdict "Linux 1,000,000: product <= 2.0 x floor (${ratio_floor[1000000]})" "${ratio_floor[1000000]} <= 2.0"
  verdict "Linux 1,000,000: product <= 1.5 x floor (${ratio_floor[1000000]})" "${ratio_floor[1000000]} <= 1.5"
  verdict "Linux 1,000,000: drop to box <= 2.0 x floor ($drop_ratio)" "$drop_ratio <= 2.0"
  verdict "Linux 1,000,000: product <= 0.5 x find|sort (${ratio_find[1000000]})" "${ratio_find[1000000]} <= 0.5"
  verdict "growth: ns/entry at 1,000,000 <= 1.5 x at 10,000 (${per_entry[1000000]} vs ${per_entry[10000]})" \
    "${per_entry[1000000]} <= 1.5 * ${per_entry[10000]}"
  verdict "memory at 1,000,000: <= 80 bytes per name (${bytes[1000000]})" "${bytes[1000000]} <= 80"
  verdict "Wine 100,000: product <= 1.3 x FindFirstFileW loop ($wine_ratio)" "$wine_ratio <= 1.3"
fi
