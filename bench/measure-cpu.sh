#!/usr/bin/env bash
# CPU taken by the shooter on the SDL backend under a private X server: SECONDS while the
# game runs at its ten ticks a second with no input, then SECONDS after Ctrl+H has halted
# the animation. Prints two lines, "running PERCENT" and "halted PERCENT" (percent of one
# core, from utime + stime in /proc).
#   bench/measure-cpu.sh SHOOTER_BINARY [SECONDS]
set -euo pipefail
shooter=$(realpath "${1:?usage: measure-cpu.sh SHOOTER_BINARY [SECONDS]}")
seconds=${2:-10}
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "measure-cpu: $tool is not installed" >&2; exit 2; }
done

work=$(mktemp -d /tmp/zorva-cpu-XXXXXX)
xvfb_pid= app_pid=
cleanup() {
  set +e
  for pid in $app_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody uses.
display=
for n in $(seq 71 99); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "measure-cpu: no free display number" >&2; exit 2; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

(cd "$work" && exec env ZORVA_BACKEND=sdl "$shooter") >"$work/shooter.log" 2>&1 &
app_pid=$!
window=
for _ in $(seq 100); do
  window=$(xdotool search --name '^ZORVA Graphics$' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "measure-cpu: the shooter's window did not appear" >&2; cat "$work/shooter.log" >&2; exit 2; }

ticks_per_second=$(getconf CLK_TCK)
# utime + stime of the shooter, in clock ticks (fields 14 and 15 after the command name).
cpu_ticks() { awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$app_pid/stat"; }
# Percent of one core over SECONDS.
measure() {
  local start end
  start=$(cpu_ticks)
  sleep "$seconds"
  end=$(cpu_ticks)
  awk -v d=$((end - start)) -v hz="$ticks_per_second" -v s="$seconds" 'BEGIN { printf "%.2f\n", 100 * d / hz / s }'
}

sleep 1  # start-up work (fonts, first frames) is not part of either figure
echo "running $(measure)"
xdotool windowfocus --sync "$window"
xdotool key ctrl+h
sleep 1
# The figure counts only if the game really stands still: two pictures a moment apart agree.
if command -v import >/dev/null; then
  first=$(import -window "$window" ppm:- 2>/dev/null | md5sum)
  sleep 0.3
  [ "$first" = "$(import -window "$window" ppm:- 2>/dev/null | md5sum)" ] ||
    { echo "measure-cpu: Ctrl+H did not halt the game" >&2; exit 2; }
fi
echo "halted $(measure)"
