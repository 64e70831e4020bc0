#!/bin/sh
# The program's desktop from the keyboard, on a virtual X server of its own:
#  1. the first start's units box is transient for the main window;
#  2. the menus without the mouse: Alt+F drops FILES and Escape closes it;
#     F10 enters the bar and Down drops FILES, Right moves to INPUT; Alt alone
#     enters the bar; Alt+I then S opens the source water form;
#  3. message boxes take their buttons' letters: after an analysis was copied
#     from the form, FILES > QUIT by its letters, N to saving and Y to leaving
#     the analysis on the clipboard (it stays readable after the program ends);
#  4. COPY FOR EXCEL in a scripted run on the display: the table is offered as
#     text/csv and as text (a row per line, a tab between cells), both read by
#     xclip and agreeing cell for cell through Python's csv reader.
# Every process started here is ended here. Exit 77 (skipped) without the X
# tools.
#
# usage: x11_desktop_test.sh TARVEX SOURCE
set -u
LC_ALL=C
export LC_ALL
absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
TARVEX=$(absolute "$1")
SOURCE=$(cd "$2" && pwd)
. "$(dirname "$0")/x11_common.sh"
need_tools Xvfb xdotool xclip xprop python3
make_work tarvex-x11desk

shown() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
gone() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

start_xvfb

# ---- 1. the first start's box ------------------------------------------------------
first_start
check "the units box is shown" test -n "$BOX"
if [ -n "$BOX" ]; then
  OWNER=$(xprop -id "$BOX" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')
  check "the units box is transient for a window" test -n "$OWNER"
  if [ -n "$OWNER" ]; then
    check "that window is the program's main window" \
      sh -c "xprop -id $OWNER WM_CLASS | grep -q '\"tarvex\", \"Tarvex\"' && \
             ! xprop -id $OWNER WM_NAME | grep -q WARNING"
  fi
  xdotool key Return
  check "Enter answers the box" wait_for 10 sh -c "! xdotool search --name '^WARNING\$'"
fi

# ---- 2. the menus from the keyboard ----------------------------------------------
MAIN=$(xdotool search --classname '^tarvex$' 2>/dev/null | head -1)
check "the main window is shown" test -n "$MAIN"
if [ -n "$MAIN" ]; then
  wait_for 30 focus_named '^Tarvex$'
  xdotool key alt+f
  check "Alt+F drops FILES" wait_for 10 shown '^FILES$'
  xdotool key Escape
  check "Escape closes it" wait_for 10 gone '^FILES$'
  xdotool key F10
  xdotool key Down
  check "F10 then Down drops FILES" wait_for 10 shown '^FILES$'
  xdotool key Right
  check "Right moves to INPUT" wait_for 10 shown '^INPUT$'
  check "and closes FILES" wait_for 10 gone '^FILES$'
  xdotool key Escape
  check "Escape closes INPUT" wait_for 10 gone '^INPUT$'
  xdotool key alt
  xdotool key Down
  check "Alt alone, then Down drops FILES" wait_for 10 shown '^FILES$'
  xdotool key Escape
  wait_for 10 gone '^FILES$'
  xdotool key alt+i
  check "Alt+I drops INPUT" wait_for 10 shown '^INPUT$'
  xdotool key s
  check "S opens the source water form" \
    wait_for 30 shown '^SURFACE WATER CHEMISTRY INPUT FORM$'
fi

# ---- 3. the letters of a box's buttons -----------------------------------------------
if shown '^SURFACE WATER CHEMISTRY INPUT FORM$'; then
  wait_for 30 focus_named '^SURFACE WATER CHEMISTRY INPUT FORM$'
  # Copy is five tab stops back from the first field.
  xdotool key --delay 150 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab Return
  if wait_for 30 xdotool search --name '^WARNING$'; then xdotool key Return; fi
  wait_for 30 sh -c "timeout 60 xclip -selection clipboard -t TARGETS -o | grep -qx tkIntermediate"
  timeout 60 xclip -selection clipboard -t tkIntermediate -o >"$WORK/analysis" 2>/dev/null
  check "the analysis is on the clipboard" [ "$(wc -c <"$WORK/analysis")" = 3104 ]
  xdotool key Escape
  wait_for 30 gone '^SURFACE WATER CHEMISTRY INPUT FORM$'
  wait_for 30 focus_named '^Tarvex$'
  xdotool key alt+f
  wait_for 10 shown '^FILES$'
  xdotool key q
  check "FILES > QUIT by its letters asks to save" \
    wait_for 30 shown '^DATA HAS CHANGED!$'
  wait_for 30 focus_named '^DATA HAS CHANGED!$'
  xdotool key n
  check "N answers No: the clipboard question comes" \
    wait_for 30 shown '^LEAVE CLIPBOARD ANALYSIS[?]$'
  wait_for 30 focus_named '^LEAVE CLIPBOARD ANALYSIS[?]$'
  xdotool key y
fi
if wait_exit $TARVEX_PID 60; then
  check "tarvex ends with exit code 0 (got $EXIT_CODE)" [ "$EXIT_CODE" = 0 ]
else
  check "tarvex ends after its QUIT" false
fi
# Our clipboard process takes over from the program as it ends: awaited.
check "Y left the analysis on the clipboard" \
  wait_for 10 clipboard_is "$WORK/analysis" tkIntermediate
SERVER=$(xdotool search --name '^tarvex clipboard$' 2>/dev/null | head -1)
if [ -n "$SERVER" ]; then
  PIDS="$PIDS $(xprop -id "$SERVER" _NET_WM_PID | sed -n 's/.* = //p')"
fi

# ---- 4. COPY FOR EXCEL as text/csv and as text -------------------------------------
mkdir "$WORK/copy"
grep -v '^text \|^snap \|^answer ' "$SOURCE/data/scripts/seawater-pages.tvs" >"$WORK/copy/copy.tvs"
printf 'menu 755 DisplayMUValues\nanswer no Data has been modified\n' >>"$WORK/copy/copy.tvs"
(cd "$WORK/copy" && timeout $RUN_LIMIT "$TARVEX" --display --script copy.tvs --log run.log \
  >"$WORK/copy.out" 2>&1)
check "the scripted copy runs (exit code $?)" grep -q "exit code 0" "$WORK/copy/run.log"
# The table stays on the clipboard, served by our process once the program ended.
wait_for 10 sh -c "timeout 60 xclip -selection clipboard -t TARGETS -o | grep -qx text/csv"
timeout 60 xclip -selection clipboard -t TARGETS -o >"$WORK/targets" 2>/dev/null
for target in XlTable Csv text/csv text/plain UTF8_STRING; do
  check "COPY FOR EXCEL offers $target" grep -qx "$target" "$WORK/targets"
done
timeout 60 xclip -selection clipboard -t text/csv -o >"$WORK/table.csv" 2>/dev/null
timeout 60 xclip -selection clipboard -t text/plain -o >"$WORK/table.txt" 2>/dev/null
timeout 60 xclip -selection clipboard -o >"$WORK/table.utf8" 2>/dev/null
check "text/csv, text/plain and UTF8_STRING agree cell for cell" \
  python3 - "$WORK/table.csv" "$WORK/table.txt" "$WORK/table.utf8" <<'EOF'
import csv, sys
with open(sys.argv[1], newline='', encoding='utf-8') as f:
    table = [row or [''] for row in csv.reader(f)]
def tab_rows(path, encoding):
    with open(path, newline='', encoding=encoding) as f:
        return [line.split('\t') for line in f.read().splitlines()]
assert table and table[0] == ['SURFACE WATER ANALYSIS'], table[:2]
assert any(r[:3] == ['Calcite:', 'CaCO3', '4.04'] for r in table), 'no calcite row'
assert tab_rows(sys.argv[2], 'latin-1') == table, 'text/plain rows differ'
assert tab_rows(sys.argv[3], 'utf-8') == table, 'UTF8_STRING rows differ'
EOF
SERVER=$(xdotool search --name '^tarvex clipboard$' 2>/dev/null | head -1)
if [ -n "$SERVER" ]; then
  PIDS="$PIDS $(xprop -id "$SERVER" _NET_WM_PID | sed -n 's/.* = //p')"
fi

echo "$PASSED passed, $FAILED failed"
[ "$FAILED" = 0 ]
