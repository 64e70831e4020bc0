#!/bin/sh
# Paints the golden pictures afresh and compares each with its golden under
# ImageMagick (at most 20 pixels differing by more than 10%).
#   golden_check.sh ENGINE SOURCE_DIR WORK_DIR
ENGINE="$1"
SRC="$2"
WORK="$3"
command -v compare >/dev/null 2>&1 || { echo "ImageMagick's compare is missing"; exit 77; }
rm -rf "$WORK" && mkdir -p "$WORK"
sh "$SRC/tests/graphs/golden/pictures.sh" "$ENGINE" "$SRC" "$WORK" || exit 1
failed=0
names="one-chart four-charts grey-hatched report-page well-summary well-summary-hatched well-page"
for style in bars contour; do
    for shade in colour grey; do
        names="$names threed-flat-$style-$shade threed-formation-$style-$shade"
    done
done
names="$names threed-labels-ph threed-labels-pressure threed-labels-mix0 threed-labels-mix1"
names="$names threed-labels-mix2"
for name in $names; do
    diff=$(compare -metric AE -fuzz 10% "$SRC/tests/graphs/golden/$name.ppm" "$WORK/$name.ppm" null: 2>&1)
    if [ "${diff%%.*}" -gt 20 ] 2>/dev/null; then
        echo "$name: $diff pixels differ"
        failed=1
    elif ! [ "${diff%%.*}" -ge 0 ] 2>/dev/null; then
        echo "$name: $diff"
        failed=1
    else
        echo "$name: $diff pixels differ"
    fi
done
# The page graph played back from a metafile draws what it draws directly.
diff=$(compare -metric AE -fuzz 10% "$SRC/tests/graphs/golden/well-page.ppm" "$WORK/well-page-metafile.ppm" null: 2>&1)
if ! [ "${diff%%.*}" -le 20 ] 2>/dev/null; then
    echo "well-page-metafile: $diff pixels differ from well-page"
    failed=1
else
    echo "well-page-metafile: $diff pixels differ from well-page"
fi
exit $failed
