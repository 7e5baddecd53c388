#!/usr/bin/env bash
# Builds the release tree with the benchmarks and runs every bench/<name>/run.sh.
# Standard output holds only figure lines, "area.figure value unit" (e.g.
# "consumer.full_inhalation_run 24.1 ms"); set-up and build output goes to standard error.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh >&2
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DOMBRIX_TESTS=OFF -DOMBRIX_BENCH=ON >&2
cmake --build build-bench >&2
export OMBRIX_BENCH_BUILD="$PWD/build-bench"
for script in bench/*/run.sh; do
  [ -f "$script" ] || continue
  bash "$script"
done
