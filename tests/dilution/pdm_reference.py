#!/usr/bin/python3
"""Independent reference values for the dilution model tests, computed with numpy and scipy.

  quadrature            the 32 points and weights on (0, 1), one "p w" line each
  exceedance A B mean low plant plantCv concCv load coc [A B ...]
                        the fraction of time above coc, with exact normal functions, one
                        line per group of nine values
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


def exceedance(a, b, mean, low, plant, plant_cv, conc_cv, load, coc):
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
        r = math.exp(norm.ppf(p) * ratio_sigma + ratio_mu)
        y = (math.log(scaled) + math.log(1 + r) - conc_mu) / conc_sigma
        total += w * norm.sf(y)
    return total


def main():
    if sys.argv[1] == "quadrature":
        for p, w in quadrature():
            print(repr(float(p)), repr(float(w)))
    elif sys.argv[1] == "exceedance":
        values = [float(v) for v in sys.argv[2:]]
        for start in range(0, len(values) - 8, 9):
            print(repr(exceedance(*values[start:start + 9])))


main()
