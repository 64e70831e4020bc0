#!/bin/sh
# The graph and summary windows under a window manager, whose frame pushes the
# maximised main window down: on screens of 1280 x 1024 and 1024 x 768, with
# twm, the sea water entered, a graph window and the one-page summary opened
# (after a print, which leaves the report fonts set up for the printer). Each
# window, as the program places it (`where`), lies on the screen's work area:
# the screen less the 30-pixel strip the program keeps for a task bar. Every
# process started here is ended here. Exit 77 (skipped) without the X tools.
#
# usage: x11_placement_test.sh TARVEX SOURCE
set -u
LC_ALL=C
export LC_ALL
TARVEX=$1
SOURCE=$(cd "$2" && pwd)
. "$(dirname "$0")/x11_common.sh"
need_tools Xvfb twm
make_work tarvex-x11place

for screen in 1280x1024 1024x768; do
  width=${screen%x*}
  height=${screen#*x}
  form=80
  [ "$height" -lt 901 ] && form=81  # the smaller screen has the smaller form
  run="$WORK/$screen"
  mkdir -p "$run/out"
  echo "PDF | letter | 300 | colour | out" >"$run/printers.cfg"
  sed -n '/^dialog 80/p' "$SOURCE/data/scripts/seawater-pages.tvs" |
    sed "s/^dialog 80 /dialog $form /" >"$run/script.tvs"
  cat >>"$run/script.tvs" <<EOF
menu 1030
printer PDF
menu 1048
menu 1037
where wc2DGraphWindow
menu 1248
where DisOnePage
answer no Data has been modified
EOF

  Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$run/display" \
    >"$run/xvfb.log" 2>&1 &
  XVFB=$!
  PIDS="$PIDS $XVFB"
  wait_for 20 test -s "$run/display" || { echo "FAILED: the virtual X server did not start"; exit 1; }
  DISPLAY=:$(cat "$run/display")
  export DISPLAY
  printf 'UsePPosition "on"\nNoGrabServer\n' >"$run/twmrc"
  for f in TitleFont ResizeFont MenuFont IconFont IconManagerFont; do
    printf '%s "fixed"\n' $f >>"$run/twmrc"
  done
  twm -f "$run/twmrc" >"$run/twm.log" 2>&1 &
  TWM=$!
  PIDS="$PIDS $TWM"
  sleep 1

  (cd "$run" && timeout 120 "$TARVEX" --display --script script.tvs --log run.log \
    >"$run/tarvex.out" 2>&1)
  code=$?
  check "$screen: the run ends with exit code 0 (it was $code)" test "$code" -eq 0
  for class in wc2DGraphWindow DisOnePage; do
    rect=$(sed -n "s/^where $class: //p" "$run/run.log")
    # left,top - right,bottom
    set -- $(echo "$rect" | tr ',-' '  ')
    if [ $# -ne 4 ]; then
      check "$screen: $class placed (no where line)" false
      continue
    fi
    check "$screen: $class at $rect lies on the work area" \
      test "$1" -ge 0 -a "$2" -ge 0 -a "$3" -le "$width" -a "$4" -le $((height - 30))
  done

  kill "$TWM" "$XVFB" 2>/dev/null
  wait "$TWM" "$XVFB" 2>/dev/null
done

echo "$PASSED passed, $FAILED failed"
[ "$FAILED" -eq 0 ]
