#!/usr/bin/env python3
"""Makes the corpus of damaged work files that the program must refuse.

Usage: make_damaged_work_files.py LAYOUT CURRENT OLDER OUT

LAYOUT is shell/workfile/work_file_layout.h (the record table is read from it,
so the offsets here never drift from the reader's); CURRENT a work file of the
current version (557, or a later one taken in the layout of 557) with a water
entered; OLDER a work file of an older version.
Every case is written into OUT as NNN.krv, and OUT/manifest.tsv lists one case
a line: the file name, then the start of the reason the refusal must give.

The cases: version words the readers do not know, or at a length their layout
does not allow; a NaN, an infinity and a value no record holds at a record of
each kind; analysis values outside the water form's ranges; unit choices,
flags, counts and texts out of range; settings records outside the ranges of
their dialogs and of the settings loader; an all-zero file; the current file cut
at every record boundary; a file of 1 byte; the older file cut short and with
a byte added.
"""
import os
import struct
import sys

from make_legacy_work_files import form as older_form, form_bytes
from work_file_records import records

NAN = struct.pack("<I", 0x7FC00000)
INF = struct.pack("<f", float("inf"))
HUGE = struct.pack("<f", 3.0e38)
TEXT_AT = 12  # the analysis values follow a 12-byte head


def unknown(version):
    return "not a work file of a known version (%d)" % version


def older_offset(table, version, record):
    """Where an older file of `version` stores `record` (by the older forms of
    make_legacy_work_files.py)."""
    at = 2
    for r in range(1, record):
        f = older_form(r, version)
        if f is not None:
            at += form_bytes(f, table[r][1])
    return at


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    table = records(sys.argv[1])
    current = open(sys.argv[2], "rb").read()
    # The cases are made in the layout of version 557: a later file (version
    # 558 adds the multi-mix waters as entered after the last record of 557)
    # is taken without its later records.
    if struct.unpack_from("<h", current, 0)[0] > 557 and len(current) > table[405][0]:
        current = struct.pack("<h", 557) + current[2:table[405][0]]
    # The waters' rows as typed are cleared: the cases damage the stored
    # analyses, whose ranges the reader takes from those rows where they hold
    # a water.
    current = bytearray(current)
    for r in (274, 275, 276):
        current[table[r][0]:table[r][0] + table[r][1]] = bytes(table[r][1])
    current = bytes(current)
    older = open(sys.argv[3], "rb").read()
    out = sys.argv[4]
    os.makedirs(out, exist_ok=True)
    cases = []

    def add(data, reason):
        name = "%03d.krv" % (len(cases) + 1)
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
        cases.append((name, reason))

    def patched(record, within, data, base=current):
        b = bytearray(base)
        at = table[record][0] + within
        b[at:at + len(data)] = data
        return bytes(b)

    def name_of(record):
        return "record %d (" % record

    # Version words.
    for v in (-32768, -1, 0, 1, 200, 499, 555, 556, 559, 1000, 32767):
        add(struct.pack("<h", v) + current[2:], unknown(v))

    # The first stored water the file holds entered: injection, formation or surface.
    flags = {18: 2, 19: 10, 20: 16}
    entered = [r for r in (19, 20, 18) if struct.unpack_from("<H", current, flags[r])[0]]
    if not entered:
        sys.exit("the current file holds no entered water")
    water = entered[0]
    names = {18: "surface", 19: "injection", 20: "formation"}
    label = "record %d (%s water analysis): " % (water, names[water])

    # NaN, infinity and a value beyond any stored, at a record of each kind:
    # an analysis, the working analysis, a saturation row, the what-if
    # settings, an 8-byte engine value, a profile table, the product, the
    # multi-mix source waters, a well profile, the well-log settings.
    calcium = TEXT_AT + 4 * 7
    add(patched(water, calcium, NAN), label + "Calcium is not a number")
    add(patched(water, calcium, INF), label + "Calcium is infinite")
    add(patched(water, calcium, HUGE), label + "Calcium (")
    for record, within in ((17, TEXT_AT), (22, 0), (32, 0), (146, 0), (176, TEXT_AT),
                           (364, 0), (391, 0), (89, 8)):
        add(patched(record, within, NAN), name_of(record))
        add(patched(record, within, INF), name_of(record))
        add(patched(record, within, HUGE), name_of(record))
    # Result-table rows, named by the page's mineral, ion or field and their
    # point, station or water: Vary Pressure's excess, the well log's, the
    # multi-mix waters' saturations and a grid cell's corrosion rate.
    for record, within, value, reason in (
            (216, 4 * (38 * 2 + 7), HUGE,
             "whatIfResults.pressureProfile.excess): Barite (BaSO4) excess at point 3 ("),
            (376, 4 * 38 * 11, NAN,
             "wellProfiles.flash11.excess): Calcite (CaCO3) excess at station 12 is not a number"),
            (178, 4 * (64 + 6), INF,
             "WaterResults.multiMix[k].saturation): Total Calcium at water 2 is infinite"),
            (283, 4 * 10 * 48, HUGE, "whatIfResults.grid.corrosion): corrosion rate 1 at cell 49 (")):
        add(patched(record, within, value), name_of(record) + reason)
    add(patched(45, 0, struct.pack("<Q", 0x7FF8000000000000)), name_of(45))
    add(patched(45, 0, struct.pack("<d", float("inf"))), name_of(45))

    # Analysis values outside the water form's ranges, named as the form names them.
    ELEMENT_NAMES = {0: "pH", 7: "Calcium", 15: "Temperature", 38: "Pressure", 40: "Density"}
    for element, value in ((0, 180000.0), (7, -5.0), (15, 180000.0), (15, -500.0),
                           (38, 1.0e6), (40, -1.0)):
        add(patched(water, TEXT_AT + 4 * element, struct.pack("<f", value)),
            label + "%s (" % ELEMENT_NAMES[element])

    # Unit choices, flags, modes, indexes and counts out of range.
    add(patched(50, 2 * 18, struct.pack("<H", 0xFFFF)), "record 50 (unit choices): unit choice 18")
    add(patched(50, 0, struct.pack("<H", 7)), "record 50 (unit choices): unit choice 0")
    add(patched(5, 0, struct.pack("<H", 7)), name_of(5))
    add(patched(36, 0, struct.pack("<H", 9)), name_of(36))
    add(patched(190, 0, struct.pack("<i", 12)), name_of(190))
    add(patched(89, 2, struct.pack("<h", 29)), name_of(89))
    add(patched(35, 2, struct.pack("<h", 9)), name_of(35))
    # Settings outside what their dialogs and the settings loader take (the
    # file's units are degrees F and atm): the well log, the mixing zone and pH
    # control, the what-if and 3D graph ranges, the one-page graphs, options.
    def setting(record, within, fmt, values, reason):
        add(patched(record, within, struct.pack(fmt, *values)), name_of(record)[:-1] + reason)

    setting(364, 60, "<f", (1.0e31,), "(well-log settings): Depth (1e+31) is outside 100 to 20,000")
    setting(364, 60, "<f", (50.0,), "(well-log settings): Depth (50) is outside 100 to 20,000")
    setting(364, 0, "<f", (2500.0,), "(well-log settings): Bottom Hole Temperature (2500) is outside 26.312 to 580.712")
    setting(364, 12, "<f", (0.0,), "(well-log settings): Bottom Hole Pressure (0) is not above 0")
    setting(364, 16, "<f", (30000.0,), "(well-log settings): Pressure at Separator (30000) is outside 0 to 1,361")
    mixing = "(mixing and pH control settings): "
    setting(26, 0, "<f", (-50.0,), mixing + "Low Mixing Percent (-50) is outside 0 to 100")
    setting(26, 4, "<f", (150.0,), mixing + "High Mixing Percent (150) is outside 0 to 100")
    setting(26, 12, "<f", (15.0,), mixing + "pH Target (15) is outside 0 to 14")
    setting(26, 18, "<H", (9,), mixing + "pH Prediction Method (9) is outside 0 to 5")
    # The what-if and grid pH is a point's pH, above 0; a range's pCO2 keeps to
    # what the dialogs take in the file's unit (atm), the grid's as the what-if's.
    for value in (-1.0, 0.0, 14.5):
        setting(32, 0, "<f", (value,), "(what-if settings): Low pH (%g) is outside 0.01 to 14" % value)
    setting(32, 8, "<f", (0.0,), "(what-if settings): Evaluation pH (0) is outside 0.01 to 14")
    setting(49, 0, "<f", (0.0,), "(3D graph ranges): Low pH (0) is outside 0.01 to 14")
    for record, within, name in ((32, 28, "High pCO2"), (49, 40, "High pCO2")):
        for value in (1000.5, 10000.0):
            setting(record, within, "<f", (value,),
                    "(%s): %s (%g) is outside 0 to 1000.27"
                    % ("what-if settings" if record == 32 else "3D graph ranges", name, value))
    setting(32, 12, "<f", (0.5,), "(what-if settings): Low Pressure (0.5) is outside 0.986918 to 1000.27")
    setting(32, 48, "<f", (1.0e6,), "(what-if settings): Low Temperature (1e+06) is outside 26.312 to 580.712")
    setting(49, 4, "<f", (20.0,), "(3D graph ranges): High pH (20) is outside 0.01 to 14")
    setting(49, 36, "<f", (1.0e31,), "(3D graph ranges): Low pCO2 (1e+31) is outside 0 to 1000.27")
    setting(49, 60, "<f", (-5.0,), "(3D graph ranges): Low Mixing Percent (-5) is outside 0 to 100")
    setting(318, 0, "<3H", (0x7777, 200, 300),
            "(one-page graph choices): Graph 1 (30583) is no graph")
    setting(318, 6, "<H", (128,), "(one-page graph choices): Graph 4 (128) is no graph")
    setting(43, 0, "<H", (4,), "(whatIfOptions.carbonateModel): the value (4) is outside 0 to 3")
    setting(399, 0, "<I", (3,), "(whatIfOptions.wellLogPtSource): the value (3) is outside 0 to 2")
    setting(35, 4, "<h", (200,), "(graph choice): Graph 1 (200) is outside -1 to 127")

    # A product name and a text that do not end within their slots.
    add(patched(89, 1359 + 12, b"\x01" * 20), name_of(89))
    add(patched(113, 0, b"A" * 80), name_of(113))

    # The values as typed, in a version-558 image of the base: its rows as
    # entered (records 274-276) the stored waters' own, as a load makes them,
    # and two multi-mix waters that are copies of the entered water, each with
    # its row as entered (record 405), a weight and a residence time.
    b = bytearray(current[:table[405][0]] + bytes(table[405][1]))
    struct.pack_into("<h", b, 0, 558)
    analysis = table[water][0]
    for stored, row in ((18, 274), (19, 275), (20, 276)):
        if struct.unpack_from("<H", current, flags[stored])[0]:
            at = table[stored][0]
            b[table[row][0]:table[row][0] + 256] = current[at + TEXT_AT:at + 268]
    for k in (0, 1):
        b[table[176][0] + 268 * k:table[176][0] + 268 * (k + 1)] = current[analysis:analysis + 268]
        struct.pack_into("<I", b, table[192][0] + 4 * k, 1)
        struct.pack_into("<f", b, table[181][0] + 4 * k, 50.0)
        struct.pack_into("<5f", b, table[179][0] + 20 * k, 300.0, 300.0 / 86400, 300.0 / 3600,
                         5.0, 300.0)
        row = table[405][0] + 256 * k
        b[row:row + 256] = current[analysis + TEXT_AT:analysis + 268]
    struct.pack_into("<i", b, table[190][0], 1)
    typed = bytes(b)

    def typed_case(record, within, fmt, value, reason):
        add(patched(record, within, struct.pack(fmt, value), typed), reason)

    rows = "record 405 (multi-mix source waters as entered): water %d, "
    for k, element, value, name in ((2, 0, 99.0, "pH"), (2, 0, 15.0, "pH"),
                                    (1, 15, 5000.0, "Temperature"), (1, 38, 1.0e6, "Pressure"),
                                    (1, 40, 9.0, "Density"), (2, 7, -5.0, "Calcium"),
                                    (1, 39, 1.0e6, "pCO2")):
        typed_case(405, 256 * (k - 1) + 4 * element, "<f", value,
                   rows % k + "\"%g\" is outside the range of %s" % (value, name))
    add(patched(405, 4 * 45, struct.pack("<ff", 0.0, 10.0), typed),
        rows % 1 + "Oil Flow is given without a Brine Flow")
    entered_row = {18: 274, 19: 275, 20: 276}[water]
    row_name = "record %d (%s water as entered): " % (entered_row, names[water])
    typed_case(entered_row, 0, "<f", 99.0, row_name + "\"99\" is outside the range of pH")
    typed_case(entered_row, 4 * 39, "<f", 1.0e6, row_name + "\"1e+06\" is outside the range of pCO2")
    # A stored water's pCO2 or density that no typing or calculation gives: the
    # row as entered beside it holds another (a pCO2 the calculation finds is
    # any amount, but only where none was typed).
    stored_name = "record %d (%s water analysis): " % (water, names[water])
    for element, value, name in ((39, 1.0e6, "pCO2"), (40, 9.0, "Density")):
        typed_case(water, TEXT_AT + 4 * element, "<f", value,
                   stored_name + "\"%g\" is outside the range of %s" % (value, name))
        typed_case(176, 268 + TEXT_AT + 4 * element, "<f", value,
                   "record 176 (multi-mix source water analyses): water 2, "
                   "\"%g\" is outside the range of %s" % (value, name))
    # A stored water and its row as entered that agree on a value the form
    # refuses (a pCO2 of 1e6 atm, a density of 9 g/mL, 575 F, 1000.25 atm),
    # and a density of 9 beside a row that leaves the density blank.
    for element, value, name in ((39, 1.0e6, "pCO2"), (40, 9.0, "Density"),
                                 (15, 575.0, "Temperature"), (38, 1000.25, "Pressure")):
        b = bytearray(typed)
        struct.pack_into("<f", b, table[water][0] + TEXT_AT + 4 * element, value)
        struct.pack_into("<f", b, table[entered_row][0] + 4 * element, value)
        stored_first = element in (39, 40, 15)
        # A stored temperature is held to the form's 30-572 F before the row
        # as entered is read.
        reason = ("Temperature (%g) is above 572" % value if element == 15
                  else "\"%g\" is outside the range of %s" % (value, name))
        add(bytes(b), (stored_name if stored_first else row_name) + reason)
        b = bytearray(typed)
        struct.pack_into("<f", b, table[176][0] + 268 + TEXT_AT + 4 * element, value)
        struct.pack_into("<f", b, table[405][0] + 256 + 4 * element, value)
        add(bytes(b), ("record 176 (multi-mix source water analyses): water 2, " if stored_first
                       else rows % 2) + reason)
    b = bytearray(typed)
    struct.pack_into("<f", b, table[water][0] + TEXT_AT + 4 * 40, 9.0)
    struct.pack_into("<f", b, table[entered_row][0] + 4 * 40, 0.0)
    add(bytes(b), stored_name + "\"9\" is outside the range of Density")
    # A row as entered that disagrees with its stored water in a value no
    # calculation changes: calcium 9999 beside 412, a temperature, a barium.
    for record, within, element, value, name in (
            (entered_row, 0, 7, 9999.0, row_name + "Calcium"),
            (entered_row, 0, 15, 100.0, row_name + "Temperature"),
            (405, 256, 7, 9999.0, rows % 2 + "Calcium"),
            (405, 0, 36, 50.0, rows % 1 + "Barium")):
        held = struct.unpack_from("<f", typed, table[record][0] + within + 4 * element)[0]
        typed_case(record, within + 4 * element, "<f", value,
                   name + " as entered (%g) disagrees with the stored water's (%g)" % (value, held))
    sources = "record 176 (multi-mix source water analyses): water 1, "
    typed_case(176, 2, "<i", -95, sources + "Report Date (-95) is not a date")
    typed_case(176, 6, "<i", 99999999, sources + "Sample Date (99999999) is not a date")
    typed_case(176, 10, "<h", 2500, sources + "Time (2500) is not a time of day")
    typed_case(176, TEXT_AT + 4 * 39, "<f", 1.0e31, sources + "pCO2 (1e+31) is beyond any")
    typed_case(176, TEXT_AT + 4 * 13, "<f", 1.0e31, sources)
    # A density the form refuses in the base file's own version (557): the
    # rows a load makes would carry it into the next save.
    add(patched(water, TEXT_AT + 4 * 40, struct.pack("<f", 9.0)),
        stored_name + "\"9\" is outside the range of Density")
    # The same ceiling in the base file's own version (557), which has no rows
    # of the multi-mix waters as entered.
    older_mix = bytearray(current)
    older_mix[table[176][0]:table[176][0] + 268] = current[analysis:analysis + 268]
    struct.pack_into("<I", older_mix, table[192][0], 1)
    struct.pack_into("<f", older_mix, table[176][0] + TEXT_AT + 4 * 39, 1.0e31)
    add(bytes(older_mix), sources + "pCO2 (1e+31) is beyond any")
    for value in (-50.0, 1.0e31):
        typed_case(181, 0, "<f", value,
                   "record 181 (multi-mix weights): water 1, Weight %% (%g) is outside" % value)
    for value in (-1.0, 1.0e9, 1.0e31):
        typed_case(179, 16, "<f", value, "record 179 (multi-mix residence times): water 1, "
                   "\"%g\" is outside the range of Res. time" % value)
    typed_case(180, 4, "<f", 2.0e6,
               "record 180 (multi-mix C2-C5 acids): water 1, \"2e+06\" is outside the range of C3")
    acids = 130 + {18: 0, 19: 1, 20: 2}[water]
    typed_case(acids, 0, "<f", -5.0, "record %d (C2-C5 acids of the %s water): "
               "\"-5\" is outside the range of C2" % (acids, names[water]))
    # A value stored twice whose copies disagree.
    for first, second in ((1, 7), (230, 325), (322, 324), (399, 403)):
        size = table[second][1]
        fmt = "<H" if size == 2 else "<I"
        held = struct.unpack_from(fmt, typed, table[second][0])[0]
        typed_case(first, 0, fmt, held ^ 1,
                   "record %d (" % second)

    # Zero-filled, a byte long, and cut at every record boundary (a current
    # file may end after record 402, so that length is left out, and the
    # records of a newer layout lie past its end).
    add(bytes(len(current)), unknown(0))
    add(current[:1], "the file holds only 1 byte")
    for offset, size in table[1:]:
        if offset == 200163 or offset >= len(current):
            continue
        add(current[:offset], "truncated: {:,} of {:,} bytes".format(offset, len(current)))

    # The older file: cut short, and one byte longer than its layout.
    version = struct.unpack_from("<h", older, 0)[0]
    for cut in (len(older) // 2, len(older) - 1):
        add(older[:cut], unknown(version))
    add(older + b"\0", unknown(version))
    add(struct.pack("<h", 200) + older[2:], unknown(200))
    # The older file with a value no form takes in what the user typed or
    # chose (the pH-alkalinity curve, the corrosion target, the C2 acids of the
    # surface water, a multi-mix weight): refused, naming it, for the file its
    # save would write is refused.
    for record in (33, 114, 130, 181):
        b = bytearray(older)
        struct.pack_into("<f", b, older_offset(table, version, record), 3.0e38)
        add(bytes(b), name_of(record))

    with open(os.path.join(out, "manifest.tsv"), "w", encoding="utf-8") as f:
        for name, reason in cases:
            f.write("%s\t%s\n" % (name, reason))


if __name__ == "__main__":
    main()
