#!/usr/bin/env bash
# The stand-in dispersion model on full-meteorology decks (a stack with downwash, a fugitive
# area) and a whole submit of the predictor (eight model runs). Figures "predictor.<figure>".
set -euo pipefail
build="${OMBRIX_BENCH_BUILD:?set by bench/run.sh}"
out=$("$build/bench/predictor_bench" --benchmark_format=json)
echo "$out" | /usr/bin/python3 -c '
import json, sys
report = json.loads(sys.stdin.read())
names = {"BM_ModelFullMetPoint": "model_full_met_point", "BM_ModelFullMetArea": "model_full_met_area",
         "BM_Submit": "submit_eight_runs"}
for b in report["benchmarks"]:
    name = names.get(b["name"].split("/")[0])
    if name is None:
        continue
    if b.get("error_occurred"):
        print("predictor.%s_error 1 flag" % name)
        continue
    print("predictor.%s %.3f ms" % (name, b["real_time"]))
'
