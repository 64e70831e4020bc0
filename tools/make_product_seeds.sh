#!/bin/bash
# Remakes the seed corpus of the product file fuzz target (fuzz/corpus/product_file)
# with the engine harness: each layout plain and scrambled, one product of one
# component, one of nine (two entries past the base record) and the samples.
# Usage: tools/make_product_seeds.sh [BUILD]   (BUILD defaults to build)
set -eu
cd "$(dirname "$0")/.."
HARNESS=${1:-build}/tarvex-engine
out=fuzz/corpus/product_file
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
rm -rf "$out"
mkdir -p "$out"

{
    echo "name = NINE"
    echo "file = NINE.PRD"
    echo "header_value = 1"
    echo "limit = 21 -99 500"
    for k in 1 2 3 4 5 6 7 8 9; do
        echo "component"
        echo "name = PART $k"
        echo "treated = $k"
        echo "limit_code = $k"
        echo "kind = 1"
        echo "c9 = 0.$k"
        echo "active_conc = 0.5"
        echo "component_limit = $k -99 $k"
    done
} >"$T/nine.txt"
printf 'name = ONE\nfile = ONE.PRD\nheader_value = 1\ncomponent\ntreated = 21\nkind = 0\n' >"$T/one.txt"

export ASAN_OPTIONS=detect_leaks=0
"$HARNESS" product pack "$T/one.txt" "$out/one_current.prd"
"$HARNESS" product pack "$T/one.txt" "$out/one_older_scrambled.prd" --older --scramble 0102030405060708
"$HARNESS" product pack "$T/nine.txt" "$out/nine_older.prd" --older
"$HARNESS" product pack "$T/nine.txt" "$out/nine_current_scrambled.prd" --scramble F0E1D2C3B4A59687
"$HARNESS" product pack data/products/dtpmp.prd.txt "$out/dtpmp_older.prd" --older
ls -l "$out"
