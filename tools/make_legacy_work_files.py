#!/usr/bin/env python3
"""Makes the bundled work files of older versions from a work file of the current one.

Usage: make_legacy_work_files.py LAYOUT CURRENT OUT [VERSION ...]

LAYOUT is shell/workfile/work_file_layout.h (the current record table is read
from it); CURRENT a work file of version 557 or later holding the injection and the
formation water of a waterflood (data/samples/waterflood.krv). OUT receives
V123.KRV, V503.KRV and V529.KRV (or a file VNNN.KRV of each VERSION given, 1
to 555): the same workspace, with the injection water also entered as the
surface water and the three waters numbered 101, 102 and 103 and named in
their descriptions, written as those versions stored it. The
older layouts are transcribed here from the record by record description of
the older versions, not taken from the reader, so the files also check it.

Each older version keeps the records it had, in the widths it had: analyses of
204 bytes (the 12-byte head and 48 values), result rows of 48 (or 46) values,
indicator rows of 22, descriptions of five texts of 22 or 128 bytes, a
62-byte unit table, and blocks a version skips written as zeros. Versions
below 126 and 500 to 513 stored the sample dates in the display order, with
two-digit years.
"""
import os
import struct
import sys

from work_file_records import records

VERSIONS = (123, 503, 529)
PRODUCT_BASE_BYTES = 3965
PRODUCT_LIMITS_BYTES = 604
NAMES = ("North Sea water", "Injection water", "Formation brine")


def within(v, *spans):
    return any(low <= v <= high for low, high in spans)


# The forms of the older versions this tool writes (123, 503 and 529), record by
# record: ("cur",) as the current layout; ("rows", rows, width) each row cut to
# its first `width` f32; ("waters", n) analyses of 204 bytes; ("texts", n,
# bytes) five texts per description; ("zeros", n) a skipped block; ("units",)
# the 62-byte unit table; ("eight",) the first 8 of 9 f32; ("shorts",) 7 i16 for
# the first 7 f32; ("product",) the older product base record; None: absent.
def form(r, v):
    late = within(v, (539, 555))
    mid48 = within(v, (124, 499), (512, 538))
    early = within(v, (-32768, 123), (500, 511))
    from123 = within(v, (123, 499), (511, 555))
    rows123 = within(v, (123, 499), (511, 538))

    def texts(n):
        if within(v, (530, 555)):
            return ("cur",)
        if within(v, (140, 199), (528, 529)):
            return ("texts", n, 128)
        return ("texts", n, 22)

    if 1 <= r <= 12:
        return ("cur",)
    if 13 <= r <= 16:
        return texts(1) if v >= 114 else None
    if 17 <= r <= 21:
        return ("cur",) if late else ("waters", 1)
    if 22 <= r <= 25:
        return ("cur",) if late else ("rows", 1, 48 if mid48 else 46)
    if r in (26, 29, 32, 33) or 35 <= r <= 49 or 51 <= r <= 78:
        return ("cur",)
    if r == 27:
        return ("cur",) if late else ("rows", 10, 48)
    if r == 28:
        return ("cur",) if late else ("rows", 10, 48) if mid48 else ("zeros", 1840)
    if r in (30, 31):
        if late:
            return ("cur",)
        if mid48:
            return ("rows", 49, 48)
        return ("zeros", 5096 if within(v, (116, 123), (504, 511)) else 4508)
    if r == 34:
        return ("zeros", 224 if v >= 117 else 168)
    if r == 50:
        return ("cur",) if within(v, (125, 499), (513, 555)) else ("units",)
    if r == 79:
        if late:
            return ("rows", 10, 64)
        if mid48:
            return ("rows", 10, 22)
        if within(v, (116, 123), (504, 511)):
            return ("zeros", 800)
        return ("zeros", 680) if within(v, (113, 115), (500, 503)) else None
    if 80 <= r <= 84:
        return ("cur",) if v >= 113 else None
    if r == 85:
        return ("rows", 49, 64) if late else ("rows", 49, 22) if mid48 else None
    if 86 <= r <= 88:
        return ("rows", 1, 64) if late else ("rows", 1, 22) if within(v, (115, 538)) else None
    if r == 89:
        if within(v, (550, 555)):
            return ("cur",)
        if within(v, (543, 549)):
            return ("product", PRODUCT_LIMITS_BYTES)
        return ("product", 0) if within(v, (507, 542)) else None
    if 90 <= r <= 113:
        return ("cur",) if within(v, (507, 549)) else None
    if r == 114:
        return ("cur",) if within(v, (119, 499), (507, 555)) else None
    if r == 115:
        return ("cur",) if v >= 507 else None
    if r == 116:
        return ("rows", 49, 48) if late else None
    if 117 <= r <= 119:
        return ("cur",) if within(v, (120, 499), (508, 555)) else None
    if 120 <= r <= 129:
        return ("cur",) if within(v, (122, 499), (510, 555)) else None
    if 130 <= r <= 132:
        return ("cur",) if within(v, (125, 499), (513, 555)) else None
    if 133 <= r <= 144 or 149 <= r <= 158 or 160 <= r <= 166 or r in (170, 171):
        return ("cur",) if from123 else None
    if r == 145:
        return ("rows", 10, 48) if late else None
    if r == 146:
        if late:
            return ("cur",)
        if mid48:
            return ("rows", 10, 48)
        return ("zeros", 184) if v in (123, 511) else None
    if r == 147:
        return ("cur",) if late else ("rows", 10, 48) if rows123 else None
    if r == 148:
        return ("cur",) if late else ("zeros", 184) if v in (123, 511) else None
    if r == 159:
        if within(v, (141, 499), (529, 555)):
            return ("cur",)
        return ("eight",) if within(v, (123, 140), (511, 528)) else None
    if r in (167, 168):
        return ("rows", 10, 22) if from123 else None
    if r == 169:
        return ("cur",) if within(v, (124, 499), (512, 555)) else None
    if r == 172:
        return ("rows", 1, 64) if late else ("rows", 1, 22) if rows123 else None
    if r == 173:
        return ("cur",) if late else ("waters", 1) if rows123 else None
    if r == 174:
        return ("cur",) if late else ("rows", 1, 48) if rows123 else None
    if r == 175:
        return ("rows", 12, 64) if late else ("rows", 12, 22) if rows123 else None
    if r == 176:
        return ("cur",) if late else ("waters", 12) if rows123 else None
    if r in (177, 211):
        return texts(12 if r == 177 else 1) if from123 else None
    if r == 178:
        return ("cur",) if late else ("rows", 12, 48) if rows123 else None
    if 179 <= r <= 210 or 217 <= r <= 230:
        return ("cur",) if from123 else None
    from129 = within(v, (129, 499), (517, 555))
    if r in (212, 213):
        return ("cur",) if from129 else None
    if r in (214, 215):
        if late:
            return ("cur",)
        return ("rows", 10, 48) if within(v, (129, 499), (517, 538)) else None
    if r == 216:
        return ("rows", 10, 22) if from129 else None
    firsts = ((231, 242, 130, 518), (243, 273, 131, 519), (274, 276, 132, 520),
              (277, 282, 133, 521))
    for first, last, a, b in firsts:
        if first <= r <= last:
            return ("cur",) if within(v, (a, 499), (b, 555)) else None
    if 283 <= r <= 298:
        return ("cur",) if within(v, (523 if r < 298 else 524, 555)) else None
    from527 = within(v, (527, 555))
    if r in (305, 306):
        return ("cur",) if late else ("rows", 12, 48) if from527 else None
    if r == 307:
        return ("rows", 12, 64) if late else ("rows", 12, 22) if from527 else None
    if r in (313, 314):
        return ("cur",) if v >= 546 else ("shorts",) if from527 else None
    if 299 <= r <= 317:
        return ("cur",) if from527 else None
    for first, last, since in ((318, 318, 528), (319, 319, 532), (320, 321, 533),
                               (322, 340, 534), (341, 356, 535), (357, 363, 540),
                               (364, 398, 548), (399, 400, 551), (401, 401, 552),
                               (402, 402, 553)):
        if first <= r <= last:
            return ("cur",) if within(v, (since, 555)) else None
    return None  # 403 and 404 are never stored


def cut_rows(data, rows, width):
    per = len(data) // 4 // rows
    out = bytearray()
    for k in range(rows):
        row = data[4 * per * k:4 * per * (k + 1)]
        out += row[:4 * width] + bytes(max(0, 4 * (width - per)))
    return bytes(out)


def descriptions(data, n, size):
    out = bytearray()
    for d in range(n):
        for field in range(5):
            start = 1024 * d + 128 * field
            text = data[start:start + 128].split(b"\0")[0][:size - 1]
            out += text + bytes(size - len(text))
    return bytes(out)


# A packed date year-month-day (years since 1900) in the month-day-year display
# order of date format 0, with the year in two digits.
def display_date(packed):
    year, month, day = packed // 10000, packed // 100 % 100, packed % 100
    return (month * 100 + day) * 100 + year % 100


def older_waters(data, n, old_dates):
    out = bytearray()
    for k in range(n):
        w = bytearray(data[268 * k:268 * k + 204])
        if old_dates:
            for at in (2, 6):
                packed = struct.unpack_from("<i", w, at)[0]
                struct.pack_into("<i", w, at, display_date(packed))
        out += w
    return bytes(out)


# The older product base record of a workspace without a product: no
# components, and the name of the product that doses nothing.
def no_product():
    base = bytearray(PRODUCT_BASE_BYTES)
    base[98:98 + 4] = b"None"
    base[122:122 + 10] = b"NODOSE.PRD"
    return bytes(base)


def surface_from_injection(image, table):
    b = bytearray(image)

    def copy(to, frm):
        (at, size), (src, _) = table[to], table[frm]
        b[at:at + size] = b[src:src + size]

    for flag in (1, 7):
        struct.pack_into("<H", b, table[flag][0], 1)
    copy(18, 19)  # the analysis
    copy(22, 23)  # its results
    copy(86, 87)  # its indicator row
    # Each water named in its description and numbered in its analysis head.
    for description, water, number, name in zip((16, 14, 15), (18, 19, 20), (101, 102, 103),
                                                NAMES):
        at = table[description][0]
        b[at:at + 128] = name.encode() + bytes(128 - len(name))
        struct.pack_into("<h", b, table[water][0], number)
    return bytes(b)


def older_file(image, table, v):
    old_dates = within(v, (-32768, 125), (500, 513))
    out = bytearray(struct.pack("<h", v))
    for r in range(1, 403):
        f = form(r, v)
        if f is None:
            continue
        at, size = table[r]
        data = image[at:at + size]
        kind = f[0]
        if kind == "cur":
            out += data
        elif kind == "rows":
            out += cut_rows(data, f[1], f[2])
        elif kind == "waters":
            out += older_waters(data, f[1], old_dates and 17 <= r <= 21)
        elif kind == "texts":
            out += descriptions(data, f[1], f[2])
        elif kind == "zeros":
            out += bytes(f[1])
        elif kind == "units":
            out += data[:62]
        elif kind == "eight":
            out += data[:32]
        elif kind == "shorts":
            values = struct.unpack_from("<7f", data, 0)
            out += struct.pack("<7h", *(int(round(x)) for x in values))
        elif kind == "product":
            out += no_product() + bytes(f[1])
    return bytes(out)


def form_bytes(f, size):
    """The bytes an older form `f` of a record of `size` bytes (in the current
    layout) takes in the file."""
    kind = f[0]
    if kind == "cur":
        return size
    if kind == "rows":
        return 4 * f[1] * f[2]
    if kind == "waters":
        return 204 * f[1]
    if kind == "texts":
        return 5 * f[1] * f[2]
    if kind == "zeros":
        return f[1]
    if kind == "product":
        return PRODUCT_BASE_BYTES + f[1]
    return {"units": 62, "eight": 32, "shorts": 14}[kind]


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    versions = tuple(int(v) for v in sys.argv[4:]) or VERSIONS
    if not all(1 <= v <= 555 for v in versions):
        sys.exit("the older versions are 1 to 555")
    table = records(sys.argv[1])
    image = open(sys.argv[2], "rb").read()
    if struct.unpack_from("<h", image, 0)[0] < 557 or len(image) < 200171:
        sys.exit("%s is not a work file of version 557 or later" % sys.argv[2])
    image = surface_from_injection(image, table)
    os.makedirs(sys.argv[3], exist_ok=True)
    for v in versions:
        with open(os.path.join(sys.argv[3], "V%d.KRV" % v), "wb") as f:
            f.write(older_file(image, table, v))


if __name__ == "__main__":
    main()
