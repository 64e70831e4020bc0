#!/bin/sh
# Input on an X display as xdotool sends it, at full speed, to the probe
# program (tests/platform/x11/x11_probe_main.cpp) under a virtual X server of
# its own:
#  1. text typed with no delay (one xdotool command), then Tab, more text and Enter, lands in the
#     fields it was typed for; nine quick Shift+Tabs move the focus nine stops
#  2. a move and a click on a caption at once leave no drag behind: the window
#     stays when the pointer moves on; a real drag moves it and ends on release
#  3. rich text on the clipboard is offered as text/rtf and text/richtext, its
#     plain text as UTF8_STRING and STRING (read with xclip)
#  4. the wheel over a window that is not active scrolls that window
#  5. an edit field: Delete removes the next character (and types nothing),
#     Ctrl+A selects all, Shift+arrows select, Ctrl+C copies to the clipboard
# Nothing here waits a fixed time: each step waits (bounded) for what the
# probe reports or for a window. Exit 77 (skipped) without the X tools.
#
# usage: x11_input_test.sh PROBE HELPER
set -u
LC_ALL=C
export LC_ALL
absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
PROBE=$(absolute "$1")
HELPER=$(absolute "$2")
. "$(dirname "$0")/x11_common.sh"
need_tools Xvfb xdotool xclip xwininfo
make_work tarvex-x11in

start_xvfb

STATE="$WORK/probe.state"
timeout $RUN_LIMIT "$PROBE" "$STATE" >"$WORK/probe.out" 2>&1 &
PROBE_PID=$!
PIDS="$PIDS $PROBE_PID"
state() { sed -n "s/^$1=//p" "$STATE" 2>/dev/null; }
state_is() { wait_for 10 sh -c "grep -qx '$1=$2' '$STATE'"; }
window() { xdotool search --name "$1" 2>/dev/null | head -1; }
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
# keys TEXT: the key names that type TEXT (letters, digits and '.'), for one
# xdotool command that sends them all at once
keys() { echo "$1" | sed 's/./& /g; s/\./period/g'; }

wait_for 60 sh -c "xdotool search --name '^Probe 25' && xdotool search --name '^Probe other\$'"
MAIN=$(window '^Probe 25')
OTHER=$(window '^Probe other$')
if [ -z "$MAIN" ] || [ -z "$OTHER" ]; then
  sed 's/^/probe: /' "$WORK/probe.out"
  echo "FAILED: the probe windows are not shown"
  exit 1
fi
wait_for 10 focused "$MAIN"
# The probe's main window: 400 x 300 at 100,100, border 4 and caption 19.
MX=100
MY=100

# ---- 1. typing at full speed ---------------------------------------------------------
open_form() {
  xdotool key F6
  FORM=
  wait_for 10 sh -c "xdotool search --name '^Probe form\$'" && FORM=$(window '^Probe form$')
  [ -n "$FORM" ] && wait_for 10 focused "$FORM"
}
if open_form; then
  xdotool key --delay 0 $(keys profile.dat) Tab $(keys second) Return
  state_is forms 1
  check "typed text stays in its field ($(state field1))" [ "$(state field1)" = profile.dat ]
  check "the text after Tab lands in the next field ($(state field2))" [ "$(state field2)" = second ]
else
  check "the form opens" false
fi
if open_form; then
  xdotool key --delay 0 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab \
    shift+Tab shift+Tab x Return
  state_is forms 2
  check "nine Shift+Tabs move nine stops back (field2 '$(state field2)', field1 '$(state field1)')" \
    sh -c "[ '$(state field2)' = x ] && [ -z '$(state field1)' ]"
else
  check "the form opens again" false
fi

# ---- 2. a click on a caption at once ----------------------------------------------------
xdotool mousemove 750 250 click 1  # into the other window
wait_for 10 focused "$OTHER"
xdotool mousemove $((MX + 80)) $((MY + 12)) click 1 mousemove $((MX + 280)) $((MY + 212))
wait_for 10 focused "$MAIN"
xdotool key F7
state_is counted 1
check "no drag is left after the click ($(state left),$(state top))" \
  sh -c "[ '$(state left)' = $MX ] && [ '$(state top)' = $MY ]"
# (pressed away from the click before, which would make a double-click)
xdotool mousemove $((MX + 180)) $((MY + 12)) mousedown 1 mousemove $((MX + 230)) $((MY + 42)) \
  mouseup 1 mousemove $((MX + 430)) $((MY + 342)) key F7
state_is counted 2
check "a drag moves the window and ends on release ($(state left),$(state top))" \
  sh -c "[ '$(state left)' = $((MX + 50)) ] && [ '$(state top)' = $((MY + 30)) ]"
MX=$((MX + 50))
MY=$((MY + 30))

# ---- 3. rich text on the clipboard ------------------------------------------------------
xdotool key F8
state_is copies 1
wait_for 10 sh -c "timeout 60 xclip -selection clipboard -t TARGETS -o | grep -qx text/rtf"
timeout 60 xclip -selection clipboard -t TARGETS -o >"$WORK/targets" 2>/dev/null
for t in text/rtf text/richtext UTF8_STRING STRING; do
  check "rich text offers $t" grep -qx "$t" "$WORK/targets"
done
timeout 60 xclip -selection clipboard -t text/rtf -o >"$WORK/got" 2>/dev/null
printf '{\\rtf1\\ansi{\\fonttbl{\\f0 Courier New;}}\\f0 Scale \\'"'"'b0C\\par\r\nline two}' \
  >"$WORK/expected"
check "text/rtf is the document without its closing NUL" cmp -s "$WORK/got" "$WORK/expected"
timeout 60 xclip -selection clipboard -t UTF8_STRING -o >"$WORK/got" 2>/dev/null
printf 'Scale \302\260C\nline two' >"$WORK/expected"
check "UTF8_STRING is its plain text" cmp -s "$WORK/got" "$WORK/expected"
timeout 60 xclip -selection clipboard -t STRING -o >"$WORK/got" 2>/dev/null
printf 'Scale \260C\nline two' >"$WORK/expected"
check "STRING is its plain text in Latin-1" cmp -s "$WORK/got" "$WORK/expected"

# ---- 4. the wheel over a window that is not active ---------------------------------------
xdotool mousemove 800 250 click 1
wait_for 10 focused "$OTHER"
before=$(state vpos)
xdotool mousemove $((MX + 200)) $((MY + 200)) click 5 click 5 click 5
check "the wheel scrolls the window under the pointer" state_is vpos $((before + 3))

# ---- 5. editing a field -------------------------------------------------------------------
# The field lies at 10,10 in the client area (300 x 24).
xdotool mousemove $((MX + 4 + 150)) $((MY + 23 + 22)) click 1
wait_for 10 focused "$MAIN"
xdotool key --delay 0 a b c Home Delete
check "Delete removes the next character and types nothing ($(state edit))" state_is edit bc
xdotool key --delay 0 ctrl+a z
check "Ctrl+A selects everything: typing replaces it ($(state edit))" state_is edit z
xdotool key --delay 0 space 4 2 space m shift+Left shift+Left BackSpace
check "Shift+Left selects ($(state edit))" state_is edit "z 42"
xdotool key --delay 0 ctrl+a ctrl+c
wait_for 10 sh -c "[ \"\$(timeout 60 xclip -selection clipboard -o)\" = 'z 42' ]"
check "Ctrl+C copies the selection" [ "$(timeout 60 xclip -selection clipboard -o 2>/dev/null)" = "z 42" ]
xdotool key --delay 0 End ctrl+v
check "Ctrl+V pastes ($(state edit))" state_is edit "z 42z 42"

"$HELPER" close "$MAIN"
wait_for 30 sh -c "! kill -0 $PROBE_PID"
SERVER=$(xdotool search --name '^tarvex clipboard$' 2>/dev/null | head -1)
[ -n "$SERVER" ] && PIDS="$PIDS $(xprop -id "$SERVER" _NET_WM_PID 2>/dev/null | sed -n 's/.* = //p')"

echo "$PASSED passed, $FAILED failed"
[ $FAILED = 0 ]
