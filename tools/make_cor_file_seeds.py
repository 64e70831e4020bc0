#!/usr/bin/env python3
"""Seeds of the sample-record file fuzz target: one small file of each layout
the converter reads (901-, 1,101-, 1,065-, current and 1,245-byte records),
with the header naming the inhibitor file OLD.INH and an older preamble."""
import os
import struct
import sys

out = sys.argv[1] if len(sys.argv) > 1 else "fuzz/corpus/cor_file"
os.makedirs(out, exist_ok=True)


def header(count):
    h = bytearray(251)
    struct.pack_into("<H", h, 0, count)
    h[4:9] = b"FIRST"
    h[44:51] = b"OLD.INH"
    return h


def record(size, head, values, value_count, texts, tag):
    r = bytearray((i * 13 + tag) & 0xFF for i in range(size))
    struct.pack_into("<hii", r, head, 100 + tag, 120395, 31295)
    for e in range(value_count):
        struct.pack_into("<f", r, values + 4 * e, 10.0 * tag + e)
    for t in range(5):
        text = b"T%d.%d" % (tag, t)
        r[texts + 22 * t:texts + 22 * t + 22] = text.ljust(22, b"\0")
    return bytes(r)


def old_file(name, version, first, records, units=0):
    f = header(len(records))
    f += struct.pack("<hHH", version, 2, 0)
    f += bytes(first - len(f))
    for i in range(units // 2):
        struct.pack_into("<H", f, 257 + 2 * i, 1)
    for r in records:
        f += r
    with open(os.path.join(out, name), "wb") as o:
        o.write(f)


old_file("v200_901", 200, 295, [record(901, 12, 24, 35, 352, 1), record(901, 12, 24, 35, 352, 2)])
old_file("v207_1101", 207, 295, [record(1101, 12, 24, 35, 468, 3)])
old_file("v209_1065", 209, 337, [record(1065, 20, 32, 35, 432, 4)])
old_file("v210_1065", 210, 347, [record(1065, 20, 32, 35, 432, 5), record(1065, 20, 32, 35, 432, 6)])
current = bytearray(2339)
struct.pack_into("<hii", current, 20, 7, 120395, 120395)
old_file("v213_current", 213, 347, [bytes(current)])
old_file("v557_current", 557, 347, [bytes(current)])
old_file("v510_1245_short_units", 510, 251 + 6 + 62, [record(1245, 20, 32, 64, 544, 8)], 62)
old_file("v520_1245", 520, 251 + 6 + 80, [record(1245, 20, 32, 64, 544, 9)], 80)
old_file("v210_cut", 210, 347, [record(1065, 20, 32, 35, 432, 5)[:700]])
