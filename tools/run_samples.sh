#!/bin/sh
# make run: with an X display (DISPLAY set), the program on that display for
# the user to work in, in the install folder BUILD/desktop (kept from run to
# run). Without one, the tour (data/scripts/tour.tvs) in a fresh install
# folder (BUILD/run), then the engine harness over the bundled sample
# waters. Both install folders get the sample products in INHIB; the one on
# the display gets the technical manual (HELP > Technical Manual).
set -e
BUILD=${1:-build-run}
TOP=$(pwd)
if [ -n "${DISPLAY:-}" ]; then
  DESK="$BUILD/desktop"
  mkdir -p "$DESK/INHIB"
  cp "$BUILD"/products/*.PRD "$DESK/INHIB/"
  cp "$BUILD/plmanual.pdf" "$DESK/"
  echo "== tarvex on display $DISPLAY (install folder $DESK); FILES > QUIT ends it"
  cd "$DESK"
  exec "$TOP/$BUILD/tarvex"
fi
RUN="$BUILD/run"
echo "== the tour: tarvex --headless --script data/scripts/tour.tvs (in $RUN)"
sh tools/tour.sh "$BUILD" "$RUN"
echo "the tour's files (reports, copies, pictures, work files): $RUN/out"
ls "$RUN/out"

HARNESS="$BUILD/tarvex-engine"
"$HARNESS" tables
for w in data/samples/*.wat; do
  echo
  echo "== $w"
  "$HARNESS" show "$w"
  "$HARNESS" corrosion "$w"
  "$HARNESS" water "$w"
  for p in data/products/*.prd.txt "$BUILD"/products/*.PRD; do
    "$HARNESS" dose "$w" "$p"
  done
done
echo
echo "== waterflood: data/samples/seawater.wat injected into data/samples/formation.wat"
"$HARNESS" mix profile data/samples/seawater.wat data/samples/formation.wat
