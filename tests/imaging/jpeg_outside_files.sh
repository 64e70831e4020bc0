#!/bin/bash
# JPEG files of the image harness against libjpeg-turbo's tools as black boxes:
# every mode and kind of picture decodes cleanly with djpeg; the baseline file
# matches cjpeg's (tables, scan bytes, size); progressive quality 100 matches
# cjpeg -progressive -optimize in size; cjpeg's, jpegtran's and ImageMagick's
# files read as djpeg reads them; python-made Exif thumbnails come out.
#   jpeg_outside_files.sh TARVEX_IMAGE SOURCE_DIR
set -u
. "$(dirname "${BASH_SOURCE[0]}")/outside_tools.sh"
pae() {  # pae WHAT A B LIMIT: compare -metric PAE at most LIMIT (0..65535)
    local v
    v=$(compare -metric PAE "$2" "$3" null: 2>&1 | cut -d' ' -f1)
    awk -v v="$v" -v l="$4" 'BEGIN { exit !(v != "" && v + 0 <= l + 0) }' && ok || bad "$1: PAE $v"
}
within() {  # within WHAT A B PERCENT: size of A within PERCENT of B
    local a b
    a=$(stat -c %s "$2")
    b=$(stat -c %s "$3")
    awk -v a="$a" -v b="$b" -v p="$4" 'BEGIN { d = a - b; if (d < 0) d = -d; exit !(d * 100 <= p * b) }' &&
        ok || bad "$1: $a bytes against $b"
}
if ! command -v djpeg >/dev/null || ! command -v cjpeg >/dev/null; then
    echo "jpeg outside files: djpeg or cjpeg missing (libjpeg-turbo-progs)"
    exit 1
fi

cd "$T" || exit 1
"$IM" -size 640x480 -seed 7 plasma:fractal -depth 8 big.ppm
"$IM" -size 47x33 -seed 7 plasma:fractal -depth 8 mid.ppm
"$IM" -size 1x1 -seed 7 plasma:fractal -depth 8 one.ppm
for s in big mid one; do
    ppmtopgm $s.ppm >${s}_grey.pgm
    pnmquant 256 $s.ppm >${s}_pal.ppm 2>/dev/null || cp $s.ppm ${s}_pal.ppm
done

# Every mode of every kind decodes without a word from djpeg.
for src in big.ppm mid.ppm one.ppm big_grey.pgm mid_grey.pgm one_grey.pgm big_pal.ppm mid_pal.ppm; do
    for flags in 0 1 2 17; do
        out=${src%.*}_$flags.jpg
        run "$src flags $flags" "$H" convert --flags $flags "$src" "$out" || continue
        if djpeg -dct int -nosmooth -ppm "$out" >/dev/null 2>err.txt && [ ! -s err.txt ]; then ok; else
            bad "djpeg $out: $(cat err.txt)"
        fi
    done
    scans=$(djpeg -verbose -verbose "${src%.*}_1.jpg" 2>&1 >/dev/null | grep -c "Start Of Scan")
    case $src in *grey*) want=6 ;; *) want=10 ;; esac
    [ "$scans" = $want ] && ok || bad "$src flags 1: $scans scans"
    djpeg -verbose -verbose "${src%.*}_1.jpg" 2>&1 >/dev/null | grep -q "Start Of Frame 0xc2" && ok ||
        bad "$src flags 1: no SOF2"
done

# Baseline quality 75 against cjpeg: the same tables and scan bytes.
run "baseline" "$H" convert --quality 75 big.ppm b75.jpg
cjpeg -dct int -baseline -quality 75 big.ppm >c75.jpg
python3 - b75.jpg c75.jpg <<'PY' && ok || bad "baseline q75: tables or scan differ from cjpeg's"
import sys
a, b = (open(f, "rb").read() for f in sys.argv[1:3])
def dqt(f):
    out, i = [], 2
    while f[i + 1] != 0xDA:
        n = f[i + 2] << 8 | f[i + 3]
        if f[i + 1] == 0xDB:
            out.append(f[i + 4:i + 2 + n])
        i += 2 + n
    return b"".join(out)
scan = lambda f: f[f.index(b"\xff\xda"):]
sys.exit(0 if dqt(a) == dqt(b) and scan(a) == scan(b) else 1)
PY
djpeg -dct int -nosmooth -ppm b75.jpg >b75.ppm
djpeg -dct int -nosmooth -ppm c75.jpg >c75.ppm
pae "baseline q75 pictures" b75.ppm c75.ppm 514
within "baseline q75 size" b75.jpg c75.jpg 3

# Quality 100: progressive and optimised sequential carry the same coefficients.
run "q100 flags 1" "$H" convert --quality 100 --flags 1 big.ppm p1.jpg
run "q100 flags 2" "$H" convert --quality 100 --flags 2 big.ppm p2.jpg
djpeg -dct int -nosmooth -ppm p1.jpg >p1.ppm
djpeg -dct int -nosmooth -ppm p2.jpg >p2.ppm
pae "progressive = optimised" p1.ppm p2.ppm 0
cjpeg -dct int -quality 100 -progressive -optimize big.ppm >cp.jpg
within "progressive q100 size" p1.jpg cp.jpg 1

# Reading outside files as djpeg reads them.
cjpeg -optimize mid.ppm >r_optimize.jpg
cjpeg -progressive big.ppm >r_progressive.jpg
cjpeg -grayscale big.ppm >r_grey.jpg
cjpeg -restart 1 big.ppm >r_restart.jpg
cjpeg -restart 1B mid.ppm >r_restart_block.jpg
for s in 1x1 2x1 2x2 1x2; do cjpeg -sample $s mid.ppm >r_sample_$s.jpg; done
cjpeg -rgb mid.ppm >r_rgb.jpg
jpegtran -restart 1 c75.jpg >r_jpegtran_restart.jpg
jpegtran -progressive c75.jpg >r_jpegtran_progressive.jpg
cjpeg -progressive -restart 2B mid.ppm >r_progressive_restart.jpg
for f in r_*.jpg; do
    djpeg -dct int -nosmooth -ppm "$f" >"${f%.jpg}.ref.pnm"
    run "read $f" "$H" convert "$f" "${f%.jpg}.ppm" && pae "read $f" "${f%.jpg}.ppm" "${f%.jpg}.ref.pnm" 257
done
# ImageMagick's CMYK file loads; python-made Exif files give their thumbnails.
"$IM" mid.ppm -colorspace CMYK cmyk.jpg
run "CMYK" "$H" convert cmyk.jpg cmyk.ppm
"$IM" -size 8x6 -seed 3 plasma:fractal -depth 8 t.ppm
cjpeg t.ppm >thumb.jpg
python3 "$SRC/tools/image_harness/jpeg_exif.py" c75.jpg thumb.jpg exif.jpg
python3 "$SRC/tools/image_harness/jpeg_exif.py" c75.jpg thumb.jpg exif_mm.jpg MM
for f in exif exif_mm; do
    "$H" info $f.jpg >info.txt 2>&1
    for line in "xDensity 300" "yDensity 150" "units 1" "thumbnailKind 21"; do
        grep -qx "$line" info.txt && ok || bad "$f info: no '$line'"
    done
    run "$f thumbnail" "$H" thumbnail $f.jpg 8x6 $f.ppm && djpeg -dct int -nosmooth -ppm thumb.jpg >thumb.ref.ppm &&
        pae "$f thumbnail" $f.ppm thumb.ref.ppm 257
done

echo "jpeg outside files: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
