# What the X display tests share, sourced by each: the tools they need, a
# work folder whose processes end with the test, bounded waiting, counted
# checks and a virtual X server of the test's own.

# need_tools TOOL...: skips the test (exit 77) where one is not installed.
need_tools() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
  done
}

# make_work NAME: a fresh folder in $WORK; the processes listed in $PIDS end,
# and the folder goes, when the test does.
make_work() {
  WORK=$(mktemp -d "/tmp/$1-XXXXXX")
  PIDS=""
  trap x11_cleanup EXIT
  trap 'exit 1' INT TERM
}
x11_cleanup() {
  for p in $PIDS; do kill "$p" 2>/dev/null; done
  sleep 0.2
  for p in $PIDS; do kill -9 "$p" 2>/dev/null; done
  rm -rf "$WORK"
}

FAILED=0
PASSED=0
check() {  # check NAME CONDITION...
  name=$1
  shift
  if "$@"; then
    PASSED=$((PASSED + 1))
  else
    FAILED=$((FAILED + 1))
    echo "FAILED: $name"
  fi
}

# wait_for SECONDS COMMAND...: runs COMMAND until it succeeds or time runs out.
wait_for() {
  limit=$(($1 * 10))
  shift
  i=0
  while [ $i -lt $limit ]; do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
    i=$((i + 1))
  done
  return 1
}

# wait_exit PID SECONDS: waits for the process to end; its exit code in
# $EXIT_CODE. Fails when it still runs after SECONDS.
wait_exit() {
  EXIT_CODE=
  i=0
  while [ $i -lt $(($2 * 10)) ]; do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1"
      EXIT_CODE=$?
      return 0
    fi
    sleep 0.1
    i=$((i + 1))
  done
  return 1
}

# first_start: $TARVEX started afresh in $WORK/run (its output in
# $WORK/tarvex.out, its process in $TARVEX_PID and $PIDS); the window of the
# first start's units box in $BOX, empty when none is shown within 30 s.
first_start() {
  mkdir "$WORK/run"
  (cd "$WORK/run" && exec timeout 120 "$TARVEX" >"$WORK/tarvex.out" 2>&1) &
  TARVEX_PID=$!
  PIDS="$PIDS $TARVEX_PID"
  BOX=
  if wait_for 30 xdotool search --name '^WARNING$'; then
    BOX=$(xdotool search --name '^WARNING$' | head -1)
  fi
}

# start_xvfb [WxH]: a virtual X server of that size (1280x1024 unless given)
# on a free display, in $DISPLAY (its process in $XVFB_PID),
# returned only once the server answers a client: on a loaded machine the
# display number is written before the server takes connections. The server
# never resets (-noreset): by default it starts afresh each time its last
# client leaves, and a program that connects meanwhile finds no display.
start_xvfb() {
  need_tools xdpyinfo
  rm -f "$WORK/display"
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset 3>"$WORK/display" \
    >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  PIDS="$PIDS $XVFB_PID"
  wait_for 20 test -s "$WORK/display" || { echo "FAILED: the virtual X server did not start"; exit 1; }
  DISPLAY=:$(cat "$WORK/display")
  export DISPLAY
  wait_for 20 xdpyinfo || { echo "FAILED: the virtual X server does not answer"; exit 1; }
}
