#!/bin/sh
# Records the engine harness's calc, water and grid outputs on the bundled sample
# waters as the fixtures that tests/harness/harness_outputs_test.cpp compares
# against. Run it only when a change of results is intended, and say why in the
# commit. Usage: tools/record_harness_outputs.sh [BUILD]   (default: build)
set -e
BUILD=${1:-build}
HARNESS="$BUILD/tarvex-engine"
OUT=tests/harness/fixtures
mkdir -p "$OUT"
for f in data/samples/*.wat; do
  w=$(basename "$f" .wat)
  "$HARNESS" calc "$f" > "$OUT/calc_$w.txt"
  "$HARNESS" water "$f" > "$OUT/water_$w.txt"
  for k in ph pco2 pressure; do
    "$HARNESS" grid "$k" "$f" > "$OUT/grid_${k}_$w.txt" 2>/dev/null
  done
done
