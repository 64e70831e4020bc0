#!/bin/bash
# The damaged work files of tools/make_damaged_work_files.py, each opened
# through a script run of the program over a workspace that holds a waterflood:
# every one must be refused with its reason, and the workspace saved after it
# must be the same bytes as the workspace saved before any of them.
#
# usage: damaged_files_check.sh BUILD SOURCE
set -u
BUILD=$1
SOURCE=$2
T="$BUILD/damaged_files"
rm -rf "$T"
mkdir -p "$T/cases" "$T/after"
python3 "$SOURCE/tools/make_damaged_work_files.py" "$SOURCE/shell/workfile/work_file_layout.h" \
  "$SOURCE/data/samples/waterflood.krv" "$SOURCE/data/samples/legacy/V529.KRV" "$T/cases" ||
  exit 1
# The cases are shared among a few runs side by side, each in a folder of its own
# (a run's saves and log stay apart from the others').
RUNS=$(nproc 2>/dev/null || echo 1)
[ "$RUNS" -gt 4 ] && RUNS=4
total=$(wc -l <"$T/cases/manifest.tsv")
per=$(( (total + RUNS - 1) / RUNS ))
for k in $(seq 1 "$RUNS"); do
  R="$T/run$k"
  mkdir -p "$R"
  cp "$SOURCE/data/samples/waterflood.krv" "$R/base.krv"
  ln -s ../cases "$R/cases"
  ln -s ../after "$R/after"
  {
    printf 'file \\base.krv\nmenu 1020\nfile \\control.krv\nmenu 1022\n'
    cut -f1 "$T/cases/manifest.tsv" | sed -n "$(( (k - 1) * per + 1 )),$(( k * per ))p" |
      while read -r name; do
        printf 'file \\cases\\%s\nmenu 1020\nfile \\after\\%s\nmenu 1022\n' "$name" "$name"
      done
  } >"$R/script.tvs"
  (cd "$R" && "$BUILD/tarvex" --headless --script script.tvs --log run.log >out.txt 2>&1
   echo $? >code) &
done
wait
code=0
for k in $(seq 1 "$RUNS"); do
  c=$(cat "$T/run$k/code" 2>/dev/null || echo 99)
  [ "$c" != 0 ] && code=$c
done
python3 - "$T" "$code" <<'PY'
import os, re, sys
folder, code = sys.argv[1], int(sys.argv[2])
failures = []
if code != 0:
    failures.append("the run ended with exit code %d" % code)
refusals = []
runs = sorted((d for d in os.listdir(folder) if re.fullmatch(r"run\d+", d)), key=lambda d: int(d[3:]))
controls = []
for run in runs:
    log = open(os.path.join(folder, run, "run.log"), encoding="utf-8", errors="replace").read()
    if "script failure" in log:
        failures.append("the script of %s failed" % run)
    refusals += re.findall(r'message box "WARNING": "Error encountered loading the file\.(.*?)" -> ',
                           log, re.S)
    controls.append(open(os.path.join(folder, run, "control.KRV"), "rb").read())
if len(set(controls)) != 1:
    failures.append("the runs saved different workspaces before any damaged file")
cases = [line.rstrip("\n").split("\t") for line in open(os.path.join(folder, "cases", "manifest.tsv"))]
if len(refusals) != len(cases):
    failures.append("%d refusals for %d damaged files" % (len(refusals), len(cases)))
# The save dialog gives every name the extension KRV.
control = controls[0]
for (name, reason), text in zip(cases, refusals):
    if "The file was not read: " + reason not in text:
        failures.append("%s: expected the reason %r, got %r" % (name, reason, text.strip()))
# Every value a refusal names is named by its field, never by its place.
for (name, _), text in zip(cases, refusals):
    if re.search(r"value \d", text):
        failures.append("%s: the refusal names a value by its place: %r" % (name, text.strip()))
for name, _ in cases:
    path = os.path.join(folder, "after", name[:-4] + ".KRV")
    if not os.path.exists(path) or open(path, "rb").read() != control:
        failures.append("%s: the workspace saved after it differs from the one before" % name)
for f in failures[:40]:
    print("FAIL:", f)
print("%d damaged files, %d failures" % (len(cases), len(failures)))
sys.exit(1 if failures else 0)
PY
