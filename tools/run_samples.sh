#!/bin/sh
# make run: until the program's windows exist, run the engine harness over the
# bundled sample waters.
set -e
BUILD=${1:-build}
HARNESS="$BUILD/tarvex-engine"
"$HARNESS" tables
for w in data/samples/*.wat; do
  echo
  echo "== $w"
  "$HARNESS" show "$w"
  "$HARNESS" corrosion "$w"
  "$HARNESS" water "$w"
  for p in data/products/*.prd.txt; do
    "$HARNESS" dose "$w" "$p"
  done
done
echo
echo "== waterflood: data/samples/seawater.wat injected into data/samples/formation.wat"
"$HARNESS" mix profile data/samples/seawater.wat data/samples/formation.wat
