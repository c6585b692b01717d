#!/usr/bin/env bash
# The README's commands for a first run and for teachers, typed as a user types them in a
# fresh copy of the source: `make tools`, then `scripts/grade.sh examples/teaching/house_and_sun`
# (which must write the report), then `make run`, which must build the game and nothing
# more and start it; Ctrl+C in the terminal (SIGINT to the foreground process group) then
# ends it and make with it. Needs a display for the game's window.
#
#   readme-commands.sh <ZORVA source dir> <work dir>
set -euo pipefail
source_dir=$(cd "$1" && pwd)
work_dir=$2

fail() { echo "readme-commands: $*" >&2; exit 1; }
[ -n "${DISPLAY:-}" ] || fail "no DISPLAY: scripts/run-tests.sh starts an X server for this test"

rm -rf "$work_dir"
mkdir -p "$work_dir/zorva"
work_dir=$(cd "$work_dir" && pwd)
copy=$work_dir/zorva
# The source as a clone has it: no build folders.
tar -C "$source_dir" --exclude='./build*' --exclude='./.git' -cf - . | tar -C "$copy" -xf -

echo "== make tools =="
make -C "$copy" tools >"$work_dir/tools.log" 2>&1 || { tail -n 40 "$work_dir/tools.log" >&2; fail "make tools failed"; }
for tool in zorva-run zorva-diff; do
  [ -x "$copy/build/$tool" ] || fail "make tools built no build/$tool"
done
[ ! -e "$copy/build/shooter" ] || fail "make tools also built the game"

echo "== scripts/grade.sh examples/teaching/house_and_sun =="
output=$(cd "$copy" && scripts/grade.sh examples/teaching/house_and_sun 2>&1) || fail "grade.sh failed: $output"
[ -s "$copy/grade/report.html" ] || fail "no grade/report.html: $output"
grep -qF "grade/report.html" <<<"$output" || fail "grade.sh did not say where the report is: $output"
grep -qF "1 of 3 programs give the reference's picture" "$copy/grade/report.html" ||
  fail "the report's summary is not the sample's"

echo "== make run, then Ctrl+C =="
# setsid: make and the game in a process group of their own, as a terminal's foreground job;
# env: SIGINT handled as in a terminal (a shell's background job would ignore it).
setsid env --default-signal=INT make -C "$copy" run >"$work_dir/run.log" 2>&1 &
make_pid=$!
deadline=$(( $(date +%s) + 600 ))
until xdotool search --onlyvisible --name '^ZORVA Graphics$' >/dev/null 2>&1; do
  kill -0 "$make_pid" 2>/dev/null || { tail -n 40 "$work_dir/run.log" >&2; fail "make run ended before the game's window appeared"; }
  [ "$(date +%s)" -lt "$deadline" ] || { kill -KILL -- "-$make_pid"; fail "no game window within 10 minutes"; }
  sleep 0.2
done
kill -INT -- "-$make_pid"
status=0
timeout 20 tail --pid="$make_pid" -f /dev/null || { kill -KILL -- "-$make_pid"; fail "make run was still running 20 s after Ctrl+C"; }
wait "$make_pid" || status=$?
# The game quits as from its close box; make, interrupted too, then reports 130 as it does in
# a terminal.
[ "$status" -eq 130 ] || { tail -n 20 "$work_dir/run.log" >&2; fail "make run ended with status $status after Ctrl+C"; }
! kill -0 -- "-$make_pid" 2>/dev/null || fail "the game still runs after Ctrl+C"
! grep -qE 'Killed|Segmentation|AddressSanitizer' "$work_dir/run.log" || fail "the game did not end cleanly: $(tail -n 5 "$work_dir/run.log")"

# Only the library and the game: none of the examples or tools.
[ -x "$copy/build/shooter" ] || fail "make run built no build/shooter"
built=$(grep -oE 'Built target [A-Za-z0-9_-]+' "$work_dir/run.log" | sed 's/Built target //' | sort | tr '\n' ' ')
for target in $built; do
  case $target in
    zorva_shooter|zorva_game|zorva_entry|zorva_package|zorva_platform|zorva_png|zorva_*_objects) ;;
    *) fail "make run built more than the game: $target (all: $built)" ;;
  esac
done

rm -rf "$work_dir"
echo "readme-commands: ok"
