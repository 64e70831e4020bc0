#!/bin/bash
# Files of another user, as a user meets them on a shared disk: the program's
# folder is the user's own, but its work file, exports and settings files were
# made by someone else and may be read, not written (mode 644, owner root).
# The program runs as the user "nobody" (setpriv); the superuser may write
# any file, so the runs cannot be made as root. Every writer run over its
# file must refuse it, naming the file and "Permission denied", and leave
# its bytes and its owner as they were. Then a data file of the FILES folder
# that the user may not read must end the start (exit code 4) naming the file
# and the cause.
# Skipped (77) where no user can be switched to.
#
# usage: foreign_files_check.sh BUILD SOURCE
set -u
BUILD=$(cd "$1" && pwd)
SOURCE=$(cd "$2" && pwd)
TARVEX="$BUILD/tarvex"
umask 022

as_user() { setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups -- "$@"; }
if [ "$(id -u)" != 0 ] || ! command -v setpriv >/dev/null || ! id nobody >/dev/null 2>&1 ||
  ! as_user test -x "$TARVEX"; then
  echo "SKIP: the program cannot be run as another user here"
  exit 77
fi

WORK=$(mktemp -d /tmp/tarvex_foreign_XXXXXX)
trap 'rm -rf "$WORK"' EXIT
chmod 755 "$WORK"
DISK="$WORK/disk"
LOGS="$WORK/logs"
mkdir -p "$DISK/out" "$LOGS"
cd "$DISK" || exit 2
fail=0
bad() { echo "FAIL: $*"; fail=1; }

echo "PDF | letter | 300 | colour | out" >printers.cfg
water=$(grep '^dialog 80' "$SOURCE/data/scripts/summary-windows.tvs")
# The files, made by root: the work file, the summary CSV, a rich-text page,
# the 3D graph's data file and picture (TIFF), and the two settings files.
cat >"$LOGS/make.tvs" <<EOF
$water
menu 1030
file \\out\\a.KRV
menu 1022
menu 1248
file \\out\\s.csv
answer no Would you like to open the CSV
menu 1655 DisOnePage
menu 1250
file \\out\\r.rtf
menu 754 WellLogDisOnePage
menu 1028 WellLogDisOnePage
menu 1028 DisOnePage
menu 1040
file \\out\\g.dat
menu 996 wcGraphWindow
file \\out\\g.tif
menu 995 wcGraphWindow
close wcGraphWindow
dialog 29 press 1
menu 1065
EOF
"$TARVEX" --headless --script "$LOGS/make.tvs" --log "$LOGS/make.log" >"$LOGS/make.out" 2>&1
code=$?
[ "$code" -eq 0 ] || { cat "$LOGS/make.out"; bad "the run as root ended with $code"; }
files="out/a.KRV out/s.csv out/r.rtf out/g.dat out/g.tif plunit.cnf zorin.cnf"
for f in $files; do [ -s "$f" ] || bad "the run as root made no $f"; done
sha256sum $files >"$LOGS/before.sha"
# The folders are the user's; the files stay root's, readable by all.
chown nobody "$DISK" "$DISK/out" "$LOGS"
chmod 644 $files

# Every writer over its file, as the user: the work file opened, then Save
# File, Save As (the water warmed to 80 F, so that the workspace is changed),
# each export, both settings dialogs, and the save at QUIT; that save failed,
# the program stays, and the close after the script is not saved.
cat >"$LOGS/again.tvs" <<EOF
file \\out\\a.KRV
menu 1020
$(echo "$water" | sed 's/^dialog 80 set 427 77$/dialog 80 set 427 80/')
menu 1030
menu 1021
file \\out\\a.KRV
answer yes \\out\\a.KRV already exists
menu 1022
menu 1248
file \\out\\s.csv
answer yes \\out\\s.csv already exists
answer no Would you like to open the CSV
menu 1655 DisOnePage
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
file \\out\\g.tif
answer yes \\out\\g.tif already exists
menu 995 wcGraphWindow
close wcGraphWindow
dialog 29 press 1
dialog 29 press 2
menu 1065
dialog 78 click 983
dialog 78 press 1
menu 1066
answer yes Data has been modified
file \\out\\a.KRV
answer yes \\out\\a.KRV already exists
menu 1028
answer no Data has been modified
EOF
as_user "$TARVEX" --headless --script "$LOGS/again.tvs" --log "$LOGS/again.log" \
  >"$LOGS/again.out" 2>&1
code=$?
[ "$code" -eq 0 ] || { cat "$LOGS/again.out"; bad "the run as the user ended with $code"; }
grep -q 'script failure' "$LOGS/again.log" && bad "the script failed: $(grep 'script failure' "$LOGS/again.log")"
sha256sum -c --quiet "$LOGS/before.sha" || bad "a refused writer changed a file of another user"
for f in $files; do
  [ "$(stat -c %U "$f")" = root ] || bad "$f now belongs to $(stat -c %U "$f")"
done
leftovers=$(ls -A out | grep -v -x -E 'a\.KRV|s\.csv|r\.rtf|g\.dat|g\.tif')
[ -z "$leftovers" ] || bad "files left behind: $leftovers"
python3 - "$LOGS/again.log" <<'PY' || fail=1
import re, sys
log = open(sys.argv[1], encoding='latin-1').read()
boxes = re.findall(r'message box "(.*?)": "(.*?)" -> ', log, re.S)
refused = [t for c, t in boxes if 'Permission denied' in t]
# Each writer's own words, the file it names; the work file is refused three
# times: Save File, Save As and the save at QUIT.
want = [
    ('Save File, Save As and the save at QUIT', r'Error: Cannot create file', r'out\\a\.krv', 3),
    ('CSV export', r'CSV', r'out\\s\.csv', 1),
    ('rich text', r'Error: Cannot (create|open) file', r'out\\r\.rtf', 1),
    ('graph data', r'DAT file', r'out\\g\.dat', 1),
    ('picture', r'Error: Cannot open TIF file', r'out\\g\.tif', 1),
    ('units file', r'units file', r'plunit\.cnf', 1),
    ('display settings', r'display settings', r'zorin\.cnf', 1),
]
bad = 0
for what, head, name, count in want:
    hits = [t for t in refused if re.search(head, t) and re.search(name, t, re.I)]
    if len(hits) != count:
        print('FAIL: %s: %d refusals naming the file and "Permission denied", not %d'
              % (what, len(hits), count))
        bad = 1
if re.search(r'RESTORED', log) is None:
    print('FAIL: the work file of another user was not opened')
    bad = 1
if bad:
    print('boxes of the run:')
    for c, t in boxes:
        print('  ', c, '|', t.replace('\n', ' / '))
sys.exit(bad)
PY

# A data file the user may not read ends the start, naming the file and why.
chmod 000 FILES/FTN01.BIN
printf 'menu 1028\n' >"$LOGS/quit.tvs"
as_user "$TARVEX" --headless --script "$LOGS/quit.tvs" --log "$LOGS/start.log" \
  >"$LOGS/start.out" 2>&1
code=$?
[ "$code" -eq 4 ] || bad "the start without a readable data file ended with $code, not 4"
python3 - "$LOGS/start.log" <<'PY' || fail=1
import re, sys
log = open(sys.argv[1], encoding='latin-1').read()
boxes = re.findall(r'message box "(.*?)": "(.*?)" -> ', log, re.S)
words = 'FILES CRITICAL TO OPERATION ARE MISSING!  CONTACT TECH SUPPORT.\n'
ends = [t for c, t in boxes if c == 'WARNING' and t.startswith(words)]
if not ends or not re.fullmatch(r'.*\\FILES\\FTN01\.BIN: Permission denied', ends[-1][len(words):]):
    print('FAIL: the start does not name the unreadable data file and the cause:')
    for c, t in boxes:
        print('  ', c, '|', t.replace('\n', ' / '))
    sys.exit(1)
PY
exit $fail
