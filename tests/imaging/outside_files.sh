#!/bin/bash
# The image harness against outside tools: pictures written by the library match
# their sources and are read by netpbm; files written by netpbm, ImageMagick and
# a python3 script load exactly.
#   outside_files.sh TARVEX_IMAGE SOURCE_DIR
set -u
. "$(dirname "${BASH_SOURCE[0]}")/outside_tools.sh"

cd "$T" || exit 1
"$IM" -size 47x33 -seed 7 plasma:fractal -depth 8 s.ppm
pnmquant 256 s.ppm >q256.ppm 2>/dev/null
pnmquant 16 s.ppm >q16.ppm 2>/dev/null
pnmquant 2 s.ppm >q2.ppm 2>/dev/null
pamditherbw s.ppm 2>/dev/null | pamtopnm >b.pbm

# The library's writers against their sources, read back by netpbm too.
run "24-bit BMP" "$H" convert s.ppm s24.bmp && same "24-bit BMP" s.ppm s24.bmp
run "8-bit BMP" "$H" convert --depth 8 q256.ppm q8.bmp && same "8-bit BMP" q256.ppm q8.bmp
run "8-bit RLE BMP" "$H" convert --depth 8 --rle q256.ppm q8r.bmp && same "8-bit RLE BMP" q256.ppm q8r.bmp
run "1-bit BMP" "$H" convert b.pbm b1.bmp && same "1-bit BMP" b.pbm b1.bmp
run "1-bit PCX" "$H" convert b.pbm b1.pcx
run "8-bit PCX" "$H" convert --depth 8 q256.ppm q8.pcx && same "8-bit PCX" q256.ppm q8.pcx
for f in s24 q8 q8r b1; do
    run "bmptopnm $f" bmptopnm $f.bmp && bmptopnm $f.bmp >$f.pnm 2>/dev/null && same "bmptopnm $f" $f.bmp $f.pnm
done
# ImageMagick reads every 1-bit PCX file (netpbm's too) with its colours swapped,
# so PCX files are checked through pcxtoppm.
pcxtoppm b1.pcx >b1.pcx.ppm 2>/dev/null && same "1-bit PCX through pcxtoppm" b.pbm b1.pcx.ppm
pcxtoppm q8.pcx >q8.pcx.ppm 2>/dev/null && same "8-bit PCX through pcxtoppm" q256.ppm q8.pcx.ppm
# An 8-bit file of few colours has its palette trailer too, which both tools need.
run "8-bit PCX of 16 colours" "$H" convert --depth 8 q16.ppm q16.pcx
pcxtoppm q16.pcx >q16.pcx.ppm 2>/dev/null && same "16 colours through pcxtoppm" q16.ppm q16.pcx.ppm ||
    bad "pcxtoppm refuses the 16-colour PCX"
"$IM" q16.pcx q16im.ppm 2>/dev/null && same "16 colours through ImageMagick" q16.ppm q16im.ppm ||
    bad "ImageMagick refuses the 16-colour PCX"
# The memory forms give the same bytes as the files.
for opts in "" "--depth 8" "--depth 8 --rle"; do
    src=s.ppm
    [ -n "$opts" ] && src=q256.ppm
    # shellcheck disable=SC2086
    run "memory $opts" "$H" convert $opts $src file.bmp && run "memory $opts" "$H" convert --memory $opts $src mem.bmp &&
        { cmp -s file.bmp mem.bmp && passed=$((passed + 1)) || { echo "FAILED: --memory $opts differs"; failed=$((failed + 1)); }; }
done
run "memory read" "$H" convert --memory q8r.bmp back.ppm && same "memory read" q256.ppm back.ppm

# Outside bitmap files.
for case in "1 q2" "4 q16" "8 q256" "24 s"; do
    set -- $case
    ppmtobmp -bpp=$1 $2.ppm >ppm$1.bmp 2>/dev/null
    run "ppmtobmp -bpp=$1" "$H" convert ppm$1.bmp ppm$1.ppm && same "ppmtobmp -bpp=$1" $2.ppm ppm$1.ppm
done
"$IM" q256.ppm -type Palette -compress RLE BMP3:im_rle.bmp
run "ImageMagick RLE8" "$H" convert im_rle.bmp im_rle.ppm && same "ImageMagick RLE8" q256.ppm im_rle.ppm
[ "$("$H" info im_rle.bmp | grep biCompression)" = "biCompression 1" ] || { echo "FAILED: ImageMagick file is not RLE8"; failed=$((failed + 1)); }

# Outside PCX files.
for case in "plain q2" "plain q16" "plain q256" "-8bit q256" "-24bit s" "-planes=4 q16" "-packed q16"; do
    set -- $case
    opt=$1
    [ "$opt" = plain ] && opt=""
    # shellcheck disable=SC2086
    ppmtopcx $opt $2.ppm >pcx.pcx 2>/dev/null
    run "ppmtopcx $case" "$H" convert pcx.pcx pcx.ppm && same "ppmtopcx $case" $2.ppm pcx.ppm
done

# Kinds made by python3: top-down, OS/2, bitfields, 32 bits, RLE4.
mkdir v
python3 "$SRC/tools/image_harness/bmp_variants.py" q16.ppm v
for kind in topdown os2 os2_8 rgb565 rgb555 rgb32 bgr32 rle4; do
    run "python $kind" "$H" convert v/$kind.bmp v/$kind.out.ppm && same "python $kind" v/$kind.ppm v/$kind.out.ppm
done

# The clipboard's CF_DIB block, given a file header, is the picture; a 16-colour
# picture brings a 16-entry palette and a 256-entry table, grey from entry 16 on.
expect_line() {  # expect_line WHAT EXPECTED GOT
    if [ "$2" = "$3" ]; then
        passed=$((passed + 1))
    else
        echo "FAILED: $1: '$3', expected '$2'"
        failed=$((failed + 1))
    fi
}
with_file_header() {  # with_file_header DIB BMP
    python3 - "$1" "$2" <<'PY'
import struct, sys
dib = open(sys.argv[1], "rb").read()
size, bits, used = struct.unpack_from("<I", dib, 0)[0], struct.unpack_from("<H", dib, 14)[0], struct.unpack_from("<I", dib, 32)[0]
colours = used if used else (1 << bits if bits < 16 else 0)
head = b"BM" + struct.pack("<IHHI", 14 + len(dib), 0, 0, 14 + size + 4 * colours)
open(sys.argv[2], "wb").write(head + dib)
PY
}
expect_line "clipboard 24-bit" "no CF_PALETTE" "$("$H" clipboard s.ppm s.dib)"
with_file_header s.dib s_dib.bmp && same "clipboard 24-bit" s.ppm s_dib.bmp
expect_line "clipboard 16 colours" "CF_PALETTE 16" "$("$H" clipboard --depth 8 q16.ppm q16.dib)"
with_file_header q16.dib q16_dib.bmp && same "clipboard 16 colours" q16.ppm q16_dib.bmp
table=$(python3 -c '
import struct, sys
d = open(sys.argv[1], "rb").read()
used = struct.unpack_from("<I", d, 32)[0]
grey = all(d[40 + 4 * i:43 + 4 * i] == bytes((i, i, i)) for i in range(16, 256))
print(used, "grey" if grey else "not grey")' q16.dib)
expect_line "clipboard table" "256 grey" "$table"

# Drawn into a window of its size on a true-colour screen, the picture shows as it is.
run "show" "$H" show s.ppm shown.ppm && same "show" s.ppm shown.ppm
run "show 8-bit" "$H" show --depth 8 q16.ppm shown8.ppm && same "show 8-bit" q16.ppm shown8.ppm
# Captured back from the screen, the window's picture is the source.
run "capture" "$H" capture s.ppm captured.ppm && same "capture" s.ppm captured.ppm
run "capture 8-bit" "$H" capture --depth 8 q16.ppm captured8.bmp && same "capture 8-bit" q16.ppm captured8.bmp

# Colour reduction to 256 colours, against netpbm's median cut: at most 256 colours, and a
# PSNR no more than 1 dB below pnmquant's.
"$IM" -size 480x270 -seed 3 plasma:fractal -depth 8 p.ppm
if run "reduce" "$H" convert --reduce 256 p.ppm reduced.pcx; then
    colours=$(identify -format %k reduced.pcx)
    [ "$colours" -le 256 ] && passed=$((passed + 1)) || { echo "FAILED: reduce gives $colours colours"; failed=$((failed + 1)); }
    pnmquant 256 p.ppm >pq.ppm 2>/dev/null
    ours=$(compare -metric PSNR p.ppm reduced.pcx null: 2>&1)
    theirs=$(compare -metric PSNR p.ppm pq.ppm null: 2>&1)
    if awk -v a="$ours" -v b="$theirs" 'BEGIN { exit !(a >= b - 1) }'; then
        passed=$((passed + 1))
    else
        echo "FAILED: reduce PSNR $ours against pnmquant's $theirs"
        failed=$((failed + 1))
    fi
fi

# Error diffusion (methods 1 and 3) spreads each channel's error to the same
# channel of the neighbours, without a bias: each channel's mean stays within a
# level of the picture's, and the dithering costs at most 2 dB of PSNR against
# the same search without it (methods 0 and 2), about what ImageMagick's
# Floyd-Steinberg dithering costs.
means() { "$IM" "$1" -format '%[fx:mean.r*255] %[fx:mean.g*255] %[fx:mean.b*255]' info:; }
for m in 0 1 2 3; do
    run "reduce method $m" "$H" convert --reduce 256 --method $m p.ppm m$m.ppm
done
for pair in "1 0" "3 2"; do
    set -- $pair
    diffused=$(compare -metric PSNR p.ppm m$1.ppm null: 2>&1)
    plain=$(compare -metric PSNR p.ppm m$2.ppm null: 2>&1)
    awk -v a="$diffused" -v b="$plain" 'BEGIN { exit !(a >= b - 2) }' && ok ||
        bad "reduce method $1 PSNR $diffused against method $2's $plain"
    echo "$(means p.ppm) $(means m$1.ppm)" | awk '{ for (c = 1; c <= 3; ++c) {
        d = $(c + 3) - $c; if (d > 1 || d < -1) exit 1 } }' && ok ||
        bad "reduce method $1 means $(means m$1.ppm) against $(means p.ppm)"
done

# A picture of at most 256 colours comes back with every channel within 19 of its source.
pnmquant 256 p.ppm >p256.ppm 2>/dev/null
if run "reduce 256 of 256" "$H" convert --reduce 256 p256.ppm r256.ppm; then
    pae=$(compare -metric PAE p256.ppm r256.ppm null: 2>&1 | sed 's/.*(\(.*\))/\1/')
    if awk -v a="$pae" 'BEGIN { exit !(a <= 0.075) }'; then
        passed=$((passed + 1))
    else
        echo "FAILED: reduce of a 256-colour picture: PAE $pae"
        failed=$((failed + 1))
    fi
fi

# A picture of colour-cube colours goes onto the cube exactly; an 8-bit screen shows a
# 24-bit picture through a copy of at most 256 colours.
python3 -c '
import sys
w, h = 36, 6
rows = bytes(v for y in range(h) for x in range(w) for v in (51 * (x % 6), 51 * (x // 6), 51 * y))
sys.stdout.buffer.write(b"P6\n%d %d\n255\n" % (w, h) + rows)' >cube.ppm
run "fixed cube" "$H" convert --fixed cube cube.ppm cube.bmp && same "fixed cube" cube.ppm cube.bmp
if run "show on 8 bits" "$H" show --screen-depth 8 --dither 0 p.ppm shown8bit.ppm; then
    colours=$(identify -format %k shown8bit.ppm)
    [ "$colours" -le 256 ] && passed=$((passed + 1)) || { echo "FAILED: an 8-bit screen shows $colours colours"; failed=$((failed + 1)); }
fi

# Quarter turns, mirroring and flipping equal pamflip's; halving with filter 1 is within 1
# of pamscale's box filter (which rounds where the library truncates).
"$IM" -size 48x34 -seed 7 plasma:fractal -depth 8 g48.ppm
ppmtopgm g48.ppm >g48.pgm
pamditherbw g48.ppm 2>/dev/null | pamtopnm >g48.pbm
for src in g48.ppm g48.pgm g48.pbm; do
    for turn in "--rotate 90:-r90" "--rotate 180:-r180" "--rotate 270:-r270" "--mirror:-lr" "--flip:-tb"; do
        ours=${turn%%:*}
        theirs=${turn##*:}
        pamflip $theirs $src >flipped.pnm
        # shellcheck disable=SC2086
        run "$src $ours" "$H" convert $ours $src turned.ppm && same "$src $ours" flipped.pnm turned.ppm
    done
done
pamscale -reduce 2 -filter=box g48.ppm >scaled.ppm 2>/dev/null
if run "resize" "$H" convert --resize 24x17 --filter 1 g48.ppm resized.ppm; then
    pae=$(compare -metric PAE scaled.ppm resized.ppm null: 2>&1 | sed 's/.*(\(.*\))/\1/')
    awk -v a="$pae" 'BEGIN { exit !(a <= 0.004) }' && passed=$((passed + 1)) || { echo "FAILED: resize PAE $pae"; failed=$((failed + 1)); }
fi

# ScaleBitmap: the same size gives the same pixels; halving averages 2 x 2 (within 1 of
# pamscale's box filter).
run "scale-bitmap same" "$H" scale-bitmap g48.ppm 48x34 sb_same.ppm && same "scale-bitmap same" g48.ppm sb_same.ppm
if run "scale-bitmap half" "$H" scale-bitmap g48.ppm 24x17 sb_half.ppm; then
    pae=$(compare -metric PAE scaled.ppm sb_half.ppm null: 2>&1 | sed 's/.*(\(.*\))/\1/')
    awk -v a="$pae" 'BEGIN { exit !(a <= 0.004) }' && passed=$((passed + 1)) || { echo "FAILED: scale-bitmap PAE $pae"; failed=$((failed + 1)); }
fi

echo "outside files: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
