#!/bin/sh
# Remakes the golden picture of the skeleton job (page 1 at 50 dpi) from the
# current build: run from the repository root, with the build folder as $1.
set -e
BUILD="${1:-build}"
TARVEX_REGEN_GOLDEN=1 "$BUILD/tests/test_printing" --gtest_filter='SkeletonPdfTest.*'
