#!/usr/bin/env python3
"""Words printed over words: reads each PDF with `pdftotext -bbox` and fails
when two words of one page overlap by more than a point both ways (a raised
or lowered character may touch the line next to it). Words made only of rule
characters ("_", "-", "=") are the page's rules and may run under text.

usage: pdf_overlap.py FILE.pdf...
"""
import html
import re
import subprocess
import sys

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


def main(paths):
    bad = 0
    for path in paths:
        for number, words in pages(path):
            for a, b in overlaps(words):
                print(f'FAIL: {path} page {number}: "{a[4]}" over "{b[4]}" '
                      f'at ({a[0]:.0f},{a[1]:.0f}) and ({b[0]:.0f},{b[1]:.0f})')
                bad += 1
    return 1 if bad else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
