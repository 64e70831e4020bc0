#!/bin/sh
# Remakes the golden pictures and word lists from the current build: the
# skeleton job (the words of its pages, page 1 at 50 dpi) and the one-page
# summary, landscape and portrait (words, 40 dpi). Run from the repository
# root, with the build folder as $1.
set -e
BUILD="${1:-build}"
TARVEX_REGEN_GOLDEN=1 "$BUILD/tests/test_printing" --gtest_filter='SkeletonPdfTest.*:OnePagePdf.*'
