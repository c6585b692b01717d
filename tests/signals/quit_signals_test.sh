#!/usr/bin/env bash
# SIGINT and SIGTERM from outside, to real programs on the headless driver: the first signal
# asks the program to quit (it gets ZORVA_QUIT); a second one, or the first to a program that
# has taken no event for 2 seconds, ends it at once with one line and the shell's status for
# the signal. Nothing recorded before the end is lost.
#   quit_signals_test.sh LOOPS_ON_EVENTS STUCK_IN_LOOP
set -u
loops=$1
stuck=$2
scratch=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL ($case_name): $*"; failures=1; }

# The program runs (an ended one not yet waited for is a zombie: it does not run).
running() { [ -r "/proc/$pid/stat" ] && ! grep -qE '^[0-9]+ \(.*\) Z' "/proc/$pid/stat"; }

# Polls until the condition holds or the program has ended (up to 30 s); no fixed waits.
wait_for() {
  for _ in $(seq 1 600); do
    eval "$1" && return 0
    running || { eval "$1"; return; }
    sleep 0.05
  done
  return 1
}

# name | program | mode | signals, in order | exit status | words of the line on stderr
cases=(
  "second SIGINT|$loops|ignore|INT INT|130|SIGINT again: the program ends at once"
  "second SIGTERM|$loops|ignore|TERM TERM|143|SIGTERM again: the program ends at once"
  "polite SIGINT|$loops|finish|INT|0|"
  "polite SIGTERM|$loops|finish|TERM|0|"
  "stuck SIGINT|$stuck||INT|130|SIGINT, and the program has taken no event for 2 seconds"
  "stuck SIGTERM|$stuck||TERM|143|SIGTERM, and the program has taken no event for 2 seconds"
)
for entry in "${cases[@]}"; do
  IFS='|' read -r case_name program mode signals status words <<<"$entry"
  dir="$scratch/${case_name// /_}"
  mkdir -p "$dir"
  (cd "$dir" && exec env ZORVA_BACKEND=headless "$program" "$dir/ready" $mode >"$dir/out" 2>"$dir/err") &
  pid=$!
  wait_for '[ -e "$dir/ready" ]' || { fail "never got ready: $(cat "$dir/err")"; kill -9 "$pid"; wait "$pid"; continue; }
  read -ra sent <<<"$signals"
  for i in "${!sent[@]}"; do
    kill -"${sent[$i]}" "$pid"
    # Every signal but the last is a polite request: the program hears ZORVA_QUIT and, when
    # it ignores it, runs on.
    if [ "$i" -lt $((${#sent[@]} - 1)) ]; then
      wait_for 'grep -q ZORVA_QUIT "$dir/out"' || fail "no ZORVA_QUIT after SIG${sent[$i]}"
      running || fail "ended at the first signal"
    fi
  done
  wait_for false
  running && { fail "still running after SIG${sent[-1]}"; kill -9 "$pid"; }
  wait "$pid"
  got=$?
  pid=
  [ "$got" -eq "$status" ] || fail "exit status $got, expected $status; stderr: $(cat "$dir/err")"
  if [ -n "$words" ]; then
    [ "$(wc -l <"$dir/err")" -eq 1 ] && grep -qF "zorva: $words" "$dir/err" || fail "stderr: $(cat "$dir/err")"
  else
    [ ! -s "$dir/err" ] || fail "unexpected stderr: $(cat "$dir/err")"
    grep -q ZORVA_QUIT "$dir/out" || fail "finished without ZORVA_QUIT"
  fi
  # A program that was taking events recorded its ticks; the hard end keeps those lines.
  if [ "$program" = "$loops" ]; then
    grep -q '^ZORVA_PERIODIC(' "$dir/ZORVA.SCR" 2>/dev/null || fail "the recording lost its lines"
  fi
done
[ "$failures" -eq 0 ] && echo "ok: ${#cases[@]} cases"
exit "$failures"
