"""The current work file's record table, read from the reader's own layout
header (shell/workfile/work_file_layout.h), for the tools that make work files."""
import re
import sys

RECORD_COUNT = 406


def records(layout_path):
    """(offset, size) of every record, in record order."""
    table = []
    pattern = re.compile(r"\{(\d+), (\d+), (\d+), Holder::k\w+, \"[^\"]*\"\}")
    with open(layout_path, encoding="utf-8") as f:
        for m in pattern.finditer(f.read()):
            table.append((int(m.group(2)), int(m.group(3))))
    if len(table) != RECORD_COUNT:
        sys.exit("the layout's record table has %d rows, not %d" % (len(table), RECORD_COUNT))
    return table
