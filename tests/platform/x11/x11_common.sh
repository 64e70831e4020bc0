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

# How long a program the test starts may live at most (seconds): a bound on a hang,
# not on a slow machine; each step waits for its own event instead.
RUN_LIMIT=${X11_RUN_LIMIT:-1200}
# Each wait's limit is its SECONDS times this: wide enough for a machine busy with
# other work (two busy processes a core), and a wait ends as soon as its event comes.
WAIT_SCALE=${X11_WAIT_SCALE:-6}

# wait_for SECONDS COMMAND...: runs COMMAND until it succeeds or SECONDS (times
# WAIT_SCALE) of the clock have passed.
wait_for() {
  end=$(($(date +%s) + $1 * WAIT_SCALE))
  shift
  while :; do
    if "$@" >/dev/null 2>&1; then return 0; fi
    [ "$(date +%s)" -lt "$end" ] || return 1
    sleep 0.1
  done
}

# wait_exit PID SECONDS: waits for the process to end; its exit code in
# $EXIT_CODE. Fails when it still runs after SECONDS (times WAIT_SCALE).
wait_exit() {
  EXIT_CODE=
  end=$(($(date +%s) + $2 * WAIT_SCALE))
  while :; do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1"
      EXIT_CODE=$?
      return 0
    fi
    [ "$(date +%s)" -lt "$end" ] || return 1
    sleep 0.1
  done
}

# idle: the program ($TARVEX_PID, or the process it runs in) waits for input
# (asleep, and at most a tick of processor time, a caret's blink, in a fifth of
# a second, twice on end): all the last keys asked is done, however loaded the
# machine (a print's end hands the keyboard over more than once before it is
# done).
idle() {
  idle_pid=$(pgrep -P "$TARVEX_PID" | head -1)
  [ -n "$idle_pid" ] || idle_pid=$TARVEX_PID
  idle_calm=0
  idle_last=-10
  idle_end=$(($(date +%s) + 10 * WAIT_SCALE))
  while [ "$(date +%s)" -lt $idle_end ]; do
    set -- $(awk '{ print $3, $14 + $15 }' "/proc/$idle_pid/stat" 2>/dev/null) X 0
    if [ "$1" = S ] && [ $(($2 - idle_last)) -le 1 ]; then idle_calm=$((idle_calm + 1)); else idle_calm=0; fi
    [ $idle_calm -ge 2 ] && return 0
    idle_last=$2
    sleep 0.2
  done
  return 1
}
# settle: the program has shown what the last keys did: it has gone idle, and
# the X server has answered a request sent after all the program sent.
settle() { idle; xdpyinfo >/dev/null 2>&1; }

# viewable WINDOW: the window is mapped and shown on the screen.
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
# focus_named REGEX: the window with the keyboard focus has a name matching REGEX.
focus_named() { xdotool getwindowfocus getwindowname 2>/dev/null | grep -q "$1"; }
# clipboard_is FILE [TARGET]: the clipboard, read as TARGET (text unless given), holds
# FILE's bytes.
clipboard_is() {
  if [ $# -gt 1 ]; then
    timeout 60 xclip -selection clipboard -t "$2" -o 2>/dev/null | cmp -s - "$1"
  else
    timeout 60 xclip -selection clipboard -o 2>/dev/null | cmp -s - "$1"
  fi
}

# first_start: $TARVEX started afresh in $WORK/run (its output in
# $WORK/tarvex.out, its process in $TARVEX_PID and $PIDS); the window of the
# first start's units box in $BOX, empty when none is shown within 30 s.
first_start() {
  mkdir "$WORK/run"
  (cd "$WORK/run" && exec timeout $RUN_LIMIT "$TARVEX" >"$WORK/tarvex.out" 2>&1) &
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
