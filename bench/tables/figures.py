"""Turns the benchmark results into "name value unit" lines, timing dbfread on the same file."""
import json
import sys
import time

import dbfread


def dbfread_scan_ms(path):
    best = None
    for _ in range(3):
        start = time.perf_counter()
        total = 0
        for record in dbfread.DBF(path, load=False):
            total += len(record["KEY"]) + len(record["CITY"])
            total += record["AMOUNT"] or 0
        elapsed = (time.perf_counter() - start) * 1000
        best = elapsed if best is None else min(best, elapsed)
    return best


def main():
    results, table = sys.argv[1], sys.argv[2]
    # The machine may be shared: each figure is the best of its repetitions.
    best = {}
    with open(results) as f:
        for run in json.load(f)["benchmarks"]:
            if run.get("run_type", "iteration") != "iteration":
                continue
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[run["time_unit"]]
            name = run["name"].split("/")[0]
            value = run["real_time"] * scale
            best[name] = min(best.get(name, value), value)

    def ms(name):
        return best[name]

    scan = ms("BM_ScanThreeFields")
    raw = ms("BM_ReadFileBytes")
    theirs = dbfread_scan_ms(table)
    print(f"tables.scan_100k_rows {scan:.2f} ms")
    print(f"tables.read_file_bytes {raw:.2f} ms")
    print(f"tables.scan_vs_file_bytes {scan / raw:.2f} x")
    print(f"tables.dbfread_scan_100k_rows {theirs:.0f} ms")
    print(f"tables.scan_speedup_vs_dbfread {theirs / scan:.1f} x")
    print(f"tables.nearest_seek {ms('BM_NearestSeeks') * 1000 / 10000:.2f} us")
    print(f"tables.index_build_100k {ms('BM_BuildIndex'):.2f} ms")
    print(f"tables.seek_after_post {ms('BM_SeekAfterPost') * 1000:.2f} us")
    print(f"tables.edit_post_cycle {ms('BM_EditPost') * 1000 / 1000:.1f} us")


main()
