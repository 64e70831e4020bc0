#!/bin/sh
# The tour twice: headless, and on a virtual X server with the X11 driver,
# each picturing every window class the first time it shows
# (--snap-windows). The pictures of the same window must agree: at most
# 0.5 % of the pixels may differ by more than 5 % (what the user sees is what
# the tests check). Prints the differing share per window. Every process
# started here is ended here. Exit 77 (skipped) without the X tools.
#
# usage: x11_tour_test.sh BUILD SOURCE
set -u
LC_ALL=C
export LC_ALL
BUILD=$(cd "$1" && pwd)
SOURCE=$(cd "$2" && pwd)
. "$(dirname "$0")/x11_common.sh"
need_tools Xvfb compare identify
make_work tarvex-x11tour

FAILED=0
fail() {
  echo "FAILED: $*"
  FAILED=1
}

mkdir "$WORK/headless" "$WORK/x11"
cd "$SOURCE" || exit 2
sh tools/tour.sh "$BUILD" "$WORK/tour-headless" --headless --snap-windows "$WORK/headless" \
  >"$WORK/headless.log" 2>&1 || fail "the headless tour (exit code $?)"

start_xvfb

timeout $RUN_LIMIT sh tools/tour.sh "$BUILD" "$WORK/tour-x11" --display --snap-windows "$WORK/x11" \
  >"$WORK/x11.log" 2>&1 &
TOUR=$!
PIDS="$PIDS $TOUR"
wait $TOUR
code=$?
[ $code = 0 ] || { tail -20 "$WORK/x11.log"; fail "the tour on the display (exit code $code)"; }

count=0
for h in "$WORK"/headless/*.ppm; do
  [ -f "$h" ] || continue
  name=$(basename "$h")
  x="$WORK/x11/$name"
  count=$((count + 1))
  if [ ! -f "$x" ]; then
    fail "$name: not pictured on the display"
    continue
  fi
  hs=$(identify -format %wx%h "$h")
  xs=$(identify -format %wx%h "$x")
  if [ "$hs" != "$xs" ]; then
    fail "$name: $xs on the display, $hs headless"
    continue
  fi
  w=${hs%x*}
  ht=${hs#*x}
  ae=$(compare -metric AE -fuzz 5% "$h" "$x" null: 2>&1)
  ae=${ae%% *}
  share=$(awk -v a="$ae" -v n=$((w * ht)) 'BEGIN { printf "%.3f", 100 * a / n }')
  echo "$name $hs: $ae pixels differ ($share %)"
  awk -v s="$share" 'BEGIN { exit !(s <= 0.5) }' || fail "$name: $share % of the pixels differ"
done
for x in "$WORK"/x11/*.ppm; do
  [ -f "$x" ] || continue
  [ -f "$WORK/headless/$(basename "$x")" ] || fail "$(basename "$x"): pictured only on the display"
done
[ $count -gt 0 ] || fail "no window was pictured"
echo "$count windows compared"
exit $FAILED
