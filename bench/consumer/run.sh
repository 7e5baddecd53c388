#!/usr/bin/env bash
# One full inhalation run of the consumer model, and the allocations of its time loop:
# figures "consumer.<figure>".
set -euo pipefail
build="${OMBRIX_BENCH_BUILD:?set by bench/run.sh}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The benchmark's report goes to a file and its console to standard error; the allocation count
# is its one figure line.
"$build/bench/consumer_bench" --benchmark_out="$work/results.json" --benchmark_out_format=json \
  >"$work/console.txt"
grep -v '^consumer\.' "$work/console.txt" >&2 || true
allocations=$(grep '^consumer\.' "$work/console.txt" || true)
/usr/bin/python3 - "$work/results.json" <<'PY'
import json, sys
with open(sys.argv[1]) as f:
    report = json.load(f)
for b in report["benchmarks"]:
    if b["name"].startswith("FullInhalationRun"):
        if b.get("error_occurred"):
            print("consumer.full_inhalation_run_error 1 flag")
        else:
            print("consumer.full_inhalation_run %.3f ms" % b["real_time"])
PY
echo "${allocations:-consumer.time_loop_allocations_error 1 flag}"
