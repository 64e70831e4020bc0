#!/bin/sh
# The program's windows from the keyboard alone, on a virtual X server of its
# own (the sea water stored in a work file by a headless run first):
#  1. the menu bar underlines the letters Alt takes (the lowest ink under
#     "FILES" is a short stroke under its F, not the foot of the word); the
#     highlight of a dropped menu passes over its headings: Alt+I then Enter
#     opens the source water form, not the heading "SURFACE";
#  2. a letter two items share lights them in turn and Enter chooses: S, S
#     in FILES is What's Stored, I, I in INPUT is Input pH Curve;
#  3. the one-page summary opens below the main window's menu bar, which a
#     click still reaches;
#  4. the water form's OK leaves the keyboard with the page in front; Ctrl+F6
#     and Ctrl+Tab step it through the main window and its pages in a ring,
#     Shift with them back; the page reached scrolls with Page Down; after a
#     page's PRINT the page keeps it; Escape from Select Parameters and a
#     what-if leave it with the page in front, not the main window behind;
#  5. in the units dialog the focused radio button and the focused unit
#     arrows show it, the arrows go round the three of its group (never onto
#     the group's frame), and the temperature spinner's Down and Up undo each
#     other and go round alike;
#  6. on a page Alt+O drops its OPTIONS and Alt+F the main menu's FILES;
#  7. on the 3D graph Alt+P drops PROPERTIES (no print) and Alt+C, twice,
#     CHOOSE GRAPH then CHANGE RANGE (the bars stay); after the range's OK the
#     graph has the keyboard; in the print dialog Tab, Escape and Enter work
#     from the printer list, and a print, cancelled or not, leaves the graph
#     where it was; its CLOSE gives the keyboard to the page in front;
#  8. the one-page summary's CLOSE gives the keyboard to the page in front.
# Each wait has its own short limit: a key that brings nothing fails the test
# at that step.
# Every process started here is ended here. Exit 77 (skipped) without the X
# tools.
#
# usage: x11_keys_test.sh TARVEX SOURCE
set -u
LC_ALL=C
export LC_ALL
absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
TARVEX=$(absolute "$1")
SOURCE=$(cd "$2" && pwd)
. "$(dirname "$0")/x11_common.sh"
need_tools Xvfb xdotool xwininfo import convert compare
make_work tarvex-x11keys

shown() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
gone() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
focused_name() { xdotool getwindowfocus getwindowname 2>/dev/null; }
# The main window's title tells the last print after its name.
focus_is() {
  case "$1" in
    Tarvex) focused_name | grep -q '^Tarvex\( - .*\)\?$' ;;
    *) [ "$(focused_name)" = "$1" ] ;;
  esac
}
geometry() {  # geometry WINDOW: sets X Y WIDTH HEIGHT on the screen
  info=$(xwininfo -id "$1")
  X=$(echo "$info" | sed -n 's/.*Absolute upper-left X: *//p')
  Y=$(echo "$info" | sed -n 's/.*Absolute upper-left Y: *//p')
  WIDTH=$(echo "$info" | sed -n 's/.*Width: *//p')
  HEIGHT=$(echo "$info" | sed -n 's/.*Height: *//p')
}
grab() {  # grab FILE WxH+X+Y: that part of the screen
  import -window root -crop "$2" +repage "$1" 2>/dev/null
}
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }
differ() { ! same "$1" "$2"; }
# still FILE AREA: the part of the screen once it has stopped changing (two
# looks a third of a second apart agree)
still() {
  settle
  grab "$1" "$2"
  i=0
  while [ $i -lt 30 ]; do
    sleep 0.3
    grab "$WORK/next.png" "$2"
    if same "$1" "$WORK/next.png"; then return 0; fi
    mv "$WORK/next.png" "$1"
    i=$((i + 1))
  done
}

# step SECONDS COMMAND...: waits, as a step of the test, for what the keys
# before it should bring; when it does not come within its own short time the
# test fails there, naming the step and the windows shown (every step after it
# would wait in vain).
step() {
  step_limit=$1
  shift
  wait_for "$step_limit" "$@" && return 0
  echo "FAILED: waited $step_limit s for: $*"
  echo "shown: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | tr '\n' '|')"
  echo "focus: $(focused_name)"
  echo "$PASSED passed, $((FAILED + 1)) failed"
  exit 1
}

# ---- the work file: the sea water, stored by a headless run ------------------------
mkdir "$WORK/make"
sed -n '/^dialog 80/p' "$SOURCE/data/scripts/seawater-pages.tvs" >"$WORK/make/sea.tvs"
printf 'menu 1030\nfile \\sea.krv\nmenu 1022\nmenu 1028\n' >>"$WORK/make/sea.tvs"
(cd "$WORK/make" && timeout $RUN_LIMIT "$TARVEX" --headless --script sea.tvs --log make.log \
  >/dev/null 2>&1)
[ -f "$WORK/make/sea.KRV" ] || { tail "$WORK/make/make.log"; echo "FAILED: no work file"; exit 1; }

start_xvfb
# As first_start, with the time a slow build needs for all that follows.
mkdir "$WORK/run"
echo 'PDF | letter | 300 | colour | out' >"$WORK/run/printers.cfg"
(cd "$WORK/run" && exec timeout $RUN_LIMIT "$TARVEX" >"$WORK/tarvex.out" 2>&1) &
TARVEX_PID=$!
PIDS="$PIDS $TARVEX_PID"
wait_for 30 xdotool search --name '^WARNING$' && xdotool key Return
# The main window's class may be set a moment after the box shows on a busy machine.
wait_for 10 xdotool search --classname '^tarvex$' >/dev/null
MAIN=$(xdotool search --classname '^tarvex$' 2>/dev/null | head -1)
if [ -z "$MAIN" ] || ! wait_for 10 sh -c "! xdotool search --name '^WARNING\$'"; then
  echo "FAILED: the main window is not shown"
  exit 1
fi
cp "$WORK/make/sea.KRV" "$WORK/run/"
settle
geometry "$MAIN"
MX=$X MY=$Y

# ---- 1. underlined letters; headings passed over --------------------------------------
# The bar lies below the border (4) and the caption (19), 19 high; FILES is its
# first word.
grab "$WORK/bar.png" "46x19+$((MX + 4))+$((MY + 23))"
convert "$WORK/bar.png" -colorspace Gray -threshold 50% txt:- 2>/dev/null |
  awk -F'[,: ]+' '/#000000|black/ { print $2, $1 }' | sort -n >"$WORK/ink"
lowest=$(tail -1 "$WORK/ink" | cut -d' ' -f1)
wide=$(awk -v y="$lowest" '$1 == y { if (lo == "" || $2 < lo) lo = $2; if ($2 > hi) hi = $2 }
  END { print hi - lo + 1 }' "$WORK/ink")
check "the lowest ink of FILES is a stroke under one letter ($wide pixels wide)" \
  sh -c "[ '$wide' -ge 4 ] && [ '$wide' -le 12 ]"
xdotool key alt+i
step 5 shown '^INPUT$'
xdotool key Return
check "Alt+I, Enter opens the source water form" \
  wait_for 10 shown '^SURFACE WATER CHEMISTRY INPUT FORM$'
xdotool key Escape
step 10 gone '^SURFACE WATER CHEMISTRY INPUT FORM$'
step 10 focus_is Tarvex

# ---- 2. letters two items share -------------------------------------------------------
xdotool key alt+f
step 5 shown '^FILES$'
xdotool key o
step 10 shown '^OPEN WORK FILE$'
settle
xdotool type sea.KRV
xdotool key Return
wait_for 10 shown '^C:.sea.KRV$' && xdotool key Return
step 10 gone '^C:.sea.KRV$'
step 10 focus_is Tarvex
xdotool key alt+f
step 5 shown '^FILES$'
xdotool key s
settle
check "S lights Save File and chooses nothing" shown '^FILES$'
xdotool key s Return
check "S again, Enter: What's Stored" wait_for 10 shown '^WORK FILE BROWSE & DELETE$'
xdotool key Escape
step 10 gone '^WORK FILE BROWSE & DELETE$'
step 10 focus_is Tarvex
xdotool key alt+i
step 5 shown '^INPUT$'
xdotool key i i Return
check "I, I, Enter: Input pH Curve" wait_for 10 shown '^Input pH-Alkalinity Relationship$'
xdotool key Escape
step 10 gone '^Input pH-Alkalinity Relationship$'
step 10 focus_is Tarvex

# ---- 3. the one-page summary below the menu bar ----------------------------------------
xdotool key alt+w
step 5 shown '^WHAT-IF$'
xdotool key Return
SUMMARY=
wait_for 30 shown '^SYSTEM CHEMISTRY AND SCALE POTENTIAL SUMMARY$' &&
  SUMMARY=$(window '^SYSTEM CHEMISTRY AND SCALE POTENTIAL SUMMARY$')
check "Alt+W, Enter opens the one-page summary" test -n "$SUMMARY"
if [ -n "$SUMMARY" ]; then
  geometry "$SUMMARY"
  check "the summary starts below the menu bar (top $Y)" [ "$Y" -ge $((MY + 42)) ]
  check "and ends on the screen (bottom $((Y + HEIGHT)))" [ $((Y + HEIGHT)) -le 1024 ]
  xdotool mousemove $((MX + 20)) $((MY + 32)) click 1
  check "a click on FILES drops it" wait_for 10 shown '^FILES$'
  xdotool key Escape
  step 5 gone '^FILES$'
fi

# ---- 4. the windows in a ring ------------------------------------------------------------
# The source water form again, OK: its two pages open over the summary. A
# click on the main window's caption gives it the keyboard.
xdotool mousemove $((MX + 900)) $((MY + 10)) click 1
step 10 focus_is Tarvex
xdotool key alt+i
step 5 shown '^INPUT$'
xdotool key Return
step 5 shown '^SURFACE WATER CHEMISTRY INPUT FORM$'
step 10 focus_is 'SURFACE WATER CHEMISTRY INPUT FORM'
settle
xdotool key Return
check "OK in the form opens the water's pages" \
  wait_for 30 shown '^SURFACE WATER DEPOSITION POTENTIAL INDICATORS$'
wait_for 10 gone '^SURFACE WATER CHEMISTRY INPUT FORM$' ||
  echo "shown: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | tr '\n' '|')"
# The indicators page opens last, in front: it has the keyboard.
INDICATORS='SURFACE WATER DEPOSITION POTENTIAL INDICATORS'
check "after the form's OK the page in front has the keyboard ($(focused_name))" \
  wait_for 10 focus_is "$INDICATORS"
start=$(focused_name)
ring=""
for i in 1 2 3 4; do
  before=$(focused_name)
  xdotool key ctrl+F6
  step 10 sh -c "[ \"\$(xdotool getwindowfocus getwindowname)\" != '$before' ]"
  ring="$ring|$(focused_name)"
done
check "Ctrl+F6 four times goes round the main window and its three pages ($ring)" \
  sh -c "echo '$ring' | grep -q 'SUMMARY' && echo '$ring' | grep -q '|SURFACE WATER ANALYSIS' &&
    echo '$ring' | grep -q '|Tarvex|' && [ '${ring##*|}' = '$start' ]"
xdotool key ctrl+Tab
step 10 sh -c "! [ \"\$(xdotool getwindowfocus getwindowname)\" = '$start' ]"
first=$(focused_name)
check "Ctrl+Tab steps as Ctrl+F6 ($first)" [ "$first" = "$(echo "$ring" | cut -d'|' -f2)" ]
xdotool key ctrl+shift+F6
check "Shift+Ctrl+F6 steps back" wait_for 10 focus_is "$start"
xdotool key ctrl+shift+Tab
check "Shift+Ctrl+Tab steps back round the ring" \
  wait_for 10 focus_is "$(echo "$ring" | cut -d'|' -f4)"
# The indicators page is longer than its window.
for i in 1 2 3 4; do
  focus_is "$INDICATORS" && break
  xdotool key ctrl+F6
  settle
done
PAGE=$(window "^$INDICATORS\$")
check "the indicators page has the keyboard" focus_is "$INDICATORS"
if [ -n "$PAGE" ]; then
  geometry "$PAGE"
  AREA="${WIDTH}x${HEIGHT}+$X+$Y"
  still "$WORK/page1.png" "$AREA"
  xdotool key Next
  check "Page Down scrolls it" wait_for 10 sh -c \
    "import -window root -crop '$AREA' +repage '$WORK/page2.png' 2>/dev/null &&
     [ \"\$(compare -metric AE '$WORK/page1.png' '$WORK/page2.png' null: 2>&1)\" != 0 ]"
fi
# PRINT on the page: the page printed keeps the keyboard.
xdotool key alt+o
step 5 shown '^OPTIONS$'
xdotool key p
step 10 shown '^Print$'
xdotool key Return
step 30 sh -c "ls '$WORK/run/out/'*.pdf"
step 10 gone '^Print$'
settle
check "after its PRINT the page has the keyboard ($(focused_name))" \
  wait_for 10 focus_is "$INDICATORS"
# Select Parameters from the main window, Escape: the page in front (the
# indicators page, which had the keyboard last) takes it back.
for i in 1 2 3 4; do
  focus_is Tarvex && break
  xdotool key ctrl+F6
  settle
done
step 10 focus_is Tarvex
xdotool key alt+w
step 5 shown '^WHAT-IF$'
xdotool key s Return
step 10 shown "^ Single Water 'What-if' Scenarios\$"
xdotool key Escape
step 10 gone "^ Single Water 'What-if' Scenarios\$"
check "Escape from Select Parameters leaves the keyboard with the page in front ($(focused_name))" \
  wait_for 10 focus_is "$INDICATORS"
# A what-if from the page: Vary Temperature opens the temperature pages, the
# last of them in front with the keyboard.
xdotool key alt+w
step 5 shown '^WHAT-IF$'
xdotool key t
step 30 shown 'VERSUS TEMPERATURE$'
check "after Vary Temperature its page in front has the keyboard ($(focused_name))" \
  wait_for 10 sh -c "xdotool getwindowfocus getwindowname | grep -q 'VERSUS TEMPERATURE\$'"
for i in 1 2 3 4 5 6 7; do
  focus_is Tarvex && break
  xdotool key ctrl+F6
  settle
done

# ---- 5. the units dialog ---------------------------------------------------------------
xdotool key alt+p
step 5 shown '^PREFERENCES$'
xdotool key u
UNITS=
wait_for 10 shown '^ANALYTICAL UNITS SELECTION$' && UNITS=$(window '^ANALYTICAL UNITS SELECTION$')
check "Alt+P, U opens the units dialog" test -n "$UNITS"
if [ -n "$UNITS" ]; then
  settle
  geometry "$UNITS"
  # The right-hand column: the radio groups, the presets, OK and Cancel.
  SIDE="$((WIDTH / 5))x${HEIGHT}+$((X + WIDTH - WIDTH / 5))+$Y"
  WHOLE="${WIDTH}x${HEIGHT}+$X+$Y"
  # Chloride, the checked anion, is seven stops back from the first field.
  xdotool key --delay 100 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
  still "$WORK/chloride.png" "$SIDE"
  xdotool key Tab  # Nitrate, unchecked
  still "$WORK/nitrate.png" "$SIDE"
  check "the focus mark moves from Chloride to Nitrate" differ "$WORK/chloride.png" "$WORK/nitrate.png"
  for n in 1 2 3 4; do
    xdotool key Down
    still "$WORK/down$n.png" "$SIDE"
  done
  check "each Down moves in the anions' group" differ "$WORK/down1.png" "$WORK/down2.png"
  check "each Down moves in the anions' group (2)" differ "$WORK/down2.png" "$WORK/down3.png"
  check "each Down moves in the anions' group (3)" differ "$WORK/down1.png" "$WORK/down3.png"
  check "three Downs go round the group's three buttons" same "$WORK/down1.png" "$WORK/down4.png"
  # The temperature spinner: the 29th field from the first (the focus
  # starts there when the dialog opens again).
  # Calcium's unit arrows, the first field, show the focus when the dialog
  # opens again.
  xdotool key Escape
  step 10 gone '^ANALYTICAL UNITS SELECTION$'
  for i in 1 2 3 4 5 6 7; do
    focus_is Tarvex && break
    xdotool key ctrl+F6
    settle
  done
  xdotool key alt+p
  step 5 shown '^PREFERENCES$'
  xdotool key u
  step 10 shown '^ANALYTICAL UNITS SELECTION$'
  settle
  # Calcium's unit arrows, the first field, have the keyboard: they stand
  # out in the selection's dark blue, as nothing else on the dialog does.
  grab "$WORK/units.png" "$WHOLE"
  MARK=$(convert "$WORK/units.png" -fill white +opaque 'rgb(0,0,128)' -fill black \
    -opaque 'rgb(0,0,128)' -format '%[fx:round(w*h*(1-mean))]' info: 2>/dev/null)
  check "the focused unit arrows show the focus ($MARK pixels of the mark)" [ "${MARK:-0}" -ge 20 ]
  xdotool key $(for i in $(seq 28); do echo Tab; done)
  still "$WORK/t0.png" "$WHOLE"
  xdotool key Down
  still "$WORK/t1.png" "$WHOLE"
  check "Down changes the temperature unit" differ "$WORK/t0.png" "$WORK/t1.png"
  xdotool key Up
  still "$WORK/t2.png" "$WHOLE"
  check "Up takes it back" same "$WORK/t0.png" "$WORK/t2.png"
  xdotool key Down Down Down
  still "$WORK/t3.png" "$WHOLE"
  check "three Downs go round the three units" same "$WORK/t0.png" "$WORK/t3.png"
  xdotool key Up Up Up
  still "$WORK/t4.png" "$WHOLE"
  check "three Ups go round the three units" same "$WORK/t0.png" "$WORK/t4.png"
  xdotool key Escape
  step 10 gone '^ANALYTICAL UNITS SELECTION$'
fi

# ---- 6. a page: its own OPTIONS and the main menu ------------------------------------
for i in 1 2 3 4; do
  focus_is "$INDICATORS" && break
  xdotool key ctrl+F6
  settle
done
step 10 focus_is "$INDICATORS"
xdotool key alt+o
check "Alt+O on a page drops its OPTIONS" wait_for 5 shown '^OPTIONS$'
xdotool key Escape
step 5 gone '^OPTIONS$'
xdotool key alt+f
check "Alt+F on a page drops the main menu's FILES" wait_for 5 shown '^FILES$'
xdotool key Escape
step 5 gone '^FILES$'
check "Escape leaves the keyboard on the page" focus_is "$INDICATORS"

# ---- 7. the 3D graph: the bar's letters, Change Range, print ---------------------------
xdotool key alt+w
step 5 shown '^WHAT-IF$'
# P lights Vary pH, Vary Pressure, then 3D Profile.
xdotool key p p p Return
step 30 shown '^Tarvex Graph$'
step 10 focus_is 'Tarvex Graph'
GRAPH=$(window '^Tarvex Graph$')
geometry "$GRAPH"
GX=$X GY=$Y GW=$WIDTH GH=$HEIGHT
GAREA="${GW}x${GH}+$GX+$GY"
still "$WORK/g0.png" "$GAREA"
xdotool key alt+p
check "Alt+P on the 3D graph drops PROPERTIES" wait_for 5 shown '^PROPERTIES$'
check "and opens no print dialog" gone '^Print$'
xdotool key Escape
step 5 gone '^PROPERTIES$'
xdotool key alt+c
check "Alt+C drops CHOOSE GRAPH" wait_for 5 shown '^CHOOSE GRAPH$'
xdotool key alt+c
check "Alt+C again moves to CHANGE RANGE" wait_for 5 shown '^CHANGE RANGE$'
xdotool key Escape
step 5 gone '^CHANGE RANGE$'
still "$WORK/g1.png" "$GAREA"
check "Alt+C leaves the bars as they were" same "$WORK/g0.png" "$WORK/g1.png"
# Change Range, OK: the keyboard comes back to the graph.
xdotool key alt+c alt+c Return
step 10 sh -c "[ \"\$(xdotool getwindowfocus getwindowname)\" != 'Tarvex Graph' ]"
RANGE=$(focused_name)
settle
xdotool key Return
step 10 gone "^$RANGE\$"
check "after the range's OK the graph has the keyboard" wait_for 30 focus_is 'Tarvex Graph'
# The print dialog: Tab moves its focus, Escape cancels, Enter prints; the
# graph stays where it was either way.
xdotool key alt+o Return
step 10 shown '^Print$'
PRINT=$(window '^Print$')
geometry "$PRINT"
PAREA="${WIDTH}x${HEIGHT}+$X+$Y"
still "$WORK/p0.png" "$PAREA"
xdotool key Tab
still "$WORK/p1.png" "$PAREA"
check "Tab in the printer list moves the focus" differ "$WORK/p0.png" "$WORK/p1.png"
xdotool key Escape
check "Escape cancels the print dialog" wait_for 10 gone '^Print$'
settle
GRAPH=$(window '^Tarvex Graph$')
geometry "$GRAPH"
check "the cancelled print leaves the graph in its place ($X,$Y ${WIDTH}x$HEIGHT)" \
  [ "$X,$Y,$WIDTH,$HEIGHT" = "$GX,$GY,$GW,$GH" ]
xdotool key alt+o Return
step 10 shown '^Print$'
xdotool key Return
check "Enter in the printer list prints" wait_for 30 sh -c "ls '$WORK/run/out/'*.pdf"
# The job's end hands the keyboard over more than once (its cancel box goes,
# the graph comes back): the next keys wait until the program is idle.
settle
step 30 focus_is 'Tarvex Graph'
settle
GRAPH=$(window '^Tarvex Graph$')
geometry "$GRAPH"
check "the print leaves the graph in its place ($X,$Y ${WIDTH}x$HEIGHT)" \
  [ "$X,$Y,$WIDTH,$HEIGHT" = "$GX,$GY,$GW,$GH" ]

# CLOSE on the graph: the indicators page, in front of the main window,
# takes the keyboard.
xdotool key alt+o
step 5 shown '^OUTPUT$'
xdotool key c c Return
step 10 gone '^Tarvex Graph$'
check "after the graph's CLOSE the page in front has the keyboard ($(focused_name))" \
  wait_for 10 focus_is "$INDICATORS"

# The one-page summary over the pages, then its OPTIONS > CLOSE (O): the page
# in front takes the keyboard back, not the main window behind it.
xdotool key alt+w
step 5 shown '^WHAT-IF$'
xdotool key Return
step 30 focus_is 'SYSTEM CHEMISTRY AND SCALE POTENTIAL SUMMARY'
xdotool key alt+o
step 5 shown '^OPTIONS$'
xdotool key o
step 10 gone '^SYSTEM CHEMISTRY AND SCALE POTENTIAL SUMMARY$'
check "after the summary's CLOSE the page in front has the keyboard ($(focused_name))" \
  wait_for 10 focus_is "$INDICATORS"

kill "$TARVEX_PID" 2>/dev/null
echo "$PASSED passed, $FAILED failed"
[ "$FAILED" = 0 ]
