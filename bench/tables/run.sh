#!/usr/bin/env bash
# Table layer figures: scan, seek, index build and edit speed, against the raw bytes of the file
# and against dbfread reading the same table. Prints "name value unit" lines.
set -euo pipefail
build="${OMBRIX_BENCH_BUILD:?OMBRIX_BENCH_BUILD names the release build}"
here="$(cd "$(dirname "$0")" && pwd)"
work="$build/bench/tables/data"
mkdir -p "$work"
rm -f "$work/tables_bench.dbf"
export TABLES_BENCH_DIR="$work"
# The table is made by a first run, so the timed run starts as a reader would.
"$build/bench/tables/tables_bench" --benchmark_filter=NONE >/dev/null 2>&1
"$build/bench/tables/tables_bench" --benchmark_repetitions=5 --benchmark_format=json --benchmark_out="$work/results.json" \
  --benchmark_out_format=json >/dev/null
/usr/bin/python3 "$here/figures.py" "$work/results.json" "$work/tables_bench.dbf"
