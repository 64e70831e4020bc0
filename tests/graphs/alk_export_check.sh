#!/bin/sh
# The pH-alkalinity graph window's EXPORT IMAGE read back by outside tools:
# TIFF with PackBits and an 8-bit palette (tiffinfo), JPEG (djpeg), PNG
# (pngcheck); a name with another ending gets the message and no file.
#   alk_export_check.sh ENGINE WORK_DIR
ENGINE="$1"
WORK="$2"
for tool in tiffinfo djpeg pngcheck; do
    command -v $tool >/dev/null 2>&1 || { echo "$tool is missing"; exit 77; }
done
export ASAN_OPTIONS=detect_leaks=0
rm -rf "$WORK" && mkdir -p "$WORK" && cd "$WORK" || exit 1
export_as() {
    "$ENGINE" alk --pairs 10:7.2,50:7.9,300:8.6 --coef 4.5,0,0,1.43 --export "$1"
}
failed=0
fail() { echo "$1"; failed=1; }
export_as a.tif >tif.log || fail "a.tif: the export failed"
info=$(tiffinfo a.tif 2>/dev/null)
echo "$info" | grep -q "Compression Scheme: PackBits" || fail "a.tif: not PackBits"
echo "$info" | grep -q "Bits/Sample: 8" || fail "a.tif: not 8 bits"
echo "$info" | grep -q "palette color" || fail "a.tif: no palette"
export_as a.jpg >jpg.log && djpeg a.jpg >/dev/null || fail "a.jpg: djpeg refuses it"
export_as a.png >png.log && pngcheck -q a.png || fail "a.png: pngcheck refuses it"
export_as a.gif >gif.log || fail "a.gif: the export failed"
grep -q "This file type cannot be saved" gif.log || fail "a.gif: no message"
[ -e a.gif ] && fail "a.gif: a file was left"
[ -s tif.log ] || [ -s jpg.log ] || [ -s png.log ] && fail "a message for a picture that was written"
[ $failed = 0 ] && echo "exports read back"
exit $failed
