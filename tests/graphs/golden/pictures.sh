#!/bin/sh
# The golden pictures of the 2D bar graph, made by the engine harness:
#   pictures.sh ENGINE SOURCE_DIR OUT_DIR
# writes one-chart.ppm, four-charts.ppm, grey-hatched.ppm and report-page.ppm,
# the well-log summary graph (well-summary.ppm, grey and hatched
# well-summary-hatched.ppm) and the well-log page graph (well-page.ppm, and
# well-page-metafile.ppm played back from a metafile, which matches it),
# and the 3D graphs: bars and contour, colour and grey, of a flat grid and of
# the formation water's pH grid (threed-*.ppm).
set -e
ENGINE="$1"
SRC="$2"
OUT="$3"
SEA="$SRC/data/samples/seawater.wat"
mkdir -p "$OUT"
export ASAN_OPTIONS=detect_leaks=0
"$ENGINE" graph2d temperature "$SEA" --codes 0 --size 800x600 --out "$OUT/one-chart.ppm" >/dev/null 2>&1
"$ENGINE" graph2d temperature "$SEA" --codes 0,21,10,11 --size 800x600 --out "$OUT/four-charts.ppm" >/dev/null 2>&1
"$ENGINE" graph2d temperature "$SEA" --codes 0,21,10,11 --size 800x600 --grey --hatch --formulas \
    --out "$OUT/grey-hatched.ppm" >/dev/null 2>&1
"$ENGINE" graph2d page "$SEA" --codes 4,5,0,21 --size 850x700 --out "$OUT/report-page.ppm" >/dev/null 2>&1
"$ENGINE" welllog "$SEA" --size 1200x800 --out "$OUT/well-summary.ppm" >/dev/null 2>&1
"$ENGINE" welllog "$SEA" --size 1200x800 --grey --hatch --out "$OUT/well-summary-hatched.ppm" \
    >/dev/null 2>&1
"$ENGINE" wellpage "$SEA" --params 0,2,40,41 --rect 20,700,830,150 --out "$OUT/well-page.ppm" \
    >/dev/null 2>&1
"$ENGINE" wellpage "$SEA" --params 0,2,40,41 --rect 20,700,830,150 --metafile \
    --out "$OUT/well-page-metafile.ppm" >/dev/null 2>&1
FORMATION="$SRC/data/samples/formation.wat"
for style in bars contour; do
    opt=""
    [ "$style" = contour ] && opt="--contour"
    for shade in colour grey; do
        g=""
        [ "$shade" = grey ] && g="--grey"
        "$ENGINE" graph3d ph --code 0 --flat 2.5 --size 640x480 --black $opt $g \
            --out "$OUT/threed-flat-$style-$shade.ppm" >/dev/null 2>&1
        "$ENGINE" graph3d ph "$FORMATION" --code 0 --size 640x480 $opt $g \
            --out "$OUT/threed-formation-$style-$shade.ppm" >/dev/null 2>&1
    done
done
# Each grid kind with its texts: the single-water pH and pressure grids, the
# three mixing grids of sea water injected into the formation water.
SEA_INJECTION="$SRC/data/samples/seawater.wat"
"$ENGINE" graph3d ph "$FORMATION" --code 0 --labels --out "$OUT/threed-labels-ph.ppm" >/dev/null 2>&1
"$ENGINE" graph3d pressure "$FORMATION" --code 11 --labels --out "$OUT/threed-labels-pressure.ppm" \
    >/dev/null 2>&1
for kind in mix0 mix1 mix2; do
    "$ENGINE" graph3d $kind "$SEA_INJECTION" "$FORMATION" --code 21 --labels \
        --out "$OUT/threed-labels-$kind.ppm" >/dev/null 2>&1
done
