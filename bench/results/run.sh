#!/usr/bin/env bash
# A full results run over a chemical with 100 releases (river sites with their dilution runs,
# lakes, industry codes with their dilution runs, landfill and air releases) on a copy of the
# program folder, WordPerfect format, report parts and assembly included. Figure
# "results.full_run_100_releases", the median of five runs.
set -euo pipefail
build="${OMBRIX_BENCH_BUILD:?set by bench/run.sh}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$build/program/." "$work/"
QT_QPA_PLATFORM=offscreen "$build/bench/results_bench" "$work"
