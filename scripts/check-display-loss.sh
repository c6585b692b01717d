#!/usr/bin/env bash
# Display trouble, end to end: a program on the package whose X server goes away while it
# runs must end within seconds with one clear line and exit status 1 (never hang, never
# crash), and one started on a display where no server listens must stop the same way.
# Usage: check-display-loss.sh <program>. Starts and stops its own private Xvfb.
set -u
program=$1
xvfb_pid=
program_pid=
out=$(mktemp -d)
cleanup() {
  [ -n "$program_pid" ] && kill -9 "$program_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$out"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -s "$out/stderr" ] && sed 's/^/  program said: /' "$out/stderr"; exit 1; }

# A display number no one uses: Xvfb refuses a taken one, so try the next.
start_private_xvfb() {
  for n in $(seq 300 399); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && { display=":$n"; return 0; }
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.05
    done
    kill "$xvfb_pid" 2>/dev/null
    xvfb_pid=
  done
  return 1
}

# Waits up to 20 s for the program to end; sets `status`, or fails if it is still running.
wait_for_end() {
  for _ in $(seq 1 200); do
    if ! kill -0 "$program_pid" 2>/dev/null; then
      wait "$program_pid"
      status=$?
      program_pid=
      return 0
    fi
    sleep 0.1
  done
  fail "$1: the program was still running 20 s later"
}

# 1. The X server goes away under a running game.
start_private_xvfb || fail "could not start a private Xvfb"
DISPLAY=$display env -u WAYLAND_DISPLAY -u ZORVA_BACKEND "$program" >"$out/stdout" 2>"$out/stderr" &
program_pid=$!
DISPLAY=$display timeout 20 xdotool search --sync --onlyvisible --name "ZORVA Graphics" >/dev/null ||
  fail "the program's window did not appear on $display"
kill "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null
xvfb_pid=
wait_for_end "after the X server was killed"
expected="zorva: lost the connection to the display DISPLAY=\"$display\"; the program ends"
[ "$status" -eq 1 ] || fail "after the X server was killed: exit status $status, expected 1"
[ "$(cat "$out/stderr")" = "$expected" ] || fail "after the X server was killed: unexpected message"
echo "ok: X server killed under the running program: $expected (exit $status)"

# 2. A display is named but no server listens there (the one just killed).
DISPLAY=$display env -u WAYLAND_DISPLAY -u ZORVA_BACKEND "$program" >"$out/stdout" 2>"$out/stderr" &
program_pid=$!
wait_for_end "with no server on $display"
message=$(cat "$out/stderr")
[ "$status" -eq 1 ] || fail "with no server on $display: exit status $status, expected 1"
case $message in
  "zorva: cannot open a display: SDL could not open the display DISPLAY=\"$display\": "*) ;;
  *) fail "with no server on $display: unexpected message" ;;
esac
echo "ok: no server on $display: $message (exit $status)"
