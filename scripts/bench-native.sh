#!/usr/bin/env bash
# Builds the benchmarks (preset `bench`) and runs core_bench, then prints each
# step's speed as a share of a plain memory copy of the same bytes.
#   scripts/bench-native.sh [extra core_bench arguments]
#   SY_BENCH_DIR=build/mine scripts/bench-native.sh     # another build directory
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
dir=${SY_BENCH_DIR:-build/bench}

cmake --preset bench -B "$dir" >/dev/null
cmake --build "$dir" -j"$(nproc 2>/dev/null || echo 2)" --target core_bench

csv=$(mktemp)
trap 'rm -f "$csv"' EXIT
"$dir/bench/core_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_out="$csv" --benchmark_out_format=csv "$@"

echo
echo "Median throughput as a share of memcpy (the target is at least 0.50):"
awk -F, '
  /_median"?,/ && $6 != "" {
    name = $1; gsub(/"/, "", name); sub(/_median$/, "", name)
    split(name, part, "/"); step = part[1]; size = part[2]
    speed[step, size] = $6; steps[step] = 1; sizes[size] = 1
  }
  END {
    for (step in steps) {
      if (step == "memcpy_bench") continue
      for (size in sizes) {
        if (!((step, size) in speed) || !(("memcpy_bench", size) in speed)) continue
        printf "  %-28s %3s MB  %8.2f GB/s  %5.2f x memcpy\n", step, size,
          speed[step, size] / 1e9, speed[step, size] / speed["memcpy_bench", size]
      }
    }
  }' "$csv" | sort
