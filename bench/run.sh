#!/usr/bin/env bash
# Builds the release tree with the benchmarks and runs every bench/<name>/run.sh.
# Each prints one line per figure: "name value unit".
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DOMBRIX_TESTS=OFF -DOMBRIX_BENCH=ON >/dev/null
cmake --build build-bench >/dev/null
export OMBRIX_BENCH_BUILD="$PWD/build-bench"
for script in bench/*/run.sh; do
  [ -f "$script" ] || continue
  bash "$script"
done
