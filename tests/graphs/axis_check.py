#!/usr/bin/env python3
"""Checks `tarvex-engine axis` against the axis steps written out here, with
the step multiples unbounded, on random ranges of both signs from 1e-6 to 1e12
(narrow ones included).  Usage: axis_check.py ENGINE [COUNT] [SEED]"""
import math
import random
import subprocess
import sys

TABLE = [1.0, 2.0, 5.0, 10.0]


def int_power(base, exponent):
    exponent = max(-16, min(16, exponent))
    if exponent < 0:
        base, exponent = 1.0 / base, -exponent
    result = 1.0
    while exponent:
        if exponent & 1:
            result *= base
        exponent >>= 1
        base *= base
    return result


def axis(lo, hi, wanted):
    lo = max(-1e16, min(1e16, lo))
    hi = max(-1e16, min(1e16, hi))
    if lo > hi:
        lo, hi = hi, lo
    if lo == hi:
        if lo == 0:
            return -1.0, 1.0, 2
        return (0.5 * lo, 1.5 * lo, 2) if hi > 0 else (1.5 * lo, 0.5 * lo, 2)
    if hi - lo < 0.05:
        lo = 0.0 if 0 < lo < 0.05 else lo - 0.05
    n = max(2, wanted)
    rough = (hi - lo) / n
    e = max(-16, min(16, math.floor(math.log10(abs(rough)))))
    decade = int_power(10.0, e)
    if rough >= decade * 10:
        decade *= 10
    index, step = 0, decade
    while rough > math.sqrt(TABLE[index] * TABLE[index + 1]) * decade:
        index += 1
        if index >= 3:
            index, decade = 0, decade * 10
        step = TABLE[index] * decade
    low = math.floor(lo / step)
    if lo >= (low + 1) * step:
        low += 1
    high = math.ceil(hi / step)
    if (high - 1) * step >= hi:
        high -= 1
    return low * step, high * step, high - low


def main():
    engine = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 10000
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 7)
    bad = 0
    for _ in range(count):
        magnitude = 10 ** rng.uniform(-6, 12)
        a = rng.choice([-1, 1]) * magnitude * rng.random()
        width = magnitude * 10 ** rng.uniform(-9, 0.5) if rng.random() < 0.4 else magnitude * rng.random()
        b = a + rng.choice([-1, 1]) * width
        a, b = float("%.9g" % a), float("%.9g" % b)
        want = axis(a, b, 5)
        got = subprocess.run([engine, "axis", repr(a), repr(b), "5"], capture_output=True,
                             text=True, check=True).stdout.split()
        expect = ["%.6g" % want[0], "%.6g" % want[1], str(want[2])]
        if got != expect:
            bad += 1
            print("axis %r %r 5: engine %s, steps %s" % (a, b, " ".join(got), " ".join(expect)))
    print("%d of %d ranges differ" % (bad, count))
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
