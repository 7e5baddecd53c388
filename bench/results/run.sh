#!/usr/bin/env bash
# A full results run over a chemical with 100 releases (river sites with their dilution runs,
# lakes, industry codes with their dilution runs, landfill and air releases) on a copy of the
# program folder, WordPerfect format, report parts and assembly included: figure
# "results.full_run_100_releases", the median of five runs. Then the shipped demonstration case
# (river, landfill and stack releases) from the results form's activation to the last page shown,
# once per report format: "results.run_three_releases_wpd" and "results.run_three_releases_doc",
# each the median of nine runs on a fresh copy.
set -euo pipefail
build="${OMBRIX_BENCH_BUILD:?set by bench/run.sh}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fresh_copy() {
  rm -rf "$work/program"
  mkdir -p "$work/program"
  cp -r "$build/program/." "$work/program/"
}
fresh_copy
QT_QPA_PLATFORM=offscreen "$build/bench/results_bench" "$work/program"
for format in wpd doc; do
  fresh_copy
  QT_QPA_PLATFORM=offscreen "$build/bench/results_demo_bench" "$work/program" "$format"
done
