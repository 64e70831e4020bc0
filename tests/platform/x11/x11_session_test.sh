#!/bin/sh
# The program on an X display, tried as a new user would, under a virtual X
# server of its own (a free display number chosen by the server):
#  1. tarvex in an empty folder: the first start's units box is visible on top
#     (face, frame and text where the server places it) and Enter answers it;
#     the window carries its class, names, close protocol and icon; the main
#     window's client pixels equal the headless snap at the same desktop size;
#     FILES opens with a click, QUIT ends the program with exit code 0 and the
#     settings files written.
#  2. the probe program: scroll-bar arrow, page and thumb drag (the thumb is
#     drawn where it went); clipboard text to and from xclip (UTF-8, degree
#     sign, line ends; the probe's registered format by its name); an owned box
#     refuses clicks and the close box to its owner and Escape cancels it; the
#     close box (WM_DELETE_WINDOW) ends the probe; after the probe quits
#     its text stays on the clipboard, served by a small process that ends when
#     another program takes the clipboard.
#  3. with a clipboard manager running, the probe's text goes to it at exit.
#  3b. tarvex: INPUT, Source Water Analysis and Copy in the form put the
#     analysis on the clipboard as "tkIntermediate" (3,104 bytes, read by
#     xclip); after QUIT with Yes to leaving it there it is still readable.
#  4. under a window manager (twm, where installed): the units box is again
#     visible on top inside its frame, Enter answers it, QUIT ends the program.
# Every process started here is ended here. Exit 77 (skipped) without the X
# tools.
#
# usage: x11_session_test.sh TARVEX PROBE HELPER
set -u
LC_ALL=C  # texts below are compared byte for byte
export LC_ALL
absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
TARVEX=$(absolute "$1")
PROBE=$(absolute "$2")
HELPER=$(absolute "$3")
. "$(dirname "$0")/x11_common.sh"
need_tools Xvfb xdotool xclip import convert compare xprop xwininfo
make_work tarvex-x11



pixel() {  # pixel IMAGE X Y: the colour as RRGGBB
  convert "$1" -format "%[hex:p{$2,$3}]" info: 2>/dev/null | cut -c1-6
}

geometry() {  # geometry WINDOW: sets X Y WIDTH HEIGHT (on the screen, frame or not)
  info=$(xwininfo -id "$1")
  X=$(echo "$info" | sed -n 's/.*Absolute upper-left X: *//p')
  Y=$(echo "$info" | sed -n 's/.*Absolute upper-left Y: *//p')
  WIDTH=$(echo "$info" | sed -n 's/.*Width: *//p')
  HEIGHT=$(echo "$info" | sed -n 's/.*Height: *//p')
}

FACE=D4D0C8
CAPTION=0A246A

# ---- the X server ---------------------------------------------------------------
start_xvfb
echo "display $DISPLAY"

# ---- 1. tarvex, first start -------------------------------------------------------
first_start
check "the units box is shown" test -n "$BOX"
if [ -n "$BOX" ]; then
  geometry "$BOX"
  BX=$X BY=$Y BW=$WIDTH BH=$HEIGHT
  # The box is painted once its face shows where the server put it.
  wait_for 10 sh -c "import -window root '$WORK/box.png' && \
    [ \"\$(convert '$WORK/box.png' -format '%[hex:p{$((BX + 6)),$((BY + BH - 6))}]' info: | cut -c1-6)\" = $FACE ]"
  check "box face on top" [ "$(pixel "$WORK/box.png" $((BX + 6)) $((BY + BH - 6)))" = $FACE ]
  # (left of the close box at the caption's right end)
  check "box caption on top" \
    [ "$(pixel "$WORK/box.png" $((BX + BW - 30)) $((BY + 10)))" = $CAPTION ]
  check "box frame light edge" [ "$(pixel "$WORK/box.png" $((BX + 1)) $((BY + 1)))" = FFFFFF ]
  check "box frame dark edge" \
    [ "$(pixel "$WORK/box.png" $((BX + BW - 1)) $((BY + BH - 1)))" = 404040 ]
  # Its text: dark letters on the face in the band below the caption.
  dark=$(convert "$WORK/box.png" -crop "$((BW - 20))x20+$((BX + 10))+$((BY + 30))" +repage \
    -colorspace Gray -threshold 50% -negate -format '%[fx:int(w*h*mean+0.5)]' info:)
  check "box text is drawn ($dark dark pixels)" [ "$dark" -gt 200 ]

  xdotool key Return
  check "Enter answers the box" wait_for 10 sh -c "! xdotool search --name '^WARNING\$'"
fi

MAIN=$(xdotool search --classname '^tarvex$' 2>/dev/null | head -1)
check "the main window is found by its class" test -n "$MAIN"
if [ -n "$MAIN" ]; then
  check "instance and class names" \
    sh -c "xprop -id $MAIN WM_CLASS | grep -q '\"tarvex\", \"Tarvex\"'"
  check "the close box is offered" \
    sh -c "xprop -id $MAIN WM_PROTOCOLS | grep -q WM_DELETE_WINDOW"
  check "an icon of our own" \
    sh -c "xprop -id $MAIN _NET_WM_ICON | grep -q 'Icon (32 x 32)'"
  check "the UTF-8 title" sh -c "xprop -id $MAIN _NET_WM_NAME | grep -q 'UTF8_STRING'"
  check "searched by class Tarvex" sh -c "xdotool search --class Tarvex | grep -qx $MAIN"
  geometry "$MAIN"
  MX=$X MY=$Y
  # The same desktop headless: its snap equals the client area on screen
  # (border 4, caption 19 and menu bar 19 pixels above it).
  mkdir "$WORK/headless"
  printf 'snap TarvexMainClass main.ppm\nmenu 1028\n' >"$WORK/headless/snap.tvs"
  (cd "$WORK/headless" && timeout $RUN_LIMIT "$TARVEX" --headless --desktop 1280x1024 \
    --script snap.tvs >/dev/null 2>&1)
  if [ -f "$WORK/headless/main.ppm" ]; then
    SW=$(convert "$WORK/headless/main.ppm" -format %w info:)
    SH=$(convert "$WORK/headless/main.ppm" -format %h info:)
    # The window is painted once its client pixels are the snap's (or the wait ends).
    client_diff() {
      import -window root "$WORK/screen.png"
      convert "$WORK/screen.png" -crop "${SW}x${SH}+$((MX + 4))+$((MY + 42))" +repage \
        "$WORK/client.png"
      diff=$(compare -metric AE "$WORK/client.png" "$WORK/headless/main.ppm" null: 2>&1)
      [ "$diff" = 0 ]
    }
    wait_for 10 client_diff
    client_diff
    check "client pixels equal the headless snap ($diff differ)" [ "$diff" = 0 ]
  else
    check "headless snap written" false
  fi

  xdotool mousemove $((MX + 20)) $((MY + 32)) click 1
  POPUP=
  if wait_for 10 xdotool search --name '^FILES$'; then
    POPUP=$(xdotool search --name '^FILES$' | head -1)
  fi
  check "FILES drops down" test -n "$POPUP"
  if [ -n "$POPUP" ]; then
    geometry "$POPUP"
    xdotool mousemove $((X + 30)) $((Y + HEIGHT - 10)) click 1  # QUIT, the last item
  fi
fi
if wait_exit $TARVEX_PID 30; then
  check "tarvex ends with exit code 0 (got $EXIT_CODE)" [ "$EXIT_CODE" = 0 ]
else
  check "tarvex ends after QUIT" false
fi
for f in plunit.cnf zorin.cnf heads.cnf; do
  check "settings file $f written" test -f "$WORK/run/$f"
done

# ---- 2. the probe ---------------------------------------------------------------
STATE="$WORK/probe.state"
timeout $RUN_LIMIT "$PROBE" "$STATE" >"$WORK/probe.out" 2>&1 &
PROBE_PID=$!
PIDS="$PIDS $PROBE_PID"
state() { sed -n "s/^$1=//p" "$STATE" 2>/dev/null; }
# the probe has taken all it was sent and waits for input
probe_settled() { (TARVEX_PID=$PROBE_PID; settle); }
# waits until the probe's state has NAME=VALUE
state_is() { wait_for 10 sh -c "grep -qx '$1=$2' '$STATE'"; }

PWIN=
if wait_for 60 xdotool search --name '^Probe 25'; then
  PWIN=$(xdotool search --name '^Probe 25' | head -1)
fi
check "the probe window is shown" test -n "$PWIN"
[ -n "$PWIN" ] || sed 's/^/probe: /' "$WORK/probe.out"
if [ -n "$PWIN" ]; then
  check "the title with a degree sign in UTF-8" \
    sh -c "LC_ALL=C.UTF-8 xprop -id $PWIN _NET_WM_NAME | grep -q \"Probe 25 \$(printf '\302\260')C\""
  geometry "$PWIN"
  PX=$X PY=$Y PH=$HEIGHT PW=$WIDTH
  # 400 x 300 window: border 4, caption 19; the bar is 16 wide at the right of
  # the client area, from y 23 to 296 (273 long, arrows of 16).
  BARX=$((PX + PW - 4 - 8))
  TOP=$((PY + 23))
  BOTTOM=$((PY + PH - 4))
  xdotool mousemove $BARX $((BOTTOM - 8)) click 1
  check "down arrow steps a line" state_is vpos 1
  xdotool mousemove $BARX $((BOTTOM - 40)) click 1
  check "a click below the thumb pages down" state_is vpos 11
  # The thumb (21 long) of position 11 starts 16 + 220 * 11 / 100 = 40 below the top.
  THUMB=$((TOP + 40 + 10))
  # Each move once the probe has taken the last (it has gone idle).
  xdotool mousemove $BARX $THUMB mousedown 1
  probe_settled
  xdotool mousemove $BARX $((THUMB + 60))
  probe_settled
  xdotool mousemove $BARX $((THUMB + 110))
  probe_settled
  xdotool mouseup 1
  wait_for 5 sh -c "[ \"\$(sed -n 's/^vpos=//p' '$STATE')\" -gt 40 ]"
  probe_settled
  pos=$(state vpos)
  track=$(state track)
  check "the thumb drag tracks ($track) and lands near 61 ($pos)" \
    sh -c "[ $pos -ge 56 ] && [ $pos -le 66 ] && [ $track -ge 56 ]"
  NEWTHUMB=$((TOP + 16 + 220 * pos / 100 + 10))
  # The bar is painted once the thumb shows at its new place.
  wait_for 10 sh -c "import -window root '$WORK/bar.png' && \
    [ \"\$(convert '$WORK/bar.png' -format '%[hex:p{$BARX,$NEWTHUMB}]' info: | cut -c1-6)\" = $FACE ] && \
    [ \"\$(convert '$WORK/bar.png' -format '%[hex:p{$BARX,$THUMB}]' info: | cut -c1-6)\" = E0E0E0 ]"
  check "the thumb is drawn where it went" [ "$(pixel "$WORK/bar.png" $BARX $NEWTHUMB)" = $FACE ]
  check "the track shows where it was" [ "$(pixel "$WORK/bar.png" $BARX $THUMB)" = E0E0E0 ]

  # Clipboard: copy from the probe, read with xclip.
  xdotool key F2
  state_is copies 1
  printf 'Scale at 25 \302\260C\nline two' >"$WORK/expected"
  timeout 60 xclip -selection clipboard -o >"$WORK/got" 2>/dev/null
  check "xclip reads the copied text as UTF-8 with LF line ends" cmp -s "$WORK/got" "$WORK/expected"
  timeout 60 xclip -selection clipboard -t TARGETS -o >"$WORK/targets" 2>/dev/null
  check "offered as UTF8_STRING" grep -qx UTF8_STRING "$WORK/targets"
  check "offered as STRING" grep -qx STRING "$WORK/targets"
  check "the registered format is offered by its name" grep -qx ProbePrivate "$WORK/targets"
  timeout 60 xclip -selection clipboard -t ProbePrivate -o >"$WORK/got" 2>/dev/null
  printf 'PRV\000' >"$WORK/expected"
  check "its bytes are read as the program put them" cmp -s "$WORK/got" "$WORK/expected"
  timeout 60 xclip -selection clipboard -t STRING -o >"$WORK/got" 2>/dev/null
  printf 'Scale at 25 \260C\nline two' >"$WORK/expected"
  check "STRING is Latin-1" cmp -s "$WORK/got" "$WORK/expected"

  # Clipboard: set with xclip, paste into the probe's edit field.
  printf 'Paste \303\274 30 \302\260F' >"$WORK/paste"
  xclip -quiet -selection clipboard -i "$WORK/paste" >/dev/null 2>&1 &
  XCLIP_PID=$!
  PIDS="$PIDS $XCLIP_PID"
  wait_for 10 clipboard_is "$WORK/paste"
  xdotool key F3
  state_is pastes 1
  check "pasted into the edit field in the ANSI code page" \
    sh -c "grep -q \"^edit=\$(printf 'Paste \374 30 \260F')\$\" '$STATE'"
  check "and as OEM text" sh -c "grep -q \"^oem=\$(printf 'Paste \201 30 \370F')\$\" '$STATE'"

  # An owned box: clicks to the owner are refused, Escape cancels.
  xdotool key F5
  QBOX=
  if wait_for 10 xdotool search --name '^Probe box$'; then
    QBOX=$(xdotool search --name '^Probe box$' | head -1)
  fi
  check "the owned box is shown" test -n "$QBOX"
  if [ -n "$QBOX" ]; then
    before=$(state vpos)
    xdotool mousemove $BARX $((BOTTOM - 8)) click 1
    probe_settled
    check "the owner refuses clicks while its box runs" [ "$(state vpos)" = "$before" ]
    "$HELPER" close "$PWIN"
    probe_settled
    check "and the close box" kill -0 $PROBE_PID
    geometry "$QBOX"
    import -window root "$WORK/qbox.png"
    check "the owned box is on top" [ "$(pixel "$WORK/qbox.png" $((X + 6)) $((Y + HEIGHT - 6)))" = $FACE ]
    xdotool key Escape
    check "Escape cancels the box" state_is box 2
  fi

  # Copy again (xclip loses the clipboard and ends), then quit: the text stays.
  xdotool key F2
  state_is copies 2
  check "xclip ends when the probe takes the clipboard" wait_exit $XCLIP_PID 10
  "$HELPER" close "$PWIN"  # the window manager's close box
  if wait_exit $PROBE_PID 30; then
    check "the close box ends the probe with exit code 0 (got $EXIT_CODE)" [ "$EXIT_CODE" = 0 ]
  else
    check "the close box ends the probe" false
  fi
  printf 'Scale at 25 \302\260C\nline two' >"$WORK/expected"
  check "the text is still on the clipboard after the probe ended" \
    wait_for 10 clipboard_is "$WORK/expected"
  timeout 60 xclip -selection clipboard -t ProbePrivate -o >"$WORK/got" 2>/dev/null
  printf 'PRV\000' >"$WORK/expected"
  check "so is the registered format" cmp -s "$WORK/got" "$WORK/expected"
  SERVER=$(xdotool search --name '^tarvex clipboard$' 2>/dev/null | head -1)
  SPID=
  [ -n "$SERVER" ] && SPID=$(xprop -id "$SERVER" _NET_WM_PID | sed -n 's/.* = //p')
  check "a clipboard process of ours serves it" test -n "$SPID"
  if [ -n "$SPID" ]; then
    PIDS="$PIDS $SPID"
    printf 'taken' | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
    PIDS="$PIDS $!"
    check "it ends when another program takes the clipboard" \
      wait_for 10 sh -c "! kill -0 $SPID"
  fi
fi

# ---- 3. a clipboard manager takes the text at exit -----------------------------
"$HELPER" manager "$WORK/managed" >"$WORK/manager.out" 2>&1 &
MANAGER_PID=$!
PIDS="$PIDS $MANAGER_PID"
wait_for 10 grep -q ready "$WORK/manager.out"
rm -f "$STATE"
timeout $RUN_LIMIT "$PROBE" "$STATE" >"$WORK/probe2.out" 2>&1 &
PROBE_PID=$!
PIDS="$PIDS $PROBE_PID"
if wait_for 20 grep -qx ready=1 "$STATE"; then
  xdotool key F2
  state_is copies 1
  xdotool key F4
  wait_exit $PROBE_PID 30
  check "the probe ends with the manager running (got $EXIT_CODE)" [ "$EXIT_CODE" = 0 ]
  printf 'Scale at 25 \302\260C\nline two' >"$WORK/expected"
  # The manager writes what it saved, then takes the clipboard: each awaited.
  check "the manager saved the text" wait_for 10 cmp -s "$WORK/managed" "$WORK/expected"
  check "the manager serves it" wait_for 10 sh -c \
    "timeout 60 xclip -selection clipboard -t TARGETS -o | grep -qx UTF8_STRING && \
     [ \"\$(xdotool search --name '^tarvex clipboard\$' | wc -l)\" = 0 ]"
  check "and hands out the text" clipboard_is "$WORK/expected"
  check "no clipboard process of ours is left" \
    sh -c "! xdotool search --name '^tarvex clipboard\$'"
else
  check "the probe starts again" false
fi
printf 'taken' | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
PIDS="$PIDS $!"
wait_exit $MANAGER_PID 10

# ---- 3b. an analysis copied from the water form --------------------------------
# INPUT, Source Water Analysis by its mnemonic; in the form Copy is five tab
# stops back from the first field; then Escape, QUIT, No to saving and Yes to
# leaving the analysis on the clipboard.
(cd "$WORK/run" && exec timeout $RUN_LIMIT "$TARVEX" >"$WORK/tarvex3.out" 2>&1) &
TARVEX_PID=$!
PIDS="$PIDS $TARVEX_PID"
MAIN=
if wait_for 60 xdotool search --classname '^tarvex$'; then
  MAIN=$(xdotool search --classname '^tarvex$' | head -1)
fi
check "analysis: the main window is shown" test -n "$MAIN"
if [ -n "$MAIN" ]; then
  wait_for 30 viewable "$MAIN"
  geometry "$MAIN"
  xdotool mousemove $((X + 20)) $((Y + 32)) click 1
  wait_for 30 xdotool search --name '^FILES$'
  xdotool key Right
  wait_for 30 xdotool search --name '^INPUT$'
  xdotool key s
  FORM=
  if wait_for 30 xdotool search --name '^SURFACE WATER CHEMISTRY INPUT FORM$'; then
    FORM=$(xdotool search --name '^SURFACE WATER CHEMISTRY INPUT FORM$' | head -1)
  fi
  check "analysis: the source water form opens" test -n "$FORM"
  if [ -n "$FORM" ]; then
    wait_for 30 focus_named '^SURFACE WATER CHEMISTRY INPUT FORM$'
    xdotool key --delay 150 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab Return
    # The empty water's warning that no carbonate equilibrium is present.
    if wait_for 30 xdotool search --name '^WARNING$'; then xdotool key Return; fi
    wait_for 30 sh -c "timeout 60 xclip -selection clipboard -t TARGETS -o | grep -qx tkIntermediate"
    timeout 60 xclip -selection clipboard -t TARGETS -o >"$WORK/targets" 2>/dev/null
    check "analysis: tkIntermediate is offered" grep -qx tkIntermediate "$WORK/targets"
    timeout 60 xclip -selection clipboard -t tkIntermediate -o >"$WORK/analysis" 2>/dev/null
    check "analysis: its 3104 bytes are read" [ "$(wc -c <"$WORK/analysis")" = 3104 ]
    xdotool key Escape
    check "analysis: Escape closes the form" \
      wait_for 30 sh -c "! xdotool search --name '^SURFACE WATER CHEMISTRY INPUT FORM\$'"
  fi
  wait_for 30 focus_named '^Tarvex'
  xdotool mousemove $((X + 20)) $((Y + 32)) click 1
  POPUP=
  if wait_for 30 xdotool search --name '^FILES$'; then
    POPUP=$(xdotool search --name '^FILES$' | head -1)
  fi
  if [ -n "$POPUP" ]; then
    geometry "$POPUP"
    xdotool mousemove $((X + 30)) $((Y + HEIGHT - 10)) click 1
  fi
  check "analysis: the save question is asked" \
    wait_for 30 xdotool search --name '^DATA HAS CHANGED!$'
  wait_for 30 focus_named '^DATA HAS CHANGED!$'
  xdotool key --delay 150 Tab Return  # No
  check "analysis: the clipboard question is asked" \
    wait_for 30 xdotool search --name '^LEAVE CLIPBOARD ANALYSIS[?]$'
  wait_for 30 focus_named '^LEAVE CLIPBOARD ANALYSIS[?]$'
  xdotool key Return  # Yes
fi
if wait_exit $TARVEX_PID 60; then
  check "analysis: tarvex ends with exit code 0 (got $EXIT_CODE)" [ "$EXIT_CODE" = 0 ]
else
  check "analysis: tarvex ends after QUIT" false
fi
# Our clipboard process takes over from the program as it ends: awaited.
check "analysis: still readable after the program quit" \
  wait_for 10 clipboard_is "$WORK/analysis" tkIntermediate
SERVER=$(xdotool search --name '^tarvex clipboard$' 2>/dev/null | head -1)
if [ -n "$SERVER" ]; then
  PIDS="$PIDS $(xprop -id "$SERVER" _NET_WM_PID | sed -n 's/.* = //p')"
fi
printf 'taken' | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
PIDS="$PIDS $!"

# ---- 4. under a window manager ----------------------------------------------------
if command -v twm >/dev/null 2>&1; then
  # Windows go where they ask; the core font every X server has.
  printf 'UsePPosition "on"\nNoGrabServer\n' >"$WORK/twmrc"
  for f in TitleFont ResizeFont MenuFont IconFont IconManagerFont; do
    printf '%s "fixed"\n' $f >>"$WORK/twmrc"
  done
  twm -f "$WORK/twmrc" >"$WORK/twm.log" 2>&1 &
  PIDS="$PIDS $!"
  wait_for 10 sh -c "xwininfo -root -children | grep -q 'TWM Icon Manager'"
  mkdir "$WORK/run2"
  (cd "$WORK/run2" && exec timeout $RUN_LIMIT "$TARVEX" >"$WORK/tarvex2.out" 2>&1) &
  TARVEX_PID=$!
  PIDS="$PIDS $TARVEX_PID"
  BOX=
  if wait_for 30 xdotool search --name '^WARNING$'; then
    BOX=$(xdotool search --name '^WARNING$' | head -1)
  fi
  check "framed: the units box is shown" test -n "$BOX"
  if [ -n "$BOX" ]; then
    geometry "$BOX"
    # The X window shows the box below its caption: its face and text.
    wait_for 10 sh -c "import -window root '$WORK/box2.png' && \
      [ \"\$(convert '$WORK/box2.png' -format '%[hex:p{$((X + 6)),$((Y + HEIGHT - 6))}]' info: | cut -c1-6)\" = $FACE ]"
    check "framed: box face on top" \
      [ "$(pixel "$WORK/box2.png" $((X + 6)) $((Y + HEIGHT - 6)))" = $FACE ]
    xdotool key Return
    check "framed: Enter answers the box" wait_for 10 sh -c "! xdotool search --name '^WARNING\$'"
  fi
  MAIN=$(xdotool search --classname '^tarvex$' 2>/dev/null | head -1)
  check "framed: the main window is found" test -n "$MAIN"
  if [ -n "$MAIN" ]; then
    geometry "$MAIN"
    # The X window starts with the menu bar.
    xdotool mousemove $((X + 20)) $((Y + 9)) click 1
    POPUP=
    if wait_for 10 xdotool search --name '^FILES$'; then
      POPUP=$(xdotool search --name '^FILES$' | head -1)
    fi
    check "framed: FILES drops down" test -n "$POPUP"
    if [ -n "$POPUP" ]; then
      geometry "$POPUP"
      xdotool mousemove $((X + 30)) $((Y + HEIGHT - 10)) click 1
    fi
  fi
  if wait_exit $TARVEX_PID 30; then
    check "framed: tarvex ends with exit code 0 (got $EXIT_CODE)" [ "$EXIT_CODE" = 0 ]
  else
    check "framed: tarvex ends after QUIT" false
  fi
fi

echo "$PASSED passed, $FAILED failed"
[ $FAILED = 0 ]
