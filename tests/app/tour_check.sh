#!/bin/bash
# The tour, then its files read by tools nobody on the project wrote:
#  - the run ends with exit code 0, no script failure, and no message box the
#    tour does not expect; no text on any of its windows overlaps another or
#    runs past the window's edge (--text-check);
#  - every PDF passes qpdf --check and has text (pdftotext), and no word of
#    it is printed over another or painted over (pdf_overlap.py); the sea water's
#    calcite saturation ratio on its printed report equals the engine
#    harness's to the printed decimals;
#  - the pH page's dissolved CO2 and pCO2 differ from point to point;
#  - every CSV reads with Python's csv module, rows of two fields or more;
#  - one RTF opens in LibreOffice headless where it is installed (skipped,
#    saying so, where it is not);
#  - pictures: pngcheck, djpeg, tiffinfo and ImageMagick identify;
#  - the work file saved, opened and saved under another name is the same
#    bytes;
#  - each bundled older work file is restored (and updated where its version
#    asks), and its surface water shows on the form and the pages.
#
# usage: tour_check.sh BUILD SOURCE
set -u
BUILD=$1
SOURCE=$2
FOLDER="$BUILD/tour"
cd "$SOURCE" || exit 2
fail=0
bad() { echo "FAIL: $*"; fail=1; }

sh tools/tour.sh "$BUILD" "$FOLDER" --headless --text-check text-check.txt >"$BUILD/tour.log" 2>&1
code=$?
[ "$code" -eq 0 ] || { tail -20 "$BUILD/tour.log"; bad "the tour ended with exit code $code"; }
LOG="$FOLDER/run.log"
grep -q "script failure" "$LOG" && bad "$(grep "script failure" "$LOG")"
if [ -s "$FOLDER/text-check.txt" ]; then
  sed 's/^/FAIL: text at 1280x1024: /' "$FOLDER/text-check.txt"
  fail=1
fi

# The message boxes the tour brings on purpose, by caption and text start.
python3 - "$LOG" <<'PY' || fail=1
import re, sys
expected = [
    ('WARNING', 'No Input Units configuration file'),
    ('WARNING', 'pH will be the plot variable'),
    ('WARNING', 'pCO2 will be the plot variable'),
    ('WARNING', 'pCO2 will now be the plot'),
    ('WARNING', 'pH will now be the plot'),
    ('WARNING', 'Updating water chemistry calculations'),
    ('LAST ANALYSIS', 'Last Analysis.'),
    ('DATA HAS CHANGED!', 'Data has been modified'),
    ('LEAVE CLIPBOARD ANALYSIS?', 'Did you wish to leave data'),
    (None, 'FILE SUCCESSFULLY RESTORED!'),
    ('EXPORT SUCCESSFUL', 'Data export complete'),
    ('SELECT USER DEFINED CURVE?', 'A USER DEFINED pH-ALKALINITY CURVE'),
    ('Open CSV', 'Would you like to open the CSV file now?'),
]
bad = 0
for line in open(sys.argv[1], encoding='latin-1'):
    m = re.match(r'message box "(.*?)": "(.*)" -> ', line)
    if not m:
        continue
    caption, text = m.groups()
    if not any((c is None or c == caption) and text.startswith(t) for c, t in expected):
        print('FAIL: unexpected message box', caption, '-', text)
        bad = 1
sys.exit(bad)
PY

OUT="$FOLDER/out"
pdfs=0
for f in "$OUT"/*.pdf; do
  [ -f "$f" ] || continue
  pdfs=$((pdfs + 1))
  qpdf --check "$f" >/dev/null 2>&1 || bad "qpdf --check $f"
  [ -n "$(pdftotext "$f" - 2>/dev/null | tr -d '[:space:]')" ] || bad "no text in $f"
done
[ "$pdfs" -ge 14 ] || bad "$pdfs PDF files, 14 or more expected"
# Each PDF is named after its document or its first page's titles.
for f in "$OUT"/document*.pdf; do [ -f "$f" ] && bad "$f is not named after its report"; done
python3 tests/app/pdf_overlap.py "$OUT"/*.pdf || fail=1

# The sea water's report: the first document printed by Print Surface.
surface=$(grep -o 'printed " ": [0-9]* pages, [^,]*' "$LOG" | sed -n 5p | sed 's/.*pages, //')
engine=$("$BUILD/tarvex-engine" water data/samples/seawater.wat | awk '$1 == "SR" && $2 == 0 {print $3}')
python3 - "$FOLDER/$surface" "$engine" <<'PY' || fail=1
import re, subprocess, sys
text = subprocess.run(['pdftotext', '-layout', sys.argv[1], '-'], capture_output=True,
                      text=True, encoding='latin-1').stdout
m = re.search(r'Calcite \(CaCO3\)\s+([0-9.]+)', text)
if not m:
    print('FAIL: no calcite ratio in', sys.argv[1]); sys.exit(1)
printed = m.group(1)
decimals = len(printed.split('.')[1]) if '.' in printed else 0
want = f'{float(sys.argv[2]):.{decimals}f}'
if printed != want:
    print('FAIL: calcite ratio printed', printed, 'engine', want); sys.exit(1)
PY

# The pH page with the alkalinity rows as species: every point has the
# dissolved CO2 and the pCO2 of its own calculation, so along seven pH values
# neither row repeats one value.
python3 - "$OUT/ph-species.txt" <<'PY' || fail=1
import sys
lines = open(sys.argv[1], encoding='latin-1').read().splitlines()
for label in ('Dissolved CO', 'pCO'):
    row = next((l for l in lines if l.lstrip().startswith(label)), None)
    if row is None:
        print('FAIL: no', label, 'row in', sys.argv[1]); sys.exit(1)
    cells = [row[24 + 8 * k:31 + 8 * k] for k in range(7)]
    if len(set(cells)) == 1:
        print('FAIL: one', label, 'value at every pH:', row.strip()); sys.exit(1)
PY

csvs=0
for f in "$OUT"/*.csv; do
  [ -f "$f" ] || continue
  csvs=$((csvs + 1))
  python3 - "$f" <<'PY' || bad "csv $f"
import csv, sys
with open(sys.argv[1], newline='', encoding='latin-1') as h:
    rows = [r for r in csv.reader(h) if any(c.strip() for c in r)]
wide = [r for r in rows if len(r) >= 2]
sys.exit(0 if len(rows) >= 10 and len(wide) >= 10 else 1)
PY
done
[ "$csvs" -ge 5 ] || bad "$csvs CSV files, 5 or more expected"

rtf="$OUT/surface-chem.rtf"
[ -f "$rtf" ] || bad "no $rtf"
office=$(command -v soffice || command -v libreoffice || true)
if [ -n "$office" ] && [ -f "$rtf" ]; then
  conv="$BUILD/tour-rtf"
  rm -rf "$conv" && mkdir -p "$conv"
  # A guard against a hang only: a first start of LibreOffice on a busy machine is slow.
  timeout 600 "$office" --headless --convert-to txt:Text --outdir "$conv" "$rtf" >/dev/null 2>&1
  grep -q "Calcium" "$conv/surface-chem.txt" 2>/dev/null || bad "LibreOffice did not read $rtf"
else
  echo "skipped: LibreOffice is not installed, $rtf not opened in it"
fi

for f in "$OUT"/*.png "$OUT"/*.PNG; do
  [ -f "$f" ] && { pngcheck -q "$f" >/dev/null || bad "pngcheck $f"; }
done
for f in "$OUT"/*.jpg "$OUT"/*.JPG; do
  [ -f "$f" ] && { djpeg "$f" >/dev/null || bad "djpeg $f"; }
done
for f in "$OUT"/*.tif "$OUT"/*.TIF; do
  [ -f "$f" ] && { tiffinfo "$f" >/dev/null 2>&1 || bad "tiffinfo $f"; }
done
for f in "$OUT"/*.bmp "$OUT"/*.BMP "$OUT"/*.pcx "$OUT"/*.PCX; do
  [ -f "$f" ] && { identify "$f" >/dev/null 2>&1 || bad "identify $f"; }
done

# The bundled older work files: each restored without a refusal, versions 503
# and 529 updated to the current calculations and 123 not; each surface water's
# form reads the stored calcium and chloride, its page the stored sample
# number and the sea water's analysis, and its calcite ratio the engine
# harness's for the sea water.
python3 - "$LOG" "$OUT" "$engine" <<'PY' || fail=1
import re, sys
log, out, engine = open(sys.argv[1], encoding='latin-1').read(), sys.argv[2], float(sys.argv[3])
bad = 0
def fail(*text):
    global bad
    print('FAIL:', *text); bad = 1
for v, updated in (('123', False), ('503', True), ('529', True)):
    name = 'V%s.KRV' % v
    start = log.find('> file \\samples\\legacy\\' + name)
    end = log.find('> text DisplayMUWater', start)
    if start < 0 or end < 0:
        fail('the tour does not open', name); continue
    part = log[start:end]
    if 'FILE SUCCESSFULLY RESTORED!' not in part or 'Error encountered' in part:
        fail(name, 'is not restored:', part[:600])
    if ('Updating water chemistry calculations' in part) != updated:
        fail(name, 'updated' if not updated else 'not updated', 'after its load')
    for control, want in (('400', '412.00'), ('414', '19350')):
        if not re.search(r'read %s "%s' % (control, re.escape(want)), part):
            fail(name, 'form control', control, 'does not read', want)
    water = open('%s/v%s-water.txt' % (out, v), encoding='latin-1').read()
    for want in ('Sample ID: 101 ', 'Calcium(as Ca)           412.00',
                 'Chloride(as Cl)           19350', 'Sulfate(as SO4)            2710'):
        if want not in water:
            fail(name, 'surface page lacks', repr(want))
    indicators = open('%s/v%s-indicators.txt' % (out, v), encoding='latin-1').read()
    m = re.search(r'Calcite:\s+CaCO3\s+([0-9.]+)', indicators)
    if not m:
        fail(name, 'no calcite ratio on its indicators page'); continue
    printed = m.group(1)
    decimals = len(printed.split('.')[1]) if '.' in printed else 0
    if printed != f'{engine:.{decimals}f}':
        fail(name, 'calcite ratio', printed, 'engine', f'{engine:.{decimals}f}')
sys.exit(bad)
PY

cmp "$OUT/tour1.KRV" "$OUT/tour2.KRV" || bad "the work file saved again differs"
[ -s "$OUT/last.KRV" ] || bad "the quit did not save out/last.KRV"

[ "$fail" -eq 0 ] && echo "tour: every check passed ($pdfs PDF, $csvs CSV)"
exit $fail
