#!/usr/bin/env python3
"""Words printed over words: reads each PDF with `pdftotext -bbox` and fails
when two words of one page overlap by more than a point both ways (a raised
or lowered character may touch the line next to it). Words made only of rule
characters ("_", "-", "=") are the page's rules and may run under text.

Ink painted over words: pdftotext also reads words that a later fill or an
opaque text cell hides. Each page is rendered with pdftoppm, and a word of two
characters or more whose box holds a stretch of plain colour wider than two of
its characters (or is plain colour throughout) has been painted over where a
reader cannot see it.

usage: pdf_overlap.py FILE.pdf...
"""
import glob
import html
import os
import re
import subprocess
import sys
import tempfile

RULE = set('_-=')
SLACK = 1.0  # points
WORD = re.compile(r'<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">'
                  r'(.*?)</word>')


def pages(path):
    out = subprocess.run(['pdftotext', '-bbox', path, '-'], capture_output=True,
                         text=True, encoding='utf-8', errors='replace').stdout
    for number, page in enumerate(out.split('<page ')[1:], 1):
        words = []
        for m in WORD.finditer(page):
            text = html.unescape(m.group(5))
            if text and not set(text) <= RULE:
                words.append((*map(float, m.group(1, 2, 3, 4)), text))
        yield number, words


def overlaps(words):
    words = sorted(words)
    for i, a in enumerate(words):
        for b in words[i + 1:]:
            if b[0] >= a[2] - SLACK:
                break
            w = min(a[2], b[2]) - max(a[0], b[0])
            h = min(a[3], b[3]) - max(a[1], b[1])
            if w > SLACK and h > SLACK:
                yield a, b


DPI = 100
PLAIN = 24  # grey levels a column may vary by and still be plain colour


def read_pgm(path):
    with open(path, 'rb') as f:
        data = f.read()
    fields, at = [], 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        if data[at:at + 1] == b'#':
            at = data.index(b'\n', at)
            continue
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    assert fields[0] == b'P5', path
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[at + 1:]


def rendered(path, folder):
    """The pages of the PDF as grey pictures at DPI, in page order."""
    subprocess.run(['pdftoppm', '-r', str(DPI), '-gray', path, os.path.join(folder, 'p')],
                   check=True, capture_output=True)
    names = glob.glob(os.path.join(folder, 'p-*.pgm'))
    return sorted(names, key=lambda n: int(re.search(r'-(\d+)\.pgm$', n).group(1)))


def widest_plain_run(picture, box):
    """Pixels of the longest run of plain-colour columns inside the box."""
    width, height, pixels = picture
    scale = DPI / 72.0
    x0, x1 = max(0, int(box[0] * scale) + 1), min(width, int(box[2] * scale))
    y0, y1 = max(0, int(box[1] * scale) + 1), min(height, int(box[3] * scale))
    if x1 <= x0 or y1 <= y0:
        return 0, 0
    rows = [pixels[y * width + x0:y * width + x1] for y in range(y0, y1)]
    run = widest = 0
    for c in range(x1 - x0):
        column = [r[c] for r in rows]
        run = run + 1 if max(column) - min(column) <= PLAIN else 0
        widest = max(widest, run)
    return widest, x1 - x0


def painted_over(picture, words):
    for w in words:
        text = w[4]
        # A lone raised or lowered character has a box of the line's height
        # that its small glyph may miss: only words of two or more are judged.
        if len(text) < 2:
            continue
        widest, span = widest_plain_run(picture, w)
        if span == 0:
            continue
        if widest >= span - 1 or widest > 2.0 * span / max(1, len(text)):
            yield w


def main(paths):
    bad = 0
    for path in paths:
        with tempfile.TemporaryDirectory() as folder:
            pictures = rendered(path, folder)
            for number, words in pages(path):
                for a, b in overlaps(words):
                    print(f'FAIL: {path} page {number}: "{a[4]}" over "{b[4]}" '
                          f'at ({a[0]:.0f},{a[1]:.0f}) and ({b[0]:.0f},{b[1]:.0f})')
                    bad += 1
                if number > len(pictures):
                    continue
                for w in painted_over(read_pgm(pictures[number - 1]), words):
                    print(f'FAIL: {path} page {number}: "{w[4]}" painted over '
                          f'at ({w[0]:.0f},{w[1]:.0f})')
                    bad += 1
    return 1 if bad else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
