#!/usr/bin/env python3
"""Checks `tarvex-engine frame3d` against the box of the 3D graph written out
here (pi as 3.141592, int() truncation) for several picture heights in both
styles, and prints where the four sample points of the flat 2.5 picture lie.
Usage: frame_check.py ENGINE"""
import math
import subprocess
import sys

PI = 3.141592
COLUMN, ROW, UP = 24 * PI / 180, 156 * PI / 180, 90 * PI / 180


def box(style, height):
    tall = height > 200
    f = (0.59 if tall else 0.55) if style == "contour" else (0.52 if tall else 0.48)
    L = float(int(f * 319))
    H = float(int((0.65 if tall else 0.6) * -240))
    k = 1.0 if style == "contour" else 1 + 1 / 7
    return L, H, k


def corners(style, height):
    L, H, k = box(style, height)
    o = (0.0, -23.0)
    a = (o[0] + k * L * math.cos(COLUMN), o[1] + k * L * math.sin(COLUMN))
    b = (o[0] + k * L * math.cos(ROW), o[1] + k * L * math.sin(ROW))
    c = (a[0] + b[0] - o[0], a[1] + b[1] - o[1])
    up = lambda p: (p[0] + H * math.cos(UP), p[1] + H * math.sin(UP))
    points = [("O", o), ("A", a), ("B", b), ("C", c), ("O'", up(o)), ("A'", up(a)), ("B'", up(b))]
    return ["%s (%d,%d)" % (n, int(p[0]), int(p[1])) for n, p in points]


def project(L, H, p, q, t):
    x = q * L * math.cos(COLUMN) + p * L * math.cos(ROW) + t * H * math.cos(UP)
    y = q * L * math.sin(COLUMN) + p * L * math.sin(ROW) + t * H * math.sin(UP) - 23
    return x, y


def main():
    engine = sys.argv[1]
    bad = 0
    for style in ("bars", "contour"):
        for height in (150, 200, 201, 480, 1000):
            got = subprocess.run([engine, "frame3d", style, str(height)], capture_output=True,
                                 text=True, check=True).stdout.split("\n")[:7]
            want = corners(style, height)
            if got != want:
                bad += 1
                print(style, height, "engine", got, "formulas", want)
    # The flat 2.5 picture (640 x 480, axis 1.25 to 3.75, t = 0.5): device = logical + (320, 240).
    L, H, _ = box("bars", 480)
    w = 1 / 7
    front = project(L, H, 1 + w, 1 + w / 2, 0.25)  # the row face of the front bar
    side = project(L, H, 1 + w / 2, 1 + w, 0.25)   # its column face
    print("front face near (%d,%d), side face near (%d,%d)"
          % (front[0] + 320, front[1] + 240, side[0] + 320, side[1] + 240))
    print("%d of 10 boxes differ" % bad)
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
