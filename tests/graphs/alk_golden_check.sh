#!/bin/sh
# Paints the pH-alkalinity graph (screen and paper style) and the curve input's
# help screen, and compares each with its golden under ImageMagick (at most 20
# pixels differing by more than 10%).
#   alk_golden_check.sh ENGINE SOURCE_DIR WORK_DIR [--remake]
# With --remake the pictures are written over the goldens instead (look at
# them before committing: convert FILE.ppm FILE.png).
ENGINE="$1"
SRC="$2"
WORK="$3"
GOLDEN="$SRC/tests/graphs/golden"
export ASAN_OPTIONS=detect_leaks=0
if [ "$4" = "--remake" ]; then
    WORK="$GOLDEN"
else
    command -v compare >/dev/null 2>&1 || { echo "ImageMagick's compare is missing"; exit 77; }
    rm -rf "$WORK" && mkdir -p "$WORK"
fi
PAIRS="10:7.2,50:7.9,300:8.6"
"$ENGINE" alk --pairs "$PAIRS" --coef 4.5,0,0,1.43 --size 800x600 --out "$WORK/alk-curve.ppm" &&
"$ENGINE" alk --pairs "$PAIRS" --coef 4.5,0,0,1.43 --size 640x480 --paper \
    --out "$WORK/alk-curve-paper.ppm" &&
"$ENGINE" alk --help-snap "$WORK/alk-help.ppm" || exit 1
[ "$4" = "--remake" ] && exit 0
failed=0
for name in alk-curve alk-curve-paper alk-help; do
    diff=$(compare -metric AE -fuzz 10% "$GOLDEN/$name.ppm" "$WORK/$name.ppm" null: 2>&1)
    if [ "${diff%%.*}" -gt 20 ] 2>/dev/null || ! [ "${diff%%.*}" -ge 0 ] 2>/dev/null; then
        echo "$name: $diff pixels differ"
        failed=1
    else
        echo "$name: $diff pixels differ"
    fi
done
exit $failed
