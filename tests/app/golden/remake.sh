#!/bin/sh
# Remakes the golden pictures of the printed-report scripts (page 1 at 60 dpi,
# and the words of every page) and of the summary windows
# from the current build: run from the repository root, with the build folder
# as $1.
set -e
BUILD="${1:-build}"
TARVEX_REGEN_GOLDEN=1 "$BUILD/tests/test_app" --gtest_filter='PrintReportsRun.PrintSurface*:SummaryWindowsRun.BundledScript*'
