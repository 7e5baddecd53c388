#!/usr/bin/env bash
# The dilution runs over a full-size generated region (13,000 facilities, 60,000 reaches,
# 3,000 gaging stations, over 12,000 of the facilities treatment works): one site run by each
# method, and a run over the largest industry category (over 12,000 facilities) for three
# concentrations of concern with one walk of the facility table; and a down-the-drain run with
# the treatment works' category on a whole program folder holding the full-size tables.
# Figures "dilution.<figure>".
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${OMBRIX_BENCH_BUILD:?set by bench/run.sh}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

/usr/bin/python3 "$root/tools/regiongen/regiongen.py" --size full --out "$work/csv" >&2
region="$work/program"
mkdir -p "$region"
for sub in duriviz rscan pdm kiv endanger; do
  cp -r "$build/program/$sub" "$region/"
done
make_table() {  # <source base name> <table path in the region>
  "$build/tools/dbfmake/dbfmake" --schema "$root/data/tables/$1.schema" --csv "$work/csv/$1.csv" \
    --out "$region/$2" >&2
}
make_table sids2004 duriviz/sids2004.dbf
make_table reach rscan/reach.dbf
make_table actflow pdm/actflow.dbf
make_table coef pdm/coef.dbf

out=$(OMBRIX_PDM_REGION="$region" "$build/bench/dilution_bench" --benchmark_format=json)
echo "$out" | /usr/bin/python3 -c '
import json, sys
report = json.loads(sys.stdin.read())
for b in report["benchmarks"]:
    if b.get("error_occurred"):
        print("dilution.%s_error 1 flag" % b["name"].split("/")[0])
        continue
    if b["name"].startswith("BM_SiteRunAnalytic"):
        print("dilution.site_run_analytic %.2f us" % b["real_time"])
    elif b["name"].startswith("BM_SiteRunEmpirical"):
        print("dilution.site_run_empirical %.2f us" % b["real_time"])
    elif b["name"].startswith("BM_CategoryRun"):
        seconds = b["real_time"] / 1000.0
        count = b["facilities"]
        print("dilution.category_run_largest %.3f s" % seconds)
        print("dilution.category_run_facilities %d facilities" % count)
        print("dilution.category_run_category %d number" % b["category"])
        print("dilution.category_run_per_facility %.2f us" % (seconds / count * 1e6))
'

# The down-the-drain run: the shipped program folder with the region's full-size tables.
full="$work/full"
mkdir -p "$full"
cp -r "$build/program/." "$full/"
for table in duriviz/sids2004.dbf rscan/reach.dbf pdm/actflow.dbf pdm/coef.dbf; do
  cp "$region/$table" "$full/$table"
done
QT_QPA_PLATFORM=offscreen "$build/bench/disposal_bench" "$full"
