#!/bin/sh
# The program's windows under a window manager (twm, decorating owned windows
# too), at 1024x768 with its usual frame and at 1280x1024 with a frame thicker
# than the program's own border and caption, each on a virtual X server of its
# own: the window manager's frame around each window, measured on the screen
# (the frame window with its border, not the program's X window), lies whole
# on the screen: the main window, the one-page summary, the well log table and
# the 3D graph; a print, which hides the graph and shows it again, brings it
# back to the very place it stood; a frame the user moves past the screen's
# edges stays there. The sea water comes from a work file stored by a headless
# run first.
# Every process started here is ended here. Exit 77 (skipped) without the X
# tools or without twm.
#
# usage: x11_framed_test.sh TARVEX SOURCE
set -u
LC_ALL=C
export LC_ALL
absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
TARVEX=$(absolute "$1")
SOURCE=$(cd "$2" && pwd)
. "$(dirname "$0")/x11_common.sh"
need_tools Xvfb xdotool xwininfo twm
make_work tarvex-x11framed

shown() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
gone() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
focus_is() { [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = "$1" ]; }

# frame WINDOW: the outer edges on the screen, border included, of the
# window's frame (its ancestor that is a child of the root window) in
# FRAME = "LEFT TOP RIGHT BOTTOM".
frame() {
  w=$1
  root=$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
  while :; do
    parent=$(xwininfo -children -id "$w" 2>/dev/null | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p')
    [ -z "$parent" ] || [ "$parent" = "$root" ] && break
    w=$parent
  done
  # xwininfo's upper-left corner is the border's outer one; its width and
  # height are those inside the border.
  FRAME=$(xwininfo -id "$w" | awk -F': *' '
    /Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 }
    /Width/ { w = $2 } /Height/ { h = $2 } /Border width/ { b = $2 }
    END { print x, y, x + w + 2 * b, y + h + 2 * b }')
}
# on_screen NAME WINDOW: checks that the window's frame lies whole on the screen.
on_screen() {
  frame "$2"
  set -- "$1" $FRAME
  check "$CASE: the $1's frame ($2,$3 to $4,$5) lies on the screen" \
    sh -c "[ $2 -ge 0 ] && [ $3 -ge 0 ] && [ $4 -le $W ] && [ $5 -le $H ]"
}

# ---- the work file: the sea water, stored by a headless run ------------------------
mkdir "$WORK/make"
sed -n '/^dialog 80/p' "$SOURCE/data/scripts/seawater-pages.tvs" >"$WORK/make/sea.tvs"
printf 'menu 1030\nfile \\sea.krv\nmenu 1022\nmenu 1028\n' >>"$WORK/make/sea.tvs"
(cd "$WORK/make" && timeout $RUN_LIMIT "$TARVEX" --headless --script sea.tvs --log make.log \
  >/dev/null 2>&1)
[ -f "$WORK/make/sea.KRV" ] || { tail "$WORK/make/make.log"; echo "FAILED: no work file"; exit 1; }

# twm as it comes, owned windows decorated as well, with the core font every X
# server has; the thick frame has a wider border and a caption 39 pixels high
# in all.
printf 'NoGrabServer\nDecorateTransients\n' >"$WORK/twmrc-usual"
for f in TitleFont ResizeFont MenuFont IconFont IconManagerFont; do
  printf '%s "fixed"\n' $f >>"$WORK/twmrc-usual"
done
{ cat "$WORK/twmrc-usual"; printf 'BorderWidth 6\nFramePadding 10\n'; } >"$WORK/twmrc-thick"

for CASE in 1024x768-usual 1280x1024-thick; do
  SIZE=${CASE%-*}
  W=${SIZE%x*}
  H=${SIZE#*x}
  start_xvfb "$SIZE"
  twm -f "$WORK/twmrc-${CASE#*-}" >"$WORK/twm-$SIZE.log" 2>&1 &
  TWM_PID=$!
  PIDS="$PIDS $TWM_PID"
  # twm runs once it has taken the root window's redirection.
  wait_for 10 sh -c "xwininfo -root -children | grep -q 'TWM Icon Manager'"
  RUN="$WORK/run-$SIZE"
  mkdir "$RUN"
  echo 'PDF | letter | 300 | colour | out' >"$RUN/printers.cfg"
  (cd "$RUN" && exec timeout $RUN_LIMIT "$TARVEX" >"$WORK/tarvex-$SIZE.out" 2>&1) &
  TARVEX_PID=$!
  PIDS="$PIDS $TARVEX_PID"
  wait_for 30 xdotool search --name '^WARNING$' && { settle; xdotool key Return; }
  if ! wait_for 10 gone '^WARNING$' || ! wait_for 10 shown '^Tarvex$'; then
    echo "FAILED: $SIZE: the main window is not shown"
    FAILED=$((FAILED + 1))
    continue
  fi
  cp "$WORK/make/sea.KRV" "$RUN/"
  settle
  on_screen "main window" "$(window '^Tarvex$')"

  xdotool key alt+f
  wait_for 5 shown '^FILES$'
  xdotool key o
  wait_for 10 focus_is 'OPEN WORK FILE'
  settle
  xdotool type sea.KRV
  xdotool key Return
  wait_for 10 shown '^C:.sea.KRV$' && { settle; xdotool key Return; }
  wait_for 10 gone '^C:.sea.KRV$'
  settle

  # The one-page summary, then the well log table: OPTIONS > CLOSE (O) each.
  for item in Return w; do
    xdotool key alt+w
    wait_for 5 shown '^WHAT-IF$'
    xdotool key $item
    [ $item = w ] && xdotool key Return
    if wait_for 30 shown 'CHEMISTRY AND SCALE POTENTIAL SUMMARY$'; then
      settle
      SUMMARY=$(window 'CHEMISTRY AND SCALE POTENTIAL SUMMARY$')
      on_screen "$(xdotool getwindowname "$SUMMARY" | cut -d' ' -f1-2 | tr A-Z a-z) summary" \
        "$SUMMARY"
      xdotool key alt+o
      wait_for 5 shown '^OPTIONS$' && xdotool key o
      wait_for 10 gone 'CHEMISTRY AND SCALE POTENTIAL SUMMARY$'
    else
      check "$CASE: WHAT-IF, $item opens a summary" false
    fi
    settle
  done

  # The 3D graph (P lights Vary pH, Vary Pressure, then 3D Profile), and printed.
  xdotool key alt+w
  wait_for 5 shown '^WHAT-IF$'
  xdotool key p p p Return
  if wait_for 30 focus_is 'Tarvex Graph'; then
    settle
    GRAPH=$(window '^Tarvex Graph$')
    on_screen "3D graph" "$GRAPH"
    BEFORE=$FRAME
    xdotool key alt+o Return
    wait_for 10 shown '^Print$' && { settle; xdotool key Return; }
    check "$CASE: the graph prints" wait_for 30 sh -c "ls '$RUN/out/'*.pdf"
    wait_for 30 focus_is 'Tarvex Graph'
    settle
    GRAPH=$(window '^Tarvex Graph$')
    on_screen "printed 3D graph" "$GRAPH"
    check "$CASE: the print brings the graph back to its place ($BEFORE, now $FRAME)" \
      [ "$FRAME" = "$BEFORE" ]
    # Where the user takes a frame, past the screen's edges, it stays.
    xdotool windowmove "$GRAPH" $((W - 300)) $((H - 200))
    settle
    frame "$GRAPH"
    set -- $FRAME
    check "$CASE: the graph moved past the screen's corner stays there ($FRAME)" \
      sh -c "[ $3 -gt $W ] && [ $4 -gt $H ]"
  else
    check "$CASE: WHAT-IF, 3D Profile opens the graph" false
  fi

  for p in $TARVEX_PID $TWM_PID $XVFB_PID; do kill "$p" 2>/dev/null; done
  wait_exit $XVFB_PID 10
done

echo "$PASSED passed, $FAILED failed"
[ "$FAILED" = 0 ]
