#!/usr/bin/python3
"""Independent reference values for the dilution model tests, computed with numpy and scipy.

  quadrature            the 32 points and weights on (0, 1), one "p w" line each
  exceedance A B mean low plant plantCv concCv load coc [A B ...]
                        the fraction of time above coc, with exact normal functions, one
                        line per group of nine values
  exceedance-approx A B ...
                        the same with the model's own normal approximations written out
                        here (rational inverse, polynomial distribution function), so that
                        the engine must match to rounding
  demo-site FOLDER LOAD COC
                        over the tables of a program folder: a river facility without a
                        gaging station ("analytic NPDES fraction") and one with a station
                        ("empirical NPDES fraction", station at offset 0)
  demo-category FOLDER CATEGORY LOAD COC
                        the usable facilities of a category (line 1, sorted) and their
                        average and high-end fractions (line 2)
"""
import math
import sys

import numpy as np
from scipy.stats import norm


def quadrature():
    x, w = np.polynomial.legendre.leggauss(16)
    pos = sorted([(xi, wi) for xi, wi in zip(x, w) if xi > 0], key=lambda a: -a[0])
    points = [((1 - xi) / 2, wi / 4) for xi, wi in pos]
    points += [((1 + xi) / 2, wi / 4) for xi, wi in pos]
    t, v = np.polynomial.laguerre.laggauss(16)
    points += [(math.exp(-ti), vi / 2) for ti, vi in sorted(zip(t, v), key=lambda a: -a[0])]
    return points


# The model's own approximations of the normal quantile and distribution function.
INV_A = [-39.69683028665376, 220.9460984245205, -275.9285104469687, 138.357751867269,
         -30.66479806614716, 2.506628277459239]
INV_B = [-54.47609879822406, 161.5858368580409, -155.6989798598866, 66.80131188771972,
         -13.28068155288572]
INV_C = [-0.007784894002430293, -0.3223964580411365, -2.400758277161838, -2.549732539343734,
         4.374664141464968, 2.938163982698783]
INV_D = [0.007784695709041462, 0.3224671290700398, 2.445134137142996, 3.754408661907416]


def horner(coefficients, x):
    value = coefficients[0]
    for c in coefficients[1:]:
        value = value * x + c
    return value


def inverse_normal_approx(p):
    if p < 0.02425:
        q = math.sqrt(-2 * math.log(p))
        return horner(INV_C, q) / (horner(INV_D, q) * q + 1)
    if p <= 1 - 0.02425:
        q = p - 0.5
        r = q * q
        return horner(INV_A, r) * q / (horner(INV_B, r) * r + 1)
    q = math.sqrt(-2 * math.log(1 - p))
    return -horner(INV_C, q) / (horner(INV_D, q) * q + 1)


def upper_tail_approx(y):
    if y > 6:
        return 0.0
    if y < -6:
        return 1.0
    k = 1 / (1 + 0.2316419 * abs(y))
    phi = 0.3989423 * math.exp(-y * y / 2)
    p = 1 - phi * horner([1.330274429, -1.821255978, 1.781477937, -0.356563782, 0.31938153], k) * k
    return 1 - (1 - p if y < 0 else p)


def exceedance(a, b, mean, low, plant, plant_cv, conc_cv, load, coc, approx=False):
    mean = max(mean, plant)
    low = max(low, plant)
    stream_cv = math.exp(a - b * low / mean)
    ratio = mean / plant if mean == plant else (mean - plant) / plant
    conc_mu = math.log((1 + low / plant) / math.sqrt(1 + conc_cv ** 2))
    conc_sigma = math.sqrt(math.log(1 + conc_cv ** 2))
    ratio_mu = math.log(ratio) + 0.5 * math.log(1 + plant_cv ** 2) - 0.5 * math.log(1 + stream_cv ** 2)
    ratio_sigma = math.sqrt(math.log(1 + stream_cv ** 2) + math.log(1 + plant_cv ** 2))
    scaled = coc * low / (load * 1000)
    total = 0.0
    for p, w in quadrature():
        z = inverse_normal_approx(p) if approx else norm.ppf(p)
        r = math.exp(z * ratio_sigma + ratio_mu)
        y = (math.log(scaled) + math.log(1 + r) - conc_mu) / conc_sigma
        total += w * (upper_tail_approx(y) if approx else norm.sf(y))
    return total


# Coefficient rows per region: (subregion count, row before the region's first row).
COEF_ROWS = [(11, 0), (8, 12), (18, 21), (15, 40), (14, 56), (4, 71), (14, 76), (9, 91),
             (3, 101), (30, 105), (14, 136), (11, 151), (7, 163), (8, 171), (8, 180), (6, 189),
             (12, 196), (10, 208)]
NO_FLOW_WATER_BODIES = "CGILN"
CATEGORY_RANGES = {
    1: [(2891, 2891)],
    13: [(3411, 3462), (3465, 3471), (3482, 3599), (3613, 3623), (3629, 3629), (3634, 3636),
         (3643, 3651), (3661, 3671), (3673, 3673), (3676, 3678), (3693, 3694), (3699, 3699),
         (3711, 3841), (3851, 3851), (3873, 3999)],
    25: [(4952, 4952)],
    32: [(2250, 2292)],
}


def read_region(folder):
    import dbfread
    facilities = list(dbfread.DBF(folder + "/duriviz/sids2004.dbf"))
    reaches = {r["REACH"]: r for r in dbfread.DBF(folder + "/rscan/reach.dbf")}
    stations = {}
    for row in dbfread.DBF(folder + "/pdm/actflow.dbf"):
        stations.setdefault(row["REACH"], []).append(row)
    coef = list(dbfread.DBF(folder + "/pdm/coef.dbf"))
    return facilities, reaches, stations, coef


def coefficients(coef, reach):
    region, subregion = int(reach[0:2]), int(reach[2:4])
    region = min(max(region, 1), 18)
    subregion = min(max(subregion, 1), 30)
    count, first = COEF_ROWS[region - 1]
    if subregion > count or (region == 18 and subregion in (9, 10)) or (region == 17 and subregion == 12):
        subregion = 0
    row = coef[first + subregion]
    return row["A"], row["B"]


def reach_flows(reaches, facility):
    reach = reaches.get(facility["REACH"])
    mean, low = (reach["MEAN_FLOW"], reach["LOW_FLOW"]) if reach else (0, 0)
    if mean == 0 and low == 0 and facility["ROUTLINK"].strip():
        routed = reaches.get(facility["ROUTLINK"].strip())
        mean, low = (routed["MEAN_FLOW"], routed["LOW_FLOW"]) if routed else (0, 0)
    return mean or 0, low or 0


def demo_site(folder, load, coc):
    facilities, reaches, stations, coef = read_region(folder)
    analytic = empirical = None
    for f in sorted(facilities, key=lambda f: f["NPDES"]):
        if len(f["REACH"]) < 11 or f["WB_TYPE"] != "R" or f["ROUTLINK"].strip():
            continue
        mean, low = reach_flows(reaches, f)
        plant = f["PLANTFLOW"] or 0
        on_reach = stations.get(f["REACH"], [])
        if on_reach and on_reach[0]["F99"] and empirical is None:
            flows = [on_reach[0]["F%d" % i] or 1e-15 for i in range(1, 101)]
            empirical = (f["NPDES"], sum(1 for q in flows if load * 1000 / q > coc) * 0.01)
        if not on_reach and analytic is None and 0 < plant < low < mean:
            a, b = coefficients(coef, f["REACH"])
            analytic = (f["NPDES"], exceedance(a, b, mean, low, plant, 0.24, 0.85, load, coc))
    print("analytic", *analytic)
    print("empirical", *empirical)


def demo_category(folder, category, load, coc):
    facilities, reaches, stations, coef = read_region(folder)
    chosen = []
    for f in facilities:
        sic = int(f["SIC"]) if f["SIC"].strip().isdigit() else -1
        if not any(low <= sic <= high for low, high in CATEGORY_RANGES[category]):
            continue
        mean, low = reach_flows(reaches, f)
        usable = (len(f["REACH"]) >= 11 and not (mean == 0 and low == 0)
                  and (f["PLANTFLOW"] or 0) != 0 and f["WB_TYPE"] not in NO_FLOW_WATER_BODIES)
        if usable:
            a, b = coefficients(coef, f["REACH"])
            chosen.append((f["NPDES"], exceedance(a, b, mean, low, f["PLANTFLOW"], 0.24, 0.85, load, coc)))
    fractions = sorted(x for _, x in chosen)
    top = max(1, len(fractions) // 10)
    print(*sorted(n for n, _ in chosen))
    print(repr(sum(fractions) / len(fractions)), repr(sum(fractions[-top:]) / top))


def main():
    if sys.argv[1] == "quadrature":
        for p, w in quadrature():
            print(repr(float(p)), repr(float(w)))
    elif sys.argv[1] in ("exceedance", "exceedance-approx"):
        approx = sys.argv[1] == "exceedance-approx"
        values = [float(v) for v in sys.argv[2:]]
        for start in range(0, len(values) - 8, 9):
            print(repr(exceedance(*values[start:start + 9], approx=approx)))
    elif sys.argv[1] == "demo-site":
        demo_site(sys.argv[2], float(sys.argv[3]), float(sys.argv[4]))
    elif sys.argv[1] == "demo-category":
        demo_category(sys.argv[2], int(sys.argv[3]), float(sys.argv[4]), float(sys.argv[5]))


main()
