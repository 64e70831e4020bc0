#!/usr/bin/env python3
"""Checks `tarvex-engine alk --axes` against the pH-alkalinity steps written out
here in single precision (struct): the anchors chosen by the last pair, the 45
curve points, the data extents and both axes.  The fixed cases are followed
by random curves.  Usage: alk_check.py ENGINE [COUNT] [SEED]"""
import math
import os
import random
import struct
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from axis_check import axis  # noqa: E402


def f32(v):
    return struct.unpack("f", struct.pack("f", v))[0]


PROPORTIONAL = [0.005, 0.01, 0.05, 0.1, 0.15, 0.2, 0.25, 0.4, 0.5, 0.6, 0.75, 1.1]
FIXED = [
    (300, [1, 5, 10, 25, 50, 75, 100, 125, 150, 200, 250, 300]),
    (500, [1, 5, 10, 25, 50, 75, 100, 150, 200, 300, 400, 500]),
    (1000, [1, 10, 50, 100, 150, 200, 300, 400, 500, 750, 850, 1000]),
    (1500, [1, 10, 50, 100, 150, 200, 300, 500, 750, 1000, 1250, 1500]),
    (2000, [1, 20, 100, 200, 300, 400, 500, 750, 900, 1250, 1500, 2000]),
]


def anchors(a):
    a = f32(a)
    if 10 < a <= 2000:
        for top, values in FIXED:
            if a <= top:
                return [float(v) for v in values]
    return [f32(a * f32(k)) for k in PROPORTIONAL]


def samples(anc, k):
    k0, k1, k2, k3 = (f32(v) for v in k)
    points = []
    x = d = 0.0
    for i in range(45):
        if i % 4 == 0:
            x = f32(anc[i // 4])
            if i < 44:
                d = f32((anc[i // 4 + 1] - anc[i // 4]) * 0.25)
        else:
            x = f32(x + d)
        t = f32(f32(k0 + f32(k1 * x)) + f32(k2 / x))
        points.append((x, f32(t + k3 * math.log10(x))))
    return points


def decimal_exponent(v):
    return 0 if v == 0 else math.floor(math.log10(abs(v)))


def ph_axis(lo, hi):
    if lo == hi:
        v = lo
        if v == -14:
            return -14.0, 14.0, 2
        if v == 0:
            return -1.0, 1.0, 2
        return (1.5 * v, 0.5 * v, 2) if v < 0 else (0.5 * v, 1.5 * v, 2)
    low, high, n = axis(lo, hi, 5)
    if abs(high - low) / n < 0.01 or (high != 0 and abs((high - low) / high) < 0.01):
        e = abs(decimal_exponent((high - low) / n)) - 2
        p = math.pow(10.0, e)
        low, high, n = axis(math.floor(p * low) / p, math.ceil(p * high) / p, 2)
    return low, high, n


def expected(pairs, coef):
    anc = anchors(pairs[-1][0])
    pts = samples(anc, coef)
    xs = [p[0] for p in pts] + [f32(a) for a, _ in pairs]
    ys = [p[1] for p in pts] + [f32(p) for _, p in pairs]
    ylo, yhi, yn = ph_axis(min(ys), max(ys))
    xlo, xhi, xn = axis(min(xs), max(xs), 5)
    lines = ["anchors " + " ".join("%.9g" % a for a in anc),
             "phaxis %.9g %.9g %d" % (ylo, yhi, yn),
             "alkaxis %.9g %.9g %d" % (xlo, xhi, min(xn, 9))]
    lines += ["point %d %.9g %.9g" % (i, x, y) for i, (x, y) in enumerate(pts)]
    return lines


def run(engine, pairs, coef):
    text = ",".join("%r:%r" % (a, p) for a, p in pairs)
    got = subprocess.run([engine, "alk", "--pairs", text, "--coef", ",".join(map(repr, coef)),
                          "--axes"], capture_output=True, text=True, check=True).stdout.split("\n")
    want = expected(pairs, coef)
    got = [line for line in got if line][:len(want)]
    if got != want:
        print("alk --pairs %s --coef %s:" % (text, coef))
        for g, w in zip(got, want):
            if g != w:
                print("  engine %s\n  steps  %s" % (g, w))
        return False
    return True


CASES = [
    ([(10, 7.2), (50, 7.9), (300, 8.6)], (4.5, 0, 0, 1.43)),
    ([(50, 7.9), (10, 7.0)], (5.5, 0, 0, 1.43)),
    ([(300, 8.6), (10.5, 7.1)], (5.5, 0, 0, 1.43)),
    ([(100, 8.0), (2500, 9.1)], (4.2, 0, 0, 1.43)),
    ([(100, 7.0)], (7.0, 0, 0, 0)),
    ([(0.3, 5.0), (0.002, 0.1)], (0.005, 0, 0, 0)),
    ([(700, 8.0), (1200, 8.3), (1800, 8.5), (420, 7.9)], (4.0, 0.0001, 2.0, 1.4)),
]


def main():
    engine = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 100
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 11)
    cases = list(CASES)
    for _ in range(count):
        n = rng.randint(1, 10)
        pairs = [(float("%.5g" % (10 ** rng.uniform(-1, 3.6))), float("%.4g" % rng.uniform(0.5, 14)))
                 for _ in range(n)]
        coef = (float("%.5g" % rng.uniform(2, 8)), float("%.3g" % rng.uniform(-0.001, 0.001)),
                float("%.3g" % rng.uniform(-1, 1)), float("%.4g" % rng.uniform(0, 2)))
        cases.append((pairs, coef))
    bad = sum(0 if run(engine, p, c) else 1 for p, c in cases)
    print("%d of %d curves differ" % (bad, len(cases)))
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
