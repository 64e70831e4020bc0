#!/usr/bin/env python3
"""Writes bitmap files of kinds the usual tools do not make, from a binary PPM.

    bmp_variants.py IN.ppm OUTDIR

For each kind it writes OUTDIR/<kind>.bmp and OUTDIR/<kind>.ppm, the picture a
reader must get back (the source itself, or the source as 5-6-5 pixels widen):
  topdown    24 bits, negative height (rows top first)
  os2        24 bits behind a 12-byte OS/2 core header
  os2_8      8 bits with 3-byte colour entries (pictures of up to 256 colours)
  rgb565     16 bits, BI_BITFIELDS masks 0xF800, 0x07E0, 0x001F
  rgb555     16 bits, BI_RGB (5-5-5)
  rgb32      32 bits, BI_RGB
  bgr32      32 bits, BI_BITFIELDS with the masks in another order
  rle4       4 bits, BI_RLE4 (pictures of up to 16 colours)
"""
import struct
import sys


def read_ppm(path):
    data = open(path, "rb").read()
    fields, at = [], 2
    assert data[:2] == b"P6", "binary PPM wanted"
    while len(fields) < 3:
        while data[at:at + 1].isspace():
            at += 1
        if data[at:at + 1] == b"#":
            at = data.index(b"\n", at)
            continue
        start = at
        while data[at:at + 1].isdigit():
            at += 1
        fields.append(int(data[start:at]))
    width, height, maxval = fields
    assert maxval == 255
    at += 1
    pixels = [[tuple(data[at + 3 * (y * width + x): at + 3 * (y * width + x) + 3])
               for x in range(width)] for y in range(height)]
    return width, height, pixels


def write_ppm(path, width, height, pixels):
    with open(path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (width, height))
        for row in pixels:
            for r, g, b in row:
                f.write(bytes((r, g, b)))


def pad(row):
    return row + b"\0" * (-len(row) % 4)


def file_header(size, off_bits):
    return b"BM" + struct.pack("<IHHI", size, 0, 0, off_bits)


def info_header(width, height, bits, compression, image_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, image_size,
                       2835, 2835, colours, 0)


def bmp(width, height, bits, rows, compression=0, table=b"", masks=b"", colours=0):
    """rows: stored rows as bytes, already padded, in file order."""
    data = b"".join(rows)
    off = 14 + 40 + len(masks) + len(table)
    return (file_header(off + len(data), off) +
            info_header(width, height, bits, compression, len(data), colours) + masks + table + data)


def bgr_rows(pixels):
    return [pad(b"".join(bytes((b, g, r)) for r, g, b in row)) for row in pixels]


def palette_of(pixels):
    colours = []
    for row in pixels:
        for c in row:
            if c not in colours:
                colours.append(c)
    return colours


def widen(v, bits):
    acc, have = 0, 0
    while have < 8:
        acc, have = (acc << bits) | v, have + bits
    return (acc >> (have - 8)) & 0xFF


def rle4_row(indices):
    """Runs of equal indices, at most 255 long; no literals needed."""
    out, x = b"", 0
    while x < len(indices):
        n = 1
        while x + n < len(indices) and n < 255 and indices[x + n] == indices[x]:
            n += 1
        out += bytes((n, indices[x] << 4 | indices[x]))
        x += n
    return out + b"\0\0"


def main():
    source, outdir = sys.argv[1], sys.argv[2]
    width, height, pixels = read_ppm(source)
    bottom_up = pixels[::-1]
    out = {}

    out["topdown"] = (bmp(width, -height, 24, bgr_rows(pixels)), pixels)

    core = struct.pack("<IHHHH", 12, width, height, 1, 24)
    data = b"".join(bgr_rows(bottom_up))
    out["os2"] = (file_header(26 + len(data), 26) + core + data, pixels)

    colours = palette_of(pixels)
    if len(colours) <= 256:
        index = {c: i for i, c in enumerate(colours)}
        table = b"".join(bytes((b, g, r)) for r, g, b in colours)
        table += b"\0" * (3 * 256 - len(table))
        core = struct.pack("<IHHHH", 12, width, height, 1, 8)
        data = b"".join(pad(bytes(index[c] for c in row)) for row in bottom_up)
        off = 26 + len(table)
        out["os2_8"] = (file_header(off + len(data), off) + core + table + data, pixels)

    masks = struct.pack("<III", 0xF800, 0x07E0, 0x001F)
    rows = [pad(b"".join(struct.pack("<H", (r >> 3) << 11 | (g >> 2) << 5 | b >> 3)
                         for r, g, b in row)) for row in bottom_up]
    expect = [[(widen(r >> 3, 5), widen(g >> 2, 6), widen(b >> 3, 5)) for r, g, b in row]
              for row in pixels]
    out["rgb565"] = (bmp(width, height, 16, rows, 3, masks=masks), expect)

    rows = [pad(b"".join(struct.pack("<H", (r >> 3) << 10 | (g >> 3) << 5 | b >> 3)
                         for r, g, b in row)) for row in bottom_up]
    expect = [[(widen(r >> 3, 5), widen(g >> 3, 5), widen(b >> 3, 5)) for r, g, b in row]
              for row in pixels]
    out["rgb555"] = (bmp(width, height, 16, rows), expect)

    rows = [b"".join(bytes((b, g, r, 0x5A)) for r, g, b in row) for row in bottom_up]
    out["rgb32"] = (bmp(width, height, 32, rows), pixels)

    masks = struct.pack("<III", 0x0000FF00, 0x00FF0000, 0xFF000000)
    rows = [b"".join(bytes((0x11, r, g, b)) for r, g, b in row) for row in bottom_up]
    out["bgr32"] = (bmp(width, height, 32, rows, 3, masks=masks), pixels)

    if len(colours) <= 16:
        index = {c: i for i, c in enumerate(colours)}
        table = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
        rows = [rle4_row([index[c] for c in row]) for row in bottom_up]
        rows[-1] += b"\0\1"
        out["rle4"] = (bmp(width, height, 4, rows, 2, table=table, colours=len(colours)), pixels)

    for kind, (data, expect) in out.items():
        open("%s/%s.bmp" % (outdir, kind), "wb").write(data)
        write_ppm("%s/%s.ppm" % (outdir, kind), width, height, expect)


if __name__ == "__main__":
    main()
