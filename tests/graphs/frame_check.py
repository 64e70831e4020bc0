#!/usr/bin/env python3
"""Checks `tarvex-engine frame3d` against the box of the 3D graph written out
here (pi as 3.141592, int() truncation) for several picture heights in both
styles, and the colours of the flat 2.5 picture at the walls and at the two
faces of the front bar, whose places the projection gives.
Usage: frame_check.py ENGINE"""
import math
import os
import subprocess
import sys
import tempfile

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
    points = [(406, 114), (233, 114), (309, 326), (330, 326)]
    want = {"": [(0, 255, 255), (0, 191, 191), (181, 0, 181), (255, 0, 255)],
            "--grey": [(240, 240, 240), (178, 178, 178), (97, 97, 97), (145, 145, 145)]}
    with tempfile.TemporaryDirectory() as folder:
        for option, colours in want.items():
            out = os.path.join(folder, "flat.ppm")
            args = [engine, "graph3d", "ph", "--code", "0", "--flat", "2.5", "--size", "640x480",
                    "--black", "--out", out] + ([option] if option else [])
            said = subprocess.run(args, capture_output=True, text=True, check=True).stdout
            if "valueaxis 1.25 3.75 2" not in said:
                bad += 1
                print("graph3d", option, "said", said)
            seen = [pixel(out, x, y) for x, y in points]
            if seen != colours:
                bad += 1
                print("flat 2.5", option or "colour", "at", points, "shows", seen, "not", colours)
    return 1 if bad else 0


def pixel(path, x, y):
    """The colour at (x, y) of a binary PPM of depth 255."""
    with open(path, "rb") as f:
        data = f.read()
    fields, at = [], 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        start = at
        while not data[at:at + 1].isspace():
            at += 1
        fields.append(data[start:at])
    width = int(fields[1])
    at += 1 + 3 * (y * width + x)
    return tuple(data[at:at + 3])


if __name__ == "__main__":
    sys.exit(main())
