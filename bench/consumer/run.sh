#!/usr/bin/env bash
# One full inhalation run of the consumer model, and the allocations of its time loop.
set -euo pipefail
build="${OMBRIX_BENCH_BUILD:?set by bench/run.sh}"
out=$("$build/bench/consumer_bench" --benchmark_format=json 2>/dev/null)
echo "$out" | /usr/bin/python3 -c '
import json, sys
text = sys.stdin.read()
start = text.index("{")
depth = 0
for i, ch in enumerate(text[start:], start):
    depth += ch == "{"
    depth -= ch == "}"
    if depth == 0:
        break
report = json.loads(text[start:i + 1])
for b in report["benchmarks"]:
    if b["name"].startswith("FullInhalationRun"):
        if b.get("error_occurred"):
            print("consumer_full_inhalation_run_error 1 flag")
        else:
            print("consumer_full_inhalation_run %.3f ms" % b["real_time"])
print(text[i + 1:].strip())
'
