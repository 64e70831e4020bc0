#!/usr/bin/env python3
"""Checks the fixture report that test_reporttext leaves in
<build>/test-output/reporttext/: Python's csv module reads report.csv as one
row per line of report.txt with the line's items, and a struct walk of the
fast table report.xlt gives the same cells (plain decimals as numbers).
Where LibreOffice is installed, the text of report.rtf is compared with
report.txt as well."""
import csv
import os
import shutil
import struct
import subprocess
import sys
import tempfile


def read_xlt(data):
    rows, columns, cells, p = 0, 0, [], 0
    while p + 4 <= len(data):
        kind, size = struct.unpack_from("<HH", data, p)
        p += 4
        body = data[p:p + size]
        assert len(body) == size, "record runs past the end"
        if kind == 0x0010:
            rows, columns = struct.unpack("<HH", body)
        elif kind == 0x0001:
            cells += [v for (v,) in struct.iter_unpack("<d", body)]
        elif kind == 0x0002:
            i = 0
            while i < size:
                n = body[i]
                cells.append(body[i + 1:i + 1 + n].decode("cp1252"))
                i += 1 + n
        elif kind == 0x0005:
            cells += [""] * struct.unpack("<H", body)[0]
        else:
            raise AssertionError("unknown record %#x" % kind)
        p += size
    assert len(cells) == rows * columns, (len(cells), rows, columns)
    return [cells[r * columns:(r + 1) * columns] for r in range(rows)]


def main(folder):
    def path(name):
        return os.path.join(folder, "report." + name)

    with open(path("txt"), encoding="cp1252", newline="") as f:
        text = f.read()
    assert text.endswith("\r\n")
    lines = text[:-2].split("\r\n")
    with open(path("csv"), encoding="cp1252", newline="") as f:
        rows = list(csv.reader(f))
    assert len(rows) == len(lines), (len(rows), len(lines))
    for line, row in zip(lines, rows):
        for item in row:
            assert item in line, (item, line)
    with open(path("xlt"), "rb") as f:
        table = read_xlt(f.read())
    assert len(table) == len(rows)
    for cells, row in zip(table, rows):
        padded = row + [""] * (len(cells) - len(row))
        for cell, item in zip(cells, padded):
            if isinstance(cell, float):
                assert abs(cell - float(item)) < 1e-9, (cell, item)
            else:
                assert cell == item, (cell, item)
    soffice = shutil.which("soffice")
    if soffice:
        with tempfile.TemporaryDirectory() as out:
            subprocess.run([soffice, "--headless", "--convert-to", "txt:Text", "--outdir", out,
                            path("rtf")], check=True, capture_output=True)
            with open(os.path.join(out, "report.txt"), encoding="utf-8-sig") as f:
                converted = [l.rstrip() for l in f.read().splitlines()]
            assert converted == [l.rstrip() for l in lines], converted
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
