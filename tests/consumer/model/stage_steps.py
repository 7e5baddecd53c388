#!/usr/bin/python3
"""Independent step-by-step integration of a small two-zone model input, with and without sinks.

Written from the model's equations, not from the program: the derivative of each node takes
its flows in flow order (+ rate C(from) / V in, - rate C(n) / V out), then its sources (E / V,
in file order), then its sinks; classical fourth-order Runge-Kutta with k1 at t, k2 and k3 at
t + h/2 and k4 at the step's end, time being t0 + n h with n the step number and the last step
ending at the end time; then saturation. Python floats are IEEE doubles and every expression
is written in the same order, so the program must agree to the last bit.

Prints, for each case and end time, the concentrations of nodes 0 to 2, the condensed masses and the sink
loadings after the run, each as repr() (17 significant digits).
"""
import math

STEP = 1.0 / 8640
PAIRS = [(0, 1), (1, 0), (0, 2), (2, 0), (1, 2), (2, 1)]

COMMON = {
    "volumes": [1e60, float("36"), float("456")],
    "initial": [float("0"), float("0"), float("0")],
    "flows": [float(v) for v in "388.8 388.8 4924.8 4924.8 2568.24 2568.24".split()],
    # (kind, zone, values) as on the EMISSIONRATE lines.
    "sources": [
        ("INCREMENTAL", 1, [float(v) for v in "0.375 3750 0.485938 0.0002".split()] + [0.0]),
        ("CONSTANT", 2, [float(v) for v in "0.3752 40 0.0003".split()]),
        ("EXPONENTIAL", 1, [float(v) for v in "0.375 100 12 0.001".split()]),
        ("DATAENTRY", 2, [(float("0.3753"), float("20")), (float("0.3755"), float("5"))]),
    ],
    "start": float("0.375"),
}
# One shortened step, a full and a shortened one, 77 full and a shortened one.
END_TIMES = ["0.3751", "0.3752", "0.384"]

CASES = [
    ("flows and sources", dict(COMMON, sinks=[], csat=1e300)),
    # (kind, zone, first, second, area)
    ("sinks and saturation",
     dict(COMMON, sinks=[("FIRSTORDER", 2, 3.5, 0.0, 0.0), ("LANGMUIR", 1, 2.0, 1.0, 0.5)],
          csat=float("0.0002"))),
]


def rate(kind, values, t):
    if kind == "DATAENTRY":
        e = 0.0
        for time, r in values:
            if time > t:
                break
            e = r
        return e
    if kind == "CONSTANT":
        start, r, duration = values
        return r if start <= t < start + duration else 0.0
    if kind == "EXPONENTIAL":
        start, initial, k, window = values
        return initial * math.exp(-k * (t - start)) if start <= t < start + window else 0.0
    start, mass, k, duration, window = values
    active = start <= t < start + window or start <= t < start + duration
    after = not active and start <= t
    if not (active or after):
        return 0.0
    e = mass / duration * (1 - math.exp(-k * (t - start)))
    if after:
        e -= mass / duration * (1 - math.exp(-k * (t - start - duration)))
    return e


def derivatives(case, t, c, loads):
    v = case["volumes"]
    d = []
    dl = [0.0] * len(case["sinks"])
    for n in range(3):
        dn = 0.0
        for i, (frm, to) in enumerate(PAIRS):
            r = case["flows"][i] * 1.0
            if to == n:
                dn += r * c[frm] / v[n]
            if frm == n:
                dn -= r * c[n] / v[n]
        for kind, zone, values in case["sources"]:
            if zone == n:
                dn += rate(kind, values, t) * 1.0 / v[n]
        for i, (kind, zone, first, second, area) in enumerate(case["sinks"]):
            if zone != n:
                continue
            if kind == "FIRSTORDER":
                dn -= first * 1.0 * c[n] / v[n]
            else:
                ka, kd = first * 1.0, second * 1.0
                dn += -ka * area * c[n] / v[n] + kd * area * loads[i] / v[n]
                dl[i] = ka * area * c[n] - kd * area * loads[i]
        d.append(dn)
    return d, dl


def saturate(case, c, condensed):
    csat = case["csat"]
    for n in range(3):
        v = case["volumes"][n]
        if c[n] > csat:
            condensed[n] += (c[n] - csat) * v
            c[n] = csat
        elif condensed[n] > 0:
            room = (csat - c[n]) * v
            if room < condensed[n]:
                condensed[n] -= room
                c[n] = csat
            else:
                c[n] += condensed[n] / v
                condensed[n] = 0


def run(case, end):
    c = list(case["initial"])
    condensed = [0.0] * 3
    loads = [0.0] * len(case["sinks"])
    t0 = case["start"]
    step = 0
    while True:
        t = t0 + step * STEP
        if not t < end:
            break
        nxt = t0 + (step + 1) * STEP
        last = not nxt < end
        h = end - t if last else STEP
        t_end = end if last else nxt
        k1, l1 = derivatives(case, t, c, loads)
        k2, l2 = derivatives(case, t + h / 2, [c[n] + h / 2 * k1[n] for n in range(3)], loads)
        k3, l3 = derivatives(case, t + h / 2, [c[n] + h / 2 * k2[n] for n in range(3)], loads)
        k4, l4 = derivatives(case, t_end, [c[n] + h * k3[n] for n in range(3)], loads)
        c = [c[n] + h / 6 * (k1[n] + 2 * k2[n] + 2 * k3[n] + k4[n]) for n in range(3)]
        for i, sink in enumerate(case["sinks"]):
            if sink[0] == "LANGMUIR":
                loads[i] += h / 6 * (l1[i] + 2 * l2[i] + 2 * l3[i] + l4[i])
        saturate(case, c, condensed)
        step += 1
    return step, c, condensed, loads


def main():
    for name, case in CASES:
        for end in END_TIMES:
            steps, c, condensed, loads = run(case, float(end))
            print(name, "to", end, "after", steps, "steps")
            print("  concentrations", ", ".join(repr(x) for x in c))
            print("  condensed", ", ".join(repr(x) for x in condensed))
            print("  loadings", ", ".join(repr(x) for x in loads))


if __name__ == "__main__":
    main()
