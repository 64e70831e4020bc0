#!/bin/bash
# TIFF files of the image harness against libtiff's tools and ImageMagick as
# black boxes: every coding and depth the writer offers is read by tiffinfo and
# (lossless ones) equals its source; the IFD of an LZW page; appended pages;
# tiffcp's, pamtotiff's and ImageMagick's files read to the pixels
# ImageMagick gives; LZW output against tiffcp's.
#   tiff_outside_files.sh TARVEX_IMAGE SOURCE_DIR
set -u
. "$(dirname "${BASH_SOURCE[0]}")/outside_tools.sh"
psnr() {  # psnr A B: the PSNR in dB (inf as 999)
    compare -metric PSNR "$1" "$2" null: 2>&1 | cut -d' ' -f1 | sed 's/inf/999/'
}
if ! command -v tiffinfo >/dev/null || ! command -v tiffcp >/dev/null; then
    echo "tiff outside files: tiffinfo or tiffcp missing (libtiff-tools)"
    exit 1
fi

cd "$T" || exit 1
"$IM" -size 47x33 -seed 7 plasma:fractal -depth 8 s.ppm
ppmtopgm s.ppm >g.pgm
pnmquant 256 s.ppm >q.ppm 2>/dev/null
pamditherbw s.ppm 2>/dev/null | pamtopnm >b.pbm

tiffok() {  # tiffok WHAT FILE: tiffinfo -D reads it without an error
    if tiffinfo -D "$2" >info.txt 2>err.txt && ! grep -qi "error" err.txt; then ok; else
        bad "$1: tiffinfo: $(head -3 err.txt)"
    fi
}
# Every selector and depth of the kind table (but 6), the options too, on
# pictures of one strip and (m*) of many (a strip holds at most 16 KiB of rows,
# and the later strips start past byte 65535): each file decoded by ImageMagick
# (libtiff) and by our reader, lossless ones equal to their source, JPEG close.
"$IM" -size 401x301 -seed 5 plasma:fractal -depth 8 ms.ppm
ppmtopgm ms.ppm >mg.pgm
pnmquant 256 ms.ppm >mq.ppm 2>/dev/null
"$IM" -size 1001x601 -seed 5 plasma:fractal -depth 8 ppm:- | pamditherbw 2>/dev/null | pamtopnm >mb.pbm
for case in "s.ppm 24 0 1 7 16 17" "q.ppm 8 0 1 2 7 16 18" "g.pgm 8 0 1 2 7" \
    "b.pbm 1 0 1 2 3 4 5 32 35 36 37" "ms.ppm 24 0 1 7" "mq.ppm 8 0 1 2 7" "mg.pgm 8 0 1 2 7" \
    "mb.pbm 1 0 1 2 3 4 5"; do
    set -- $case
    src=$1
    depth=$2
    shift 2
    for c in "$@"; do
        out=w_${src%.*}_$c.tif
        run "$src selector $c" "$H" convert --depth $depth --compression $c "$src" "$out" || continue
        tiffok "$out" "$out"
        if [ "${src#m}" != "$src" ]; then
            strips=$(tiffdump $out | grep -o "StripOffsets (273) [A-Z]* ([0-9]*) [0-9]*" | awk '{print $NF}')
            [ "${strips:-0}" -gt 1 ] && ok || bad "$out: ${strips:-no} strips"
        fi
        rm -f back.pnm ours.ppm
        "$IM" "$out" -depth 8 back.pnm 2>/dev/null || bad "$out: ImageMagick cannot read it"
        run "$out read back" "$H" convert "$out" ours.ppm
        for f in back.pnm ours.ppm; do
            [ -f $f ] || continue
            if [ $((c & 15)) = 7 ]; then
                p=$(psnr "$src" $f)
                awk -v p="$p" 'BEGIN { exit !(p >= 24) }' && ok || bad "$out $f: PSNR $p"
            else
                same "$out $f" "$src" $f
            fi
        done
    done
done

# Selector 7 against tiffcp -c jpeg -r 16 (each from the same source).
"$IM" s.ppm -compress none src.tif
tiffcp -c jpeg -r 16 src.tif tj.tif
"$IM" tj.tif tj.ppm
"$IM" w_s_7.tif w7.ppm
ours=$(psnr s.ppm w7.ppm)
theirs=$(psnr s.ppm tj.ppm)
awk -v a="$ours" -v b="$theirs" 'BEGIN { exit !(a + 1 >= b) }' && ok || bad "selector 7 PSNR $ours against $theirs"
# Selector 6 pages read back through our reader.
for src in s.ppm g.pgm; do
    run "$src selector 6" "$H" convert --compression 6 $src w6.tif &&
        run "read selector 6" "$H" convert w6.tif w6.ppm &&
        p=$(psnr $src w6.ppm) && awk -v p="$p" 'BEGIN { exit !(p >= 24) }' && ok || bad "selector 6 $src"
done

# The IFD of a 24-bit LZW page; a palette page's ColorMap.
tags=$(tiffdump w_s_1.tif | grep -o '^[0-9]* (0x[0-9a-f]*)\|^[A-Za-z]* ([0-9]*)' | grep -o '([0-9]*)' | tr -d '()' | tr '\n' ' ')
[ "$tags" = "254 255 256 257 258 259 262 269 270 273 277 278 279 282 283 284 296 317 " ] && ok ||
    bad "LZW tags: $tags"
tiffdump w_q_0.tif | grep -qi "ColorMap (320) SHORT (3) 768" && ok || bad "ColorMap of 768 values"
# The two names are single strings: tiffinfo warns of nothing and shows them whole.
tiffinfo w_s_1.tif >names.txt 2>&1
grep -qi "warning" names.txt && bad "names: $(grep -i warning names.txt | head -2)" || ok
grep -q "DocumentName: Pardel$" names.txt && grep -q "ImageDescription: Mosswick Sys$" names.txt &&
    ok || bad "names: $(grep -i "name\|description" names.txt)"

# Appending pages 1 and 2 to a page-0 file.
run "page 0" "$H" convert --compression 1 --page 0 s.ppm m.tif
run "page 1" "$H" convert --compression 2 --depth 8 --page 1 g.pgm m.tif
run "page 2" "$H" convert --compression 0 --page 2 s.ppm m.tif
[ "$(tiffinfo m.tif 2>/dev/null | grep -c 'TIFF Directory')" = 3 ] && ok || bad "three directories"
tiffinfo m.tif 2>/dev/null | grep "Page Number" | tr -d ' ' >pn.txt
[ "$(tr '\n' ' ' <pn.txt)" = "PageNumber:0-3 PageNumber:1-3 PageNumber:2-3 " ] && ok || bad "page numbers $(tr '\n' ' ' <pn.txt)"
"$H" pages m.tif | grep -qx "pages 3" && ok || bad "pages"
run "page index 1" "$H" convert --index 1 m.tif p1.ppm && "$IM" g.pgm g.ppm && same "page 1" g.ppm p1.ppm

# A 16-bit grey page written out as a picture shows the high byte of each value.
"$IM" g.pgm -depth 16 -compress none g16.tif
run "16-bit grey to PPM" "$H" convert g16.tif g16.ppm && same "16-bit grey to PPM" g.pgm g16.ppm

# Outside files read to ImageMagick's pixels.
"$IM" g.pgm -compress none grey.tif
"$IM" b.pbm -compress none bw.tif
# (24-bit PackBits pages are not among the codings the reader takes.)
for case in "src.tif lzw" "src.tif lzw:2" "grey.tif lzw" "grey.tif packbits" \
    "bw.tif g3" "bw.tif g3:2d" "bw.tif g4" "bw.tif lzw" "bw.tif packbits"; do
    set -- $case
    out=c_${1%.tif}_${2/:/_}.tif
    tiffcp -c $2 $1 $out 2>/dev/null
    tiffcp -c $2 -f lsb2msb $1 f_$out 2>/dev/null
    tiffcp -c $2 -r 1 $1 r_$out 2>/dev/null
    tiffcp -c $2 -B $1 B_$out 2>/dev/null
    for f in $out f_$out r_$out B_$out; do
        "$IM" $f -depth 8 ref.pnm 2>/dev/null
        run "read $f" "$H" convert $f ours.ppm && same "read $f" ref.pnm ours.ppm
    done
done
tiffcp -c jpeg -r 16 src.tif cj.tif
"$IM" cj.tif cj.ppm
# ImageMagick up-samples the chroma smoothly, the reader repeats samples: close, not equal.
run "read tiffcp jpeg" "$H" convert cj.tif ours.ppm && p=$(psnr cj.ppm ours.ppm) &&
    awk -v p="$p" 'BEGIN { exit !(p >= 33) }' && ok || bad "tiffcp jpeg PSNR $p"
tiffcp src.tif grey.tif bw.tif multi.tif
for i in 0 1 2; do
    "$IM" "multi.tif[$i]" -depth 8 ref.pnm
    run "multi page $i" "$H" convert --index $i multi.tif ours.ppm && same "multi page $i" ref.pnm ours.ppm
done
pamtotiff -g4 b.pbm >pg4.tif 2>/dev/null
"$IM" pg4.tif -depth 8 ref.pnm
run "pamtotiff -g4" "$H" convert pg4.tif ours.ppm && same "pamtotiff -g4" ref.pnm ours.ppm
"$IM" s.ppm -colorspace CMYK cmyk.tif
run "CMYK" "$H" convert cmyk.tif cmyk.ppm
"$IM" s.ppm -alpha set -channel A -evaluate set 50% rgba.tif
"$IM" rgba.tif -alpha off ref.ppm
run "RGBA" "$H" convert --alpha a.ppm rgba.tif ours.ppm && same "RGBA" ref.ppm ours.ppm

# LZW output against tiffcp's.
"$IM" -size 320x240 -seed 3 plasma:fractal -depth 8 big.ppm
"$IM" big.ppm -compress none big.tif
tiffcp -c lzw big.tif big_lzw.tif
run "LZW" "$H" convert --compression 1 big.ppm ours_lzw.tif
a=$(stat -c %s ours_lzw.tif)
b=$(stat -c %s big_lzw.tif)
awk -v a="$a" -v b="$b" 'BEGIN { exit !(a <= 1.05 * b) }' && ok || bad "LZW size $a against $b"

echo "tiff outside files: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
