#!/usr/bin/env python3
"""Remakes fuzz/corpus/png and fuzz/corpus/inflate: small PNG files of all 15
colour type and depth pairs, plain and Adam7, with ancillary chunks, made with
python's zlib; and zlib streams of each block kind."""
import os, struct, zlib, random

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
PNG = os.path.join(ROOT, "fuzz/corpus/png")
INF = os.path.join(ROOT, "fuzz/corpus/inflate")

def chunk(t, d):
    return struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d) & 0xFFFFFFFF)

ADAM7 = [(0, 8, 0, 8), (0, 8, 4, 8), (4, 8, 0, 4), (0, 4, 2, 4), (2, 4, 0, 2), (0, 2, 1, 2), (1, 2, 0, 1)]
PAIRS = [(0, 1), (0, 2), (0, 4), (0, 8), (0, 16), (2, 8), (2, 16), (3, 1), (3, 2), (3, 4), (3, 8),
         (4, 8), (4, 16), (6, 8), (6, 16)]
CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}

def png(ct, depth, interlace, w=19, h=6, rnd=random.Random(1)):
    bpp = depth * CHANNELS[ct]
    def row(n):
        bits = "".join(format(rnd.randrange(1 << depth), "0%db" % depth) for _ in range(n * CHANNELS[ct]))
        bits += "0" * (-len(bits) % 8)
        return bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8))
    raw = b""
    passes = ADAM7 if interlace else [(0, 1, 0, 1)]
    for fr, rs, fc, cs in passes:
        pw = (w - fc + cs - 1) // cs if w > fc else 0
        if pw == 0:
            continue
        for y in range(fr, h, rs):
            raw += bytes([rnd.randrange(5)]) + row(pw)
    out = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, depth, ct, 0, 0, interlace))
    out += chunk(b"gAMA", struct.pack(">I", 45455)) + chunk(b"tEXt", b"Title\0abc")
    if ct == 3:
        out += chunk(b"PLTE", bytes(rnd.randrange(256) for _ in range(3 * (1 << depth))))
        out += chunk(b"tRNS", b"\xff\x80\x00")
    out += chunk(b"pHYs", struct.pack(">IIB", 2835, 2835, 1)) + chunk(b"prIv", b"x")
    z = zlib.compress(raw, 6)
    out += chunk(b"IDAT", z[:len(z) // 2]) + chunk(b"IDAT", z[len(z) // 2:])
    return out + chunk(b"oFFs", struct.pack(">IIB", 1, 2, 0)) + chunk(b"IEND", b"")

os.makedirs(PNG, exist_ok=True)
os.makedirs(INF, exist_ok=True)
for ct, depth in PAIRS:
    for il in (0, 1):
        open(os.path.join(PNG, "ct%d_d%d_i%d.png" % (ct, depth, il)), "wb").write(png(ct, depth, il))
data = bytes(random.Random(2).randrange(256) for _ in range(300))
text = b"abcabcabd " * 60
for name, level, payload in [("stored", 0, data), ("fixed", 6, b"hello hello hello"),
                             ("dynamic", 9, text), ("empty", 6, b"")]:
    open(os.path.join(INF, name + ".z"), "wb").write(zlib.compress(payload, level))
