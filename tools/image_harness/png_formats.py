#!/usr/bin/env python3
"""png_formats.py OUTDIR: PNG files of all 15 colour type and depth pairs, plain
and Adam7, each with ancillary chunks before and after its image data (and a
tEXt "Title" of "format N"), and beside each the PPM that loading it must give:
high bytes of 16-bit samples, alpha dropped, 1-, 2- and 4-bit grey widened to
0-255, palette indices through the palette.

png_formats.py --check FILE: python's zlib decompresses the joined IDAT data of
FILE to exactly the length of its filtered rows (one filter byte per row of each
pass); prints "ok" or what is wrong and exits 1."""
import os, random, struct, sys, zlib

ADAM7 = [(0, 8, 0, 8), (0, 8, 4, 8), (4, 8, 0, 4), (0, 4, 2, 4), (2, 4, 0, 2), (0, 2, 1, 2), (1, 2, 0, 1)]
PAIRS = [(0, 1), (0, 2), (0, 4), (0, 8), (0, 16), (2, 8), (2, 16), (3, 1), (3, 2), (3, 4), (3, 8),
         (4, 8), (4, 16), (6, 8), (6, 16)]
CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}


def chunk(t, d):
    return struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d) & 0xFFFFFFFF)


def passes(interlace):
    return ADAM7 if interlace else [(0, 1, 0, 1)]


def pack(samples, depth):
    if depth == 16:
        return b"".join(struct.pack(">H", s) for s in samples)
    if depth == 8:
        return bytes(samples)
    bits = "".join(format(s, "0%db" % depth) for s in samples)
    bits += "0" * (-len(bits) % 8)
    return bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8))


def filtered(kind, row, prior, bpp):
    out = bytearray(len(row))
    for i in range(len(row)):
        a = row[i - bpp] if i >= bpp else 0
        b = prior[i]
        c = prior[i - bpp] if i >= bpp else 0
        if kind == 1:
            p = a
        elif kind == 2:
            p = b
        elif kind == 3:
            p = (a + b) // 2
        elif kind == 4:
            q = a + b - c
            pa, pb, pc = abs(q - a), abs(q - b), abs(q - c)
            p = a if pa <= pb and pa <= pc else b if pb <= pc else c
        else:
            p = 0
        out[i] = (row[i] - p) & 255
    return bytes(out)


def make(ct, depth, interlace, w, h, rnd):
    n = CHANNELS[ct]
    top = (1 << depth) - 1
    pixels = [[[rnd.randrange(top + 1) for _ in range(n)] for _ in range(w)] for _ in range(h)]
    palette = bytes(rnd.randrange(256) for _ in range(3 * (1 << depth))) if ct == 3 else b""
    raw, count = b"", 0
    bpp = max(1, depth * n // 8)
    for fr, rs, fc, cs in passes(interlace):
        cols = list(range(fc, w, cs))
        if not cols:
            continue
        prior = None
        for y in range(fr, h, rs):
            row = pack([s for x in cols for s in pixels[y][x]], depth)
            prior = prior or bytes(len(row))
            kind = count % 5
            count += 1
            raw += bytes([kind]) + filtered(kind, row, prior, bpp)
            prior = row
    out = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, depth, ct, 0, 0, interlace))
    out += chunk(b"gAMA", struct.pack(">I", 45455)) + chunk(b"tEXt", b"Title\0format %d" % PAIRS.index((ct, depth)))
    if ct == 3:
        out += chunk(b"PLTE", palette) + chunk(b"tRNS", b"\xff\x80")
    out += chunk(b"pHYs", struct.pack(">IIB", 3780, 3780, 1)) + chunk(b"ruBy", b"private")
    z = zlib.compress(raw, 9)
    third = max(1, len(z) // 3)
    for i in range(0, len(z), third):
        out += chunk(b"IDAT", z[i:i + third])
    out += chunk(b"tEXt", b"Comment\0after the image data") + chunk(b"IEND", b"")

    def colour(p):
        if ct == 3:
            return palette[3 * p[0]:3 * p[0] + 3]
        v = [s >> 8 if depth == 16 else s * 255 // top for s in p[:3 if ct in (2, 6) else 1]]
        return bytes(v * 3 if len(v) == 1 else v)
    ppm = b"P6\n%d %d\n255\n" % (w, h) + b"".join(colour(pixels[y][x]) for y in range(h) for x in range(w))
    return out, ppm


def check(path):
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "no PNG signature"
    at, z, head = 8, b"", None
    while at + 8 <= len(data):
        n, t = struct.unpack(">I4s", data[at:at + 8])
        if t == b"IHDR":
            head = struct.unpack(">IIBBBBB", data[at + 8:at + 21])
        elif t == b"IDAT":
            z += data[at + 8:at + 8 + n]
        at += 12 + n
    w, h, depth, ct, _, _, interlace = head
    bits = depth * CHANNELS[ct]
    want = 0
    for fr, rs, fc, cs in passes(interlace):
        pw = (w - fc + cs - 1) // cs if w > fc else 0
        rows = (h - fr + rs - 1) // rs if h > fr else 0
        if pw:
            want += rows * (1 + (pw * bits + 7) // 8)
    got = len(zlib.decompress(z))
    if got != want:
        print("%s: %d bytes of rows, %d expected" % (path, got, want))
        return 1
    print("ok")
    return 0


def main():
    if sys.argv[1] == "--check":
        return check(sys.argv[2])
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    rnd = random.Random(5)
    for ct, depth in PAIRS:
        for interlace in (0, 1):
            png, ppm = make(ct, depth, interlace, 19, 13, rnd)
            name = os.path.join(out, "f%02d_i%d" % (PAIRS.index((ct, depth)), interlace))
            open(name + ".png", "wb").write(png)
            open(name + ".ppm", "wb").write(ppm)
    return 0


sys.exit(main())
