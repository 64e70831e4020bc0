#!/bin/bash
# Remakes the seed corpora of the TIFF fuzz targets (fuzz/corpus/tiff and
# fuzz/corpus/tiff_codecs): our writer's pages in every coding, libtiff's
# tiffcp variants (byte orders, fill order, strips, CCITT, JPEG, several
# pages), ImageMagick's CMYK and RGBA files; the codec seeds are strips of
# those files behind a two-byte width.
#   make_tiff_seeds.sh BUILD   (BUILD holds tarvex-image)
set -eu
cd "$(dirname "$0")/.."
H=$(realpath "${1:-build}")/tarvex-image
IM=$(command -v convert-im6.q16 || command -v magick || echo convert)
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
out=fuzz/corpus/tiff
codecs=fuzz/corpus/tiff_codecs
rm -rf "$out" "$codecs"
mkdir -p "$out" "$codecs"

"$IM" -size 13x9 -seed 7 plasma:fractal -depth 8 "$T/s.ppm"
ppmtopgm "$T/s.ppm" >"$T/g.pgm"
pnmquant 16 "$T/s.ppm" >"$T/q.ppm" 2>/dev/null
pamditherbw "$T/s.ppm" 2>/dev/null | pamtopnm >"$T/b.pbm"
for c in 0 1 7; do "$H" convert --compression $c "$T/s.ppm" "$out/ours_rgb_$c.tif"; done
for c in 0 1 2; do "$H" convert --depth 8 --compression $c "$T/q.ppm" "$out/ours_palette_$c.tif"; done
"$H" convert --compression 7 "$T/g.pgm" "$out/ours_grey_7.tif"
"$H" convert --compression 6 "$T/g.pgm" "$out/ours_grey_6.tif"
for c in 0 1 2 3 4 5 37; do "$H" convert --compression $c "$T/b.pbm" "$out/ours_bilevel_$c.tif"; done
"$H" convert --compression 1 --page 0 "$T/s.ppm" "$out/ours_pages.tif"
"$H" convert --compression 2 --depth 8 --page 1 "$T/g.pgm" "$out/ours_pages.tif"
"$IM" "$T/s.ppm" -compress none "$T/rgb.tif"
"$IM" "$T/b.pbm" -compress none "$T/bw.tif"
tiffcp -c lzw:2 -B "$T/rgb.tif" "$out/tiffcp_lzw2_msb.tif"
tiffcp -c packbits -r 1 "$T/rgb.tif" "$out/tiffcp_packbits_r1.tif"
tiffcp -c jpeg -r 16 "$T/rgb.tif" "$out/tiffcp_jpeg.tif"
tiffcp -c g3:2d "$T/bw.tif" "$out/tiffcp_g3_2d.tif"
tiffcp -c g4 -f lsb2msb "$T/bw.tif" "$out/tiffcp_g4_lsb.tif"
tiffcp -c g3 -B "$T/bw.tif" "$out/tiffcp_g3_msb.tif"
tiffcp "$T/rgb.tif" "$T/bw.tif" "$out/tiffcp_two_pages.tif"
"$IM" "$T/s.ppm" -colorspace CMYK "$out/cmyk.tif"
"$IM" "$T/s.ppm" -alpha set "$out/rgba.tif"
# Codec seeds: a width, then a strip.
python3 - "$out" "$codecs" <<'PY'
import os, struct, sys
src, dst = sys.argv[1:3]
for name in sorted(os.listdir(src)):
    data = open(os.path.join(src, name), "rb").read()
    if data[:2] != b"II":
        continue
    ifd = struct.unpack("<I", data[4:8])[0]
    n = struct.unpack("<H", data[ifd:ifd + 2])[0]
    fields = {}
    for i in range(n):
        tag, typ, count, value = struct.unpack("<HHII", data[ifd + 2 + 12 * i:ifd + 14 + 12 * i])
        if typ == 3 and count == 1:
            value &= 0xFFFF
        fields[tag] = (count, value)
    if fields.get(259, (1, 1))[1] not in (2, 3, 4, 5, 32773) or fields[273][0] != 1:
        continue
    strip = data[fields[273][1]:fields[273][1] + fields[279][1]]
    open(os.path.join(dst, name[:-4] + ".bin"), "wb").write(struct.pack(">H", fields[256][1]) + strip)
PY
