#!/bin/sh
# Makes the bundled sample work files again with the calculation of the build
# given: data/samples/waterflood.krv is opened in the program, each of its
# waters calculated again (a change of an unused unit and its undo, which
# leaves every analysis as it was) and saved over itself; the older-version
# samples in data/samples/legacy are then written from it. Run it from the top
# of the source tree after a change of the engine moves a stored result:
#     sh tools/remake_samples.sh build
set -e
BUILD=${1:-build}
TOP=$(pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cp data/samples/waterflood.krv "$WORK/waterflood.krv"
cat > "$WORK/remake.tvs" <<'SCRIPT'
file \waterflood.krv
menu 1020
dialog 29 scroll 473 down 1
dialog 29 press 1
menu 1065
dialog 29 scroll 473 up 1
dialog 29 press 1
menu 1065
menu 1021
SCRIPT
(cd "$WORK" && "$TOP/$BUILD/tarvex" --headless --script remake.tvs --log remake.log) || {
  cat "$WORK/remake.log"
  exit 1
}
grep -q 'file written waterflood.krv' "$WORK/remake.log" || {
  echo "the waterflood was not saved:"
  cat "$WORK/remake.log"
  exit 1
}
cp "$WORK/waterflood.krv" data/samples/waterflood.krv
python3 tools/make_legacy_work_files.py shell/workfile/work_file_layout.h \
  data/samples/waterflood.krv data/samples/legacy
echo "remade data/samples/waterflood.krv and data/samples/legacy"
