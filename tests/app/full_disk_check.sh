#!/bin/bash
# Saves on a disk that is full, as a user meets one: the program's folder on a
# small file system of its own (tmpfs, mounted in a private mount namespace
# where the system permits it), every writer run once to make its file, the
# disk filled, every writer run again over its file. Each old file must keep
# its bytes, each failure must be told with the file and the cause, and the
# program must go on to its normal end. Where no file system can be mounted,
# the same runs go under a file-size limit (ulimit -f), which fails the same
# writes with "File too large" and must not end the program by its signal.
# A new picture that fails must not claim a file was there, a PDF print that
# fails must name its file and the cause and hold nothing after it (the
# sanitizers' leak check ends the run otherwise), and a TIFF page appended to a file
# that fails must leave that file as it was, to the byte.
# Then, with the settings files and their folder made read-only on a
# read-only file system, a start must read them as they are.
#
# usage: full_disk_check.sh BUILD SOURCE
set -u
BUILD=$(cd "$1" && pwd)
SOURCE=$(cd "$2" && pwd)
TARVEX="$BUILD/tarvex"
IMAGES="$BUILD/tarvex-image"
SELF="$SOURCE/tests/app/full_disk_check.sh"

# ---- inside the private namespace (or the fallback): the runs themselves ----
if [ "${FULL_DISK_STAGE:-}" = "inside" ]; then
  DISK=$FULL_DISK_DIR
  MODE=$FULL_DISK_MODE
  LOGS=$FULL_DISK_LOGS  # off the full disk, so that the logs can be written
  fail=0
  bad() { echo "FAIL: $*"; fail=1; }
  cd "$DISK" || exit 2
  echo "PDF | letter | 300 | colour | out" >printers.cfg
  mkdir -p out
  water=$(grep '^dialog 80' "$SOURCE/data/scripts/summary-windows.tvs")
  # The files every writer makes: the work file, the summary CSV, the 3D
  # graph's data file and picture, a rich-text page, a printed PDF, and the
  # two settings files.
  cat >make.tvs <<EOF
$water
menu 1030
file \\out\\a.KRV
menu 1022
menu 1248
file \\out\\s.csv
answer no Would you like to open the CSV
menu 1655 DisOnePage
printer PDF landscape
menu 1013 DisOnePage
menu 1250
file \\out\\r.rtf
menu 754 WellLogDisOnePage
menu 1028 WellLogDisOnePage
menu 1028 DisOnePage
menu 1040
file \\out\\g.dat
menu 996 wcGraphWindow
file \\out\\g.png
menu 995 wcGraphWindow
close wcGraphWindow
dialog 29 press 1
menu 1065
EOF
  # The same writers over their files, on the full disk; every box says why.
  cat >again.tvs <<EOF
$water
menu 1030
printer PDF
menu 1048
file \\out\\a.KRV
answer yes \\out\\a.KRV already exists
menu 1022
menu 1021
menu 1248
file \\out\\s.csv
answer yes \\out\\s.csv already exists
answer no Would you like to open the CSV
menu 1655 DisOnePage
printer PDF landscape
menu 1013 DisOnePage
menu 1250
file \\out\\r.rtf
answer yes \\out\\r.rtf already exists
menu 754 WellLogDisOnePage
menu 1028 WellLogDisOnePage
menu 1028 DisOnePage
menu 1040
file \\out\\g.dat
answer yes \\out\\g.dat already exists
menu 996 wcGraphWindow
file \\out\\g.png
answer yes \\out\\g.png already exists
menu 995 wcGraphWindow
file \\out\\new.tif
menu 995 wcGraphWindow
close wcGraphWindow
dialog 29 press 1
dialog 29 press 2
menu 1065
dialog 78 click 983
dialog 78 press 1
menu 1066
answer no Data has been modified
menu 1028
EOF
  "$TARVEX" --headless --script make.tvs --log "$LOGS/make.log" >"$LOGS/make.out" 2>&1
  code=$?
  [ "$code" -eq 0 ] || { cat "$LOGS/make.out"; bad "the first run ended with $code"; }
  files="out/a.KRV out/s.csv out/r.rtf out/g.dat out/g.png plunit.cnf zorin.cnf"
  for f in $files; do [ -s "$f" ] || bad "the first run made no $f"; done
  [ -s "out/Tarvex Report.pdf" ] || bad "the first run printed no PDF"
  { sha256sum $files; sha256sum "out/Tarvex Report.pdf"; } >"$LOGS/before.sha"
  # A TIFF file of 99,999 bytes (a page and some bytes after it) for a page to
  # be appended to, and the picture of that page, kept off the disk.
  python3 - "$LOGS/page.bmp" <<'PY'
import struct, sys
w, h = 200, 150
row = bytes((x * 7 + y * 3) % 256 for y in range(1) for x in range(3 * w))
pixels = b''.join(bytes((b + y) % 256 for b in row) for y in range(h))
head = struct.pack('<2sIHHI', b'BM', 54 + len(pixels), 0, 0, 54)
info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
open(sys.argv[1], 'wb').write(head + info + pixels)
PY
  "$IMAGES" convert "$LOGS/page.bmp" out/pages.tif >/dev/null || bad "no TIFF file to append to"
  python3 -c "import sys; f = open(sys.argv[1], 'ab'); f.write(bytes(99999 - f.tell()))" out/pages.tif
  cp out/pages.tif "$LOGS/pages.tif"

  if [ "$MODE" = tmpfs ]; then
    dd if=/dev/zero of=filler bs=4k >/dev/null 2>&1
    df -k . | tail -1
    ( "$TARVEX" --headless --script again.tvs --log "$LOGS/again.log" >"$LOGS/again.out" 2>&1 )
    code=$?
    "$IMAGES" convert --page 1 "$LOGS/page.bmp" out/pages.tif >"$LOGS/append.out" 2>&1
    appended=$?
  else
    # 64 KB: room for the log and the small files, none for the work file.
    ( ulimit -f 64
      "$TARVEX" --headless --script again.tvs --log "$LOGS/again.log" >"$LOGS/again.out" 2>&1 )
    code=$?
    ( ulimit -f 64
      "$IMAGES" convert --page 1 "$LOGS/page.bmp" out/pages.tif >"$LOGS/append.out" 2>&1 )
    appended=$?
  fi
  [ "$appended" -ne 0 ] || bad "a TIFF page was appended on the full disk"
  cmp -s out/pages.tif "$LOGS/pages.tif" ||
    bad "the failed TIFF page left the file $(stat -c %s out/pages.tif) bytes, not as it was (99999)"
  [ "$code" -eq 0 ] || { cat "$LOGS/again.out"; bad "the run on the full disk ended with $code"; }
  # Under the size limit the small files are written as usual: only the work
  # file's save fails there.
  [ "$MODE" = tmpfs ] || grep -i 'a\.krv' "$LOGS/before.sha" >"$LOGS/checked.sha"
  [ "$MODE" = tmpfs ] && cp "$LOGS/before.sha" "$LOGS/checked.sha"
  sha256sum -c --quiet "$LOGS/checked.sha" || bad "a failed save changed an old file"
  # Under the size limit the new picture is small enough to be written.
  written='a\.krv|s\.csv|r\.rtf|g\.dat|g\.png|pages\.tif|Tarvex Report( \([0-9]\))?\.pdf'
  [ "$MODE" = tmpfs ] || written="$written|new\.tif|Surface Water Chemistry Input\.pdf"
  leftovers=$(ls out | grep -v -i -E "^($written)\$")
  [ -z "$leftovers" ] || bad "files left behind: $leftovers"
  cause="No space left on device"
  [ "$MODE" = tmpfs ] || cause="File too large"
  python3 - "$LOGS/again.log" "$cause" "$MODE" <<'PY' || fail=1
import re, sys
log = open(sys.argv[1], encoding='latin-1').read()
cause = sys.argv[2]
boxes = re.findall(r'message box "(.*?)": "(.*?)" -> ', log, re.S)
failed = [(c, t) for c, t in boxes if cause in t]
want = {
    'work file': (r'Error encountered saving the file\. Please check available disk space\.',
                  r'out\\a\.krv'),
    'CSV export': (r'The CSV file could not be written\.', r'out\\s\.csv'),
    'rich text': (r'Error: Cannot create file', r'out\\r\.rtf'),
    'graph data': (r'Error: Cannot write DAT file', r'out\\g\.dat'),
    'picture': (r"An error occurred while saving the image", r'out\\g\.png'),
    'units file': (r'Cannot open units file to update', r'plunit\.cnf'),
    'display settings': (r'Cannot save the display settings', r'zorin\.cnf'),
}
if sys.argv[3] == 'fsize':  # only the work file is past the limit
    want = {'work file': want['work file']}
bad = 0
for what, (head, name) in want.items():
    hits = [t for c, t in failed if re.search(head, t) and re.search(name, t, re.I)]
    if not hits:
        print('FAIL: no message for the failed', what, 'save naming the file and', repr(cause))
        bad = 1
    elif 'unchanged' not in hits[0]:
        print('FAIL: the', what, 'message does not say the old file is unchanged:', hits[0])
        bad = 1
if sys.argv[3] == 'tmpfs':
    # A new picture: no file was there before, so none is said to be unchanged.
    new = [t for c, t in failed if re.search(r'out\\new\.tif', t, re.I)]
    if not new:
        print('FAIL: no message for the failed new picture naming the file and', repr(cause))
        bad = 1
    elif 'unchanged' in new[0] or 'No file was written' not in new[0]:
        print('FAIL: the new picture\'s message speaks of a file that was there:', new[0])
        bad = 1
    # The failed PDF print: the printer's words, then the file and the cause.
    pdf = [t for c, t in boxes if t.startswith('Printer: EndDoc failed!')]
    if len(pdf) != 2 or not all(re.search(r'\n\n/.*/out/[^/]*\.pdf could not be written: ' +
                                          cause + r'\.$', t) for t in pdf):
        print('FAIL: the failed PDF print does not name its file and the cause:', pdf)
        bad = 1
if bad:
    print('boxes of the run:')
    for c, t in boxes:
        print('  ', c, '|', t.replace('\n', ' / '))
sys.exit(bad)
PY
  rm -f filler

  # ---- every file a script verb writes, and the settings a units change writes ----
  # Each writer over an old file under a file-size limit (no --log, so only
  # the writer meets the limit), over a pipe no program reads, over a folder
  # and (on the small file system) on the full disk: each must end the run
  # with exit 3, name the file and the cause, leave the old file whole and
  # nothing beside it. Each reader of `clipboard load` is given a pipe, a
  # folder, a device without end and a 2 GB file: each refused with its
  # reason, exit 3, in seconds. A pipe among the font files must not hold the
  # start. (Seen failing: the size limit ended the run by its signal with a
  # cut file, a pipe held the run until killed, the full disk left a stump of
  # the old file, a folder loaded an empty clipboard and /dev/zero grew until
  # killed; the units change wrote the units file alone, untold.)
  VERBS=$DISK/verbs
  mkdir -p "$VERBS" && cd "$VERBS" || exit 2
  printf 'menu 1028\n' >quit.tvs
  "$TARVEX" --headless --script quit.tvs >/dev/null 2>&1 || bad "no settings files in $VERBS"
  long=$(python3 -c "print('x' * 20000)")
  # The water form of a 640 x 480 desktop is template 81.
  waterlines=$(python3 -c 'import sys; print(sys.argv[1].replace("\n", "\\n"), end="\\n")' \
    "${water//dialog 80/dialog 81}")
  old=$(python3 -c "print('an old file the failed write must keep\n' * 60, end='')")
  # verb name | script lines around the target @ | the target's path
  writers=(
    "snap|snap TarvexMainClass @|T.ppm"
    "dialog snap|dialog 28 snap @\ndialog 28 press 2\nmenu 1065|T.ppm"
    "text|${waterlines}dialog 81 press 1\nmenu 1030\ntext DisplayMUWater @|T.txt"
    "clipboard save|clipboard text $long\nclipboard save text @|T.txt"
    "snap-windows|menu 1028|snaps/001-TarvexMainClass.ppm"
  )
  # Runs a verb's script with its target at `path`, under `limit` (a prlimit
  # option or nothing); sets code, out (standard error and output).
  run_writer() {
    local lines=$1 path=$2 limit=$3 args=()
    printf '%b\nmenu 1028\n' "${lines//@/$path}" >"$LOGS/w.tvs"
    [ "${path#snaps/}" != "$path" ] && args=(--snap-windows snaps)
    ${limit:+prlimit $limit} timeout 60 "$TARVEX" --headless --desktop 640x480 \
      --script "$LOGS/w.tvs" "${args[@]}" >"$LOGS/w.out" 2>&1
    code=$?
    out=$(head -c 300 "$LOGS/w.out")
  }
  # Checks one failed write: exit 3, the file and the cause told, nothing left beside it.
  told() {
    local what=$1 path=$2 cause=$3
    [ "$code" -eq 3 ] || bad "$what: exit $code, not 3: $out"
    grep -qF -- "$path failed: $cause" "$LOGS/w.out" ||
      bad "$what: $path and \"$cause\" not told: $out"
    leftovers=$(ls -a "$(dirname "$path")" | grep -F '.~')
    [ -z "$leftovers" ] || bad "$what: left beside it: $leftovers"
  }
  for writer in "${writers[@]}"; do
    IFS='|' read -r verb lines target <<<"$writer"
    mkdir -p snaps
    # An old file under the file-size limit.
    printf '%s' "$old" >"$target"
    sum=$(sha256sum "$target")
    run_writer "$lines" "$target" --fsize=1000
    told "$verb under the size limit" "$target" "File too large"
    echo "$sum" | sha256sum -c --quiet - || bad "$verb under the size limit changed the old file"
    # A pipe and a folder where the file goes.
    rm -f "$target" && mkfifo "$target"
    run_writer "$lines" "$target" ""
    told "$verb over a pipe" "$target" "Not a regular file"
    [ -p "$target" ] || bad "$verb replaced the pipe"
    rm -f "$target" && mkdir "$target"
    run_writer "$lines" "$target" ""
    told "$verb over a folder" "$target" "Is a directory"
    [ -d "$target" ] || bad "$verb replaced the folder"
    rmdir "$target"
    # The full disk.
    if [ "$MODE" = tmpfs ]; then
      printf '%s' "$old" >"$target"
      dd if=/dev/zero of=filler bs=4k >/dev/null 2>&1
      run_writer "$lines" "$target" ""
      rm -f filler
      told "$verb on the full disk" "$target" "No space left on device"
      echo "$sum" | sha256sum -c --quiet - || bad "$verb on the full disk changed the old file"
    fi
    rm -rf "$target" snaps
  done

  # Files `clipboard load` must refuse, each with its reason.
  mkfifo pipe && mkdir folder && truncate -s 2G big.bin
  for source in "pipe|Not a regular file" "folder|Is a directory" \
    "/dev/zero|Not a regular file" "big.bin|larger than 67,108,864 bytes"; do
    IFS='|' read -r file reason <<<"$source"
    printf 'clipboard load text %s\nmenu 1028\n' "$file" >"$LOGS/r.tvs"
    timeout 60 "$TARVEX" --headless --script "$LOGS/r.tvs" >"$LOGS/r.out" 2>&1
    code=$?
    [ "$code" -eq 3 ] || bad "clipboard load $file: exit $code, not 3: $(head -c 300 "$LOGS/r.out")"
    grep -qF "cannot read $file as \"text\": $reason" "$LOGS/r.out" ||
      bad "clipboard load $file: \"$reason\" not told: $(head -c 300 "$LOGS/r.out")"
  done
  rm -rf pipe folder big.bin

  # A pipe in the font folder: passed over, the faces of the system drawn.
  mkdir fonts && mkfifo fonts/LiberationSans-Regular.ttf fonts/LiberationSans-Bold.ttf
  printf 'snap TarvexMainClass %s\nmenu 1028\n' plain.ppm >f.tvs
  timeout 60 "$TARVEX" --headless --desktop 640x480 --script f.tvs >/dev/null 2>&1
  sed -i 's/plain.ppm/fonts.ppm/' f.tvs
  TARVEX_FONT_DIR=fonts timeout 60 "$TARVEX" --headless --desktop 640x480 --script f.tvs \
    >"$LOGS/f.out" 2>&1
  code=$?
  [ "$code" -eq 0 ] || bad "a pipe among the fonts: exit $code: $(head -c 300 "$LOGS/f.out")"
  grep -q 'fonts/LiberationSans-Regular.ttf passed over: Not a regular file' "$LOGS/f.out" ||
    bad "the pipe among the fonts was not named: $(head -c 300 "$LOGS/f.out")"
  cmp -s plain.ppm fonts.ppm || bad "a pipe among the fonts changed the main window's picture"
  rm -rf fonts plain.ppm fonts.ppm

  # A units change from F to C writes the units file and the well log in the
  # display configuration file. Where a write fails (the size limit: the
  # 104 bytes of the first and the run's log pass, the 1,082 of the second do
  # not; the full disk), neither file may change and the user is told, the
  # dialog staying open for its Cancel; a start after it reads the well log as
  # it was. Where nothing fails, both change: the bottom-hole 280 F reads
  # (280 - 32) * 5 / 9 = 137.78 C (the Celsius scale's definition).
  cd "$DISK" && rm -rf units && mkdir units && cd units || exit 2
  "$TARVEX" --headless --script "$VERBS/quit.tvs" >/dev/null 2>&1
  printf '%s\n' 'dialog 29 scroll 645 down' 'dialog 29 press 1' 'dialog 29 press 2' 'menu 1065' \
    'menu 1028' >c.tvs
  printf 'dialog 84 read 4310\ndialog 84 press 2\nmenu 1041\nmenu 1028\n' >read.tvs
  sha256sum plunit.cnf zorin.cnf >"$LOGS/units.sha"
  limits=(--fsize=1050)
  [ "$MODE" = tmpfs ] && limits+=(full)
  for limit in "${limits[@]}"; do
    cause="File too large"
    if [ "$limit" = full ]; then
      cause="No space left on device"
      dd if=/dev/zero of=filler bs=4k >/dev/null 2>&1
      "$TARVEX" --headless --script c.tvs --log "$LOGS/units-$limit.log" >/dev/null 2>&1
      code=$?
      rm -f filler
    else
      prlimit "$limit" "$TARVEX" --headless --script c.tvs --log "$LOGS/units-$limit.log" \
        >/dev/null 2>&1
      code=$?
    fi
    [ "$code" -eq 0 ] || bad "units change ($limit): exit $code, not 0"
    grep -q "failed: $cause\. The file that was there is unchanged\." "$LOGS/units-$limit.log" ||
      bad "units change ($limit): the failed save was not told with \"$cause\""
    sha256sum -c --quiet "$LOGS/units.sha" || bad "units change ($limit): a settings file changed"
    ls -a | grep -F '.~' && bad "units change ($limit): files left behind"
    "$TARVEX" --headless --script read.tvs --log "$LOGS/read-$limit.log" >/dev/null 2>&1
    grep -q 'read 4310 "280\.000 ' "$LOGS/read-$limit.log" ||
      bad "units change ($limit): the restart reads $(grep 'read 4310' "$LOGS/read-$limit.log")"
  done
  "$TARVEX" --headless --script c.tvs --log "$LOGS/units-ok.log" >/dev/null 2>&1 ||
    bad "the units change on room ended with $?"
  "$TARVEX" --headless --script read.tvs --log "$LOGS/read-ok.log" >/dev/null 2>&1
  grep -q 'read 4310 "137\.778 ' "$LOGS/read-ok.log" ||
    bad "after the units change the restart reads $(grep 'read 4310' "$LOGS/read-ok.log")"
  cd "$DISK" || exit 2

  # Read-only settings on a read-only medium: read as they are, nothing
  # reported missing, nothing written.
  if [ "$MODE" = tmpfs ]; then
    chmod 444 plunit.cnf zorin.cnf heads.cnf 2>/dev/null
    chmod 555 .
    mount -o remount,ro "$DISK" || bad "cannot make the disk read-only"
    printf 'menu 1028\n' >"$LOGS/quit.tvs"
    "$TARVEX" --headless --script "$LOGS/quit.tvs" --log "$LOGS/ro.log" >/dev/null 2>&1
    code=$?
    [ "$code" -eq 0 ] || bad "the start on read-only settings ended with $code"
    if grep -q 'message box' "$LOGS/ro.log"; then
      bad "read-only settings brought a message:"
      grep -A2 'message box' "$LOGS/ro.log"
    fi
  fi
  exit $fail
fi

# ---- outside: a folder, a file system for it where permitted ----
WORK=$(mktemp -d /tmp/tarvex_full_disk_XXXXXX)
trap 'umount "$WORK/disk" 2>/dev/null; rm -rf "$WORK"' EXIT
mkdir -p "$WORK/disk" "$WORK/logs"
export FULL_DISK_STAGE=inside FULL_DISK_DIR="$WORK/disk" FULL_DISK_LOGS="$WORK/logs"
probe() { mount -t tmpfs -o size=64k tmpfs "$WORK/disk" && umount "$WORK/disk"; }
if command -v unshare >/dev/null && unshare -m sh -c "$(declare -f probe); WORK=$WORK; probe" \
  2>/dev/null; then
  echo "a 6 MB tmpfs in a private mount namespace"
  FULL_DISK_MODE=tmpfs unshare -m sh -c \
    "mount -t tmpfs -o size=6m tmpfs '$WORK/disk' && exec bash '$SELF' '$BUILD' '$SOURCE'"
elif command -v unshare >/dev/null && unshare -rm sh -c "$(declare -f probe); WORK=$WORK; probe" \
  2>/dev/null; then
  echo "a 6 MB tmpfs in a private user and mount namespace"
  FULL_DISK_MODE=tmpfs unshare -rm sh -c \
    "mount -t tmpfs -o size=6m tmpfs '$WORK/disk' && exec bash '$SELF' '$BUILD' '$SOURCE'"
else
  echo "no file system can be mounted here: a file-size limit stands in for the full disk"
  FULL_DISK_MODE=fsize bash "$SELF" "$BUILD" "$SOURCE"
fi
