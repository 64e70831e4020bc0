#!/bin/bash
# PNG files of the image harness against outside tools: every kind of image and
# every option passes pngcheck, matches its source and holds exactly its filtered
# rows; python-made files of all 15 formats and netpbm's files load exactly.
#   png_outside_files.sh TARVEX_IMAGE SOURCE_DIR
set -u
. "$(dirname "${BASH_SOURCE[0]}")/outside_tools.sh"

cd "$T" || exit 1
"$IM" -size 47x33 -seed 7 plasma:fractal -depth 8 s.ppm
ppmtopgm s.ppm >g.pgm
pnmquant 256 s.ppm >q.ppm 2>/dev/null
pamditherbw s.ppm 2>/dev/null | pamtopnm >b.pbm

# Every kind and option: pngcheck, the picture, the rows in the stream, and back.
for kind in "s.ppm" "g.pgm" "q.ppm --depth 8" "b.pbm"; do
    set -- $kind
    src=$1
    shift
    for option in 0 1 2 4 6 8 10 12; do
        out="o_${src%.*}_$option.png"
        what="$src option $option"
        run "$what" "$H" convert "$@" --option $option $src $out || continue
        if pngcheck -v $out >check.txt 2>&1 && grep -q "No errors detected" check.txt; then ok; else
            bad "$what: pngcheck"
            tail -3 check.txt
        fi
        same "$what" $src $out
        run "$what rows" python3 "$SRC/tools/image_harness/png_formats.py" --check $out && ok
        run "$what back" "$H" convert $out back.ppm && same "$what back" $src back.ppm
    done
done
# The memory form writes the file's bytes and reads them back.
run "memory" "$H" convert --memory --option 1 s.ppm m.png && cmp -s m.png o_s_1.png && ok || bad "memory form differs"
run "memory read" "$H" convert --memory m.png m.ppm && same "memory read" s.ppm m.ppm
# Transparency: pngcheck accepts each kind's tRNS.
trns() {  # trns VALUE CONVERT-ARGUMENTS...
    local value=$1
    shift
    run "tRNS $*" "$H" convert --trns "$value" "$@" t.png && pngcheck -v t.png | grep -q tRNS &&
        pngcheck -q t.png && ok || bad "tRNS $*"
}
trns 0x102030 s.ppm
trns 17 g.pgm
trns 3 --depth 8 q.ppm
# A transparent index past a 2-colour palette: the palette grows to hold it, and
# ImageMagick reads the file without a warning; a 1-bit palette cannot grow, so
# that file has no tRNS and stays valid.
"$IM" -size 8x4 xc:black -fill white -draw "point 1,1" -depth 8 c2.ppm
trns 5 --depth 8 c2.ppm
"$IM" t.png null: >im.txt 2>&1 && [ ! -s im.txt ] && ok || bad "tRNS 5 of 2 colours: $(head -2 im.txt)"
run "tRNS past a 1-bit palette" "$H" convert --trns 5 b.pbm t1.png && pngcheck -q t1.png && ok ||
    bad "tRNS 5 of a 1-bit picture: $(pngcheck t1.png)"

# All 15 formats, plain and Adam7, made by python.
python3 "$SRC/tools/image_harness/png_formats.py" fm
count=0
for f in fm/*.png; do
    run "$f" "$H" convert $f ${f%.png}.out.ppm && same "$f" ${f%.png}.ppm ${f%.png}.out.ppm
    count=$((count + 1))
done
[ $count = 30 ] && ok || bad "python made $count files, not 30"
# The queries: header values and texts.
"$H" info fm/f14_i1.png >info.txt 2>&1
for line in "width 19" "height 13" "bitDepth 16" "imageDepth 24" "colorType 6" "interlaced 1" \
    "format 14" "gamma 45455" "xPerUnit 3780" "unit 1"; do
    grep -qx "$line" info.txt && ok || bad "info: no '$line'"
done
[ "$("$H" text fm/f07_i0.png Title)" = "format 7" ] && ok || bad "text Title"
[ "$("$H" text fm/f07_i0.png Comment)" = "after the image data" ] && ok || bad "text Comment"
"$H" text fm/f07_i0.png title >/dev/null 2>&1 && bad "text title found" || ok

# netpbm's palette and grey files.
pnmtopng q.ppm >pq.png 2>/dev/null
pnmtopng g.pgm >pg.png 2>/dev/null
pnmtopng -interlace b.pbm >pb.png 2>/dev/null
"$H" info pq.png | grep -qx "colorType 3" && ok || bad "pnmtopng did not write a palette file"
for case in "pq q.ppm" "pg g.pgm" "pb b.pbm"; do
    set -- $case
    run "pnmtopng $1" "$H" convert $1.png $1.ppm && same "pnmtopng $1" $2 $1.ppm
done

echo "png outside files: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
