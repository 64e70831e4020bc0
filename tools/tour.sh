#!/bin/sh
# The tour (data/scripts/tour.tvs) in a fresh install folder: the sample
# products in INHIB, the bundled legacy work files in samples/legacy, a
# printers.cfg whose printer "PDF" writes into out/, where the tour puts every
# file it makes. Prints the run log; exits with the program's exit code.
# OPTIONS go to tarvex in place of --headless (e.g. --display --snap-windows DIR).
# TOUR_DESKTOP sets the desktop size (1280x1024 when unset), TOUR_SCRIPT another
# script to run in place of the tour (a variant of it).
#
# usage: tools/tour.sh BUILD FOLDER [OPTIONS...]
set -u
BUILD=$1
FOLDER=$2
shift 2
[ $# -gt 0 ] || set -- --headless
TOP=$(pwd)
case "$BUILD" in /*) ;; *) BUILD="$TOP/$BUILD" ;; esac
rm -rf "$FOLDER"
mkdir -p "$FOLDER/INHIB" "$FOLDER/out" "$FOLDER/samples/legacy"
cp "$BUILD"/products/*.PRD "$FOLDER/INHIB/"
cp "$TOP"/data/samples/legacy/*.KRV "$FOLDER/samples/legacy/"
echo "PDF | letter | 300 | colour | out" >"$FOLDER/printers.cfg"
cd "$FOLDER" || exit 2
"$BUILD/tarvex" "$@" --desktop "${TOUR_DESKTOP:-1280x1024}" --script "${TOUR_SCRIPT:-$TOP/data/scripts/tour.tvs}" \
  --log run.log
code=$?
cat run.log
exit $code
