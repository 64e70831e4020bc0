#!/usr/bin/env python3
"""Inserts an Exif APP1 segment behind the SOI (and JFIF APP0) of a JPEG file.

    jpeg_exif.py IN.jpg THUMB.jpg|strip OUT.jpg [BYTEORDER]

IFD0 carries XResolution 300/1, YResolution 150/1 and ResolutionUnit 2 (inch);
IFD1 the thumbnail: with a JPEG file, Compression 6 and the interchange offset
and length; with "strip", an uncompressed 4 x 3 RGB strip (Compression 1).
BYTEORDER is II (default) or MM.
"""
import struct
import sys


def ifd(order, entries, next_offset, data_at):
    """entries: (tag, type, count, value-bytes); values over 4 bytes go to data_at."""
    out = struct.pack(order + "H", len(entries))
    extra = b""
    for tag, typ, count, value in sorted(entries):
        if len(value) <= 4:
            field = value.ljust(4, b"\0")
        else:
            field = struct.pack(order + "I", data_at + len(extra))
            extra += value
        out += struct.pack(order + "HHI", tag, typ, count) + field
    out += struct.pack(order + "I", next_offset)
    return out, extra


def main():
    src, thumb, dst = sys.argv[1:4]
    mm = len(sys.argv) > 4 and sys.argv[4] == "MM"
    order = ">" if mm else "<"
    data = open(src, "rb").read()
    assert data[:2] == b"\xff\xd8"
    rational = lambda n, d: struct.pack(order + "II", n, d)
    short = lambda v: struct.pack(order + "H", v)
    long_ = lambda v: struct.pack(order + "I", v)
    ifd0_at = 8
    ifd0_entries = [(282, 5, 1, rational(300, 1)), (283, 5, 1, rational(150, 1)),
                    (296, 3, 1, short(2))]
    ifd0_size = 2 + 12 * len(ifd0_entries) + 4 + 16
    ifd1_at = ifd0_at + ifd0_size
    if thumb == "strip":
        payload = bytes(range(36))
        ifd1_entries = [(256, 3, 1, short(4)), (257, 3, 1, short(3)),
                        (258, 3, 3, short(8) + short(8) + short(8)), (259, 3, 1, short(1)),
                        (262, 3, 1, short(2)), (273, 4, 1, None), (277, 3, 1, short(3)),
                        (278, 3, 1, short(3)), (279, 4, 1, long_(len(payload)))]
    else:
        payload = open(thumb, "rb").read()
        ifd1_entries = [(259, 3, 1, short(6)), (513, 4, 1, None),
                        (514, 4, 1, long_(len(payload)))]
    ifd1_size = 2 + 12 * len(ifd1_entries) + 4 + (6 if thumb == "strip" else 0)
    payload_at = ifd1_at + ifd1_size
    ifd1_entries = [(t, ty, c, v if v is not None else long_(payload_at))
                    for t, ty, c, v in ifd1_entries]
    header = (b"MM" if mm else b"II") + short(42) + long_(ifd0_at)
    block0, extra0 = ifd(order, ifd0_entries, ifd1_at, ifd0_at + 2 + 12 * len(ifd0_entries) + 4)
    block1, extra1 = ifd(order, ifd1_entries, 0, ifd1_at + 2 + 12 * len(ifd1_entries) + 4)
    tiff = header + block0 + extra0 + block1 + extra1
    assert len(tiff) == payload_at, (len(tiff), payload_at)
    tiff += payload
    body = b"Exif\0\0" + tiff
    segment = b"\xff\xe1" + struct.pack(">H", len(body) + 2) + body
    # Behind a JFIF APP0, so that the Exif resolution is the one that counts.
    at = 2
    if data[2:4] == b"\xff\xe0":
        at = 4 + struct.unpack(">H", data[4:6])[0]
    open(dst, "wb").write(data[:at] + segment + data[at:])


main()
