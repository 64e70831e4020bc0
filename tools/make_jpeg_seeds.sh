#!/bin/bash
# Remakes the seed corpus of the JPEG fuzz target (fuzz/corpus/jpeg) and the
# outside-made files of the JPEG tests (tests/imaging/jpeg/files): our own
# writer's modes and thumbnails, cjpeg's and jpegtran's sampling, restart and
# progressive files, ImageMagick's CMYK file and python-made Exif blocks.
#   make_jpeg_seeds.sh BUILD   (BUILD holds tarvex-image)
set -eu
cd "$(dirname "$0")/.."
H=$(realpath "${1:-build}")/tarvex-image
IM=$(command -v convert-im6.q16 || command -v magick || echo convert)
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
out=fuzz/corpus/jpeg
files=tests/imaging/jpeg/files
rm -rf "$out" "$files"
mkdir -p "$out" "$files"

"$IM" -size 29x19 -seed 7 plasma:fractal -depth 8 "$T/s.ppm"
ppmtopgm "$T/s.ppm" >"$T/g.pgm"
"$IM" -size 8x6 -seed 3 plasma:fractal -depth 8 "$T/t.ppm"

for f in 0 1 2 17; do "$H" convert --quality 60 --flags $f --thumb-size 8 "$T/s.ppm" "$out/ours_$f.jpg"; done
for f in 1 17; do "$H" convert --quality 60 --flags $f --thumb-size 8 "$T/g.pgm" "$out/ours_grey_$f.jpg"; done
"$H" convert --quality 1 "$T/s.ppm" "$out/ours_q1.jpg"
cjpeg -quality 60 -restart 1 "$T/s.ppm" >"$out/restart1.jpg"
cjpeg -quality 60 -sample 1x1 -restart 1 "$T/s.ppm" >"$out/restart1_11.jpg"
cjpeg -quality 60 -progressive -restart 1 "$T/s.ppm" >"$out/progressive_restart.jpg"
cjpeg -quality 60 -sample 2x1 "$T/s.ppm" >"$out/sample21.jpg"
cjpeg -quality 60 -rgb "$T/s.ppm" >"$out/rgb.jpg"
cjpeg -quality 60 -grayscale -progressive "$T/s.ppm" >"$out/grey_progressive.jpg"
cjpeg -quality 60 "$T/s.ppm" | jpegtran -progressive >"$out/jpegtran_progressive.jpg"
"$IM" "$T/s.ppm" -quality 60 -colorspace CMYK "$out/cmyk.jpg"
cjpeg -quality 50 "$T/t.ppm" >"$T/thumb.jpg"
python3 tools/image_harness/jpeg_exif.py "$out/ours_0.jpg" "$T/thumb.jpg" "$out/exif_jpeg.jpg"
python3 tools/image_harness/jpeg_exif.py "$out/ours_0.jpg" strip "$out/exif_strip.jpg" MM

# The unit tests' outside-made files.
"$IM" -size 96x64 -seed 5 plasma:fractal -depth 8 "$T/r.ppm"
cjpeg -quality 90 -restart 1B "$T/r.ppm" >"$files/restart1.jpg"
cjpeg -quality 90 -restart 7B "$T/r.ppm" >"$files/restart7.jpg"
djpeg -dct int -nosmooth -ppm "$files/restart1.jpg" >"$files/restart1.ppm"
djpeg -dct int -nosmooth -ppm "$files/restart7.jpg" >"$files/restart7.ppm"
cp "$out/cmyk.jpg" "$out/exif_jpeg.jpg" "$out/exif_strip.jpg" "$files/"
