#!/bin/bash
# Remakes the seed corpora of the image fuzz targets (fuzz/corpus/bmp, dib and pcx)
# from small pictures, with netpbm, ImageMagick and tools/image_harness/bmp_variants.py:
# every depth, compression and header kind the readers know, each file a few hundred bytes.
set -eu
cd "$(dirname "$0")/.."
IM=$(command -v convert-im6.q16 || command -v magick || echo convert)
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
bmp=fuzz/corpus/bmp
dib=fuzz/corpus/dib
pcx=fuzz/corpus/pcx
rm -rf "$bmp" "$dib" "$pcx"
mkdir -p "$bmp" "$dib" "$pcx"

"$IM" -size 13x7 -seed 3 plasma:fractal -depth 8 "$T/s.ppm"
pnmquant 256 "$T/s.ppm" >"$T/q256.ppm" 2>/dev/null
pnmquant 16 "$T/s.ppm" >"$T/q16.ppm" 2>/dev/null
pnmquant 2 "$T/s.ppm" >"$T/q2.ppm" 2>/dev/null

for case in "1 q2" "4 q16" "8 q256" "24 s"; do
    set -- $case
    ppmtobmp -bpp=$1 "$T/$2.ppm" >"$bmp/ppmtobmp_$1.bmp" 2>/dev/null
done
"$IM" "$T/q16.ppm" -type Palette -compress RLE "BMP3:$bmp/rle8.bmp"
mkdir "$T/v"
python3 tools/image_harness/bmp_variants.py "$T/q16.ppm" "$T/v"
for kind in topdown os2 os2_8 rgb565 rgb555 rgb32 bgr32 rle4; do cp "$T/v/$kind.bmp" "$bmp/$kind.bmp"; done
# Packed DIBs (clipboard blocks): the bitmaps without their file header.
for f in "$bmp"/*.bmp; do
    name=${f##*/}
    case $name in os2*) continue ;; esac
    tail -c +15 "$f" >"$dib/${name%.bmp}.dib"
done

for case in "plain q2" "plain q16" "-8bit q256" "-24bit s" "-packed q16"; do
    set -- $case
    opt=$1
    [ "$opt" = plain ] && opt=""
    # shellcheck disable=SC2086
    ppmtopcx $opt "$T/$2.ppm" >"$pcx/ppmtopcx${opt:-_plain}_$2.pcx" 2>/dev/null
done
ls -l "$bmp" "$dib" "$pcx"
