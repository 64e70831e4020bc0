#!/usr/bin/env python3
"""Seeds of the "tkIntermediate" fuzz target: a few analysis records as a copy
writes them (1,552 bytes: 64 f32 values, 64 i32 unit codes, the marker, the
sample header and eight 128-byte description lines), one short block, and whole
3,104-byte blocks with the sender's units after the record (a tag, the
reporting basis, the alkalinity mode, 40 u16 unit choices and the 64 values in
those units)."""
import os
import struct
import sys

out = sys.argv[1] if len(sys.argv) > 1 else "fuzz/corpus/analysis_transfer"
os.makedirs(out, exist_ok=True)


def record(values, units, descriptions, number=7, report=1240704, sample=1240701, time=930):
    v = [0.0] * 64
    for slot, value in values.items():
        v[slot] = value
    u = [0] * 64
    for slot, code in units.items():
        u[slot] = code
    body = struct.pack("<64f", *v) + struct.pack("<64i", *u)
    body += struct.pack("<IhiihH", 1, number, report, sample, time, 0)[:16]
    text = b""
    for line in range(8):
        d = descriptions.get(line, b"")
        text += d[:127].ljust(128, b"\0")
    data = body + text
    assert len(data) == 1552, len(data)
    return data


# Sea water in base units (mg/L, degrees C, atm), mg/L units everywhere.
sea = {0: 8.1, 1: 116.0, 2: 19400.0, 3: 2700.0, 7: 412.0, 8: 1290.0, 9: 10800.0, 15: 25.0,
       17: 399.0, 20: 0.0, 38: 1.0, 39: 0.00035, 40: 1.025, 50: 120.0, 55: 140.0, 56: 10.0,
       58: 116.0, 59: 8.0, 61: 5.0}
with open(os.path.join(out, "sea_water.bin"), "wb") as f:
    f.write(record(sea, {}, {0: b"Sea water", 7: b"SEA"}))

# Other units: calcium as CaCO3, Fahrenheit, psia, ppm of CO2, minutes, mm/yr, lead and
# oxalate in their own units, a mole % pH2S.
other = dict(sea)
other.update({27: 0.01, 42: 3.0, 63: 20.0})
units = {0: 1, 18: 0, 22: 2, 23: 4, 26: 1, 27: 5, 42: 1, 49: 1, 41: 1, 37: 1, 24: 1}
with open(os.path.join(out, "other_units.bin"), "wb") as f:
    f.write(record(other, units, {1: b"x" * 127, 4: b"fifth"}))

# Unknown unit codes and negative pressure.
odd = {0: -1.0, 38: -5.0, 15: -300.0, 50: 1e30}
with open(os.path.join(out, "odd_codes.bin"), "wb") as f:
    f.write(record(odd, {k: 7 for k in range(64)}, {}))

# A block too short to hold an analysis.
with open(os.path.join(out, "short.bin"), "wb") as f:
    f.write(record(sea, {}, {})[:1000])


def with_units(data, reporting, mode, codes, values):
    c = [0] * 40
    for item, code in codes.items():
        c[item] = code
    v = [0.0] * 64
    for element, value in values.items():
        v[element] = value
    part = struct.pack("<IHH", 0x31544E55, reporting, mode) + struct.pack("<40H", *c)
    part += struct.pack("<64f", *v)
    block = data + part
    return block + b"\0" * (3104 - len(block))


# Sea water sent from ppm with calcium as CaCO3, alkalinity in French degrees,
# L/Day and psia, polyphosphate and the two last description lines along.
typed = {0: 8.1, 2: 19400.0, 3: 2700.0, 7: 1029.0, 8: 1290.0, 13: 11.6, 14: 0.8, 15: 77.0,
         38: 14.7, 40: 1.025, 44: 1.025, 45: 158987.0, 48: 0.5, 49: 1.0}
with open(os.path.join(out, "sender_units.bin"), "wb") as f:
    f.write(with_units(record(sea, {0: 1, 22: 2, 45: 1}, {5: b"sixth", 6: b"seventh"}),
                       1, 6, {0: 1, 11: 6, 12: 6, 22: 2, 28: 1}, typed))

# Sender units that no unit choice has: the base units are taken instead.
with open(os.path.join(out, "sender_odd_units.bin"), "wb") as f:
    f.write(with_units(record(sea, {}, {}), 9, 0, {k: 9 for k in range(40)}, typed))
