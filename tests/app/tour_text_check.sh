#!/bin/sh
# The tour on a 1024 x 768 desktop (the main tour runs on 1280 x 1024): no
# text on any window or graph it shows overlaps another, runs past the
# window's edge, is cut by its control or painted over, sits on its field's
# border or stands out of its page column (tarvex --text-check), and the run
# ends well.
#
# usage: tour_text_check.sh BUILD SOURCE
set -u
BUILD=$(cd "$1" && pwd)
SOURCE=$2
FOLDER="$BUILD/tour-1024"
cd "$SOURCE" || exit 2
fail=0
# On this desktop the program brings the small forms: the water form is
# template 81 (82 for the formation water, opened by menu 1032), the
# multi-mix input 116, the pH-alkalinity input 33 and the what-if settings 85.
SCRIPT="$BUILD/tour-1024.tvs"
awk '
  /^dialog 80 / { held[++n] = $0; next }
  n > 0 && /^menu / {
    form = ($0 ~ /^menu 1032 *$/) ? "82" : "81"
    for (i = 1; i <= n; i++) { sub(/^dialog 80 /, "dialog " form " ", held[i]); print held[i] }
    n = 0
  }
  {
    sub(/^dialog 115 /, "dialog 116 "); sub(/^dialog 34 /, "dialog 33 "); sub(/^dialog 84 /, "dialog 85 ")
    print
  }
' data/scripts/tour.tvs >"$SCRIPT"
TOUR_DESKTOP=1024x768 TOUR_SCRIPT="$SCRIPT" sh tools/tour.sh "$BUILD" "$FOLDER" --headless \
  --text-check text-check.txt >"$BUILD/tour-1024.log" 2>&1
code=$?
if [ "$code" -ne 0 ]; then
  tail -20 "$BUILD/tour-1024.log"
  echo "FAIL: the tour at 1024x768 ended with exit code $code"
  fail=1
fi
if [ ! -f "$FOLDER/text-check.txt" ]; then
  echo "FAIL: no text check written"
  fail=1
elif [ -s "$FOLDER/text-check.txt" ]; then
  sed 's/^/FAIL: text at 1024x768: /' "$FOLDER/text-check.txt"
  fail=1
fi
[ "$fail" -eq 0 ] && echo "tour at 1024x768: every text reads"
exit $fail
