#!/usr/bin/env bash
# The same programs, built from the same source for this platform and for Windows, run on both
# (Windows under Wine) and their outputs compared:
#   - drawing: pictures of fixed sets of primitives; the sets marked exact (clear, pixels,
#     rectangles, lines, triangles, ellipses, wide pens) must be identical, the others (one-pixel
#     boxes, very narrow ellipses, text) are measured as a share of agreeing pixels;
#   - the game from a fixed seed playing back the same "ZORVA.SCR": the world after every pass;
#   - the event call under a fixed sequence of keys, clicks, menu commands and scripts.
# Skipped, with one line, when Wine or mingw-w64 is missing. Outputs stay in
# build-windows/differential/ (pictures of the differences in its differences/ folder).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
for tool in x86_64-w64-mingw32-g++ wine wineserver; do
  if ! command -v "$tool" >/dev/null; then
    echo "windows-differential: skipped: $tool is not installed ('make deps' installs wine and mingw-w64)"
    exit 0
  fi
done

linux_build=${ZORVA_LINUX_BUILD:-build}
windows_build=${ZORVA_WINDOWS_BUILD:-build-windows}
programs=(windiff_drawing_program windiff_game_replay windiff_event_sequence)
log="$root/$windows_build/differential.log"
mkdir -p "$windows_build"

step() { echo "windows-differential: $*"; }
quietly() {  # runs a command with its output in the log; shows the log's tail if it fails
  if ! "$@" >>"$log" 2>&1; then
    tail -n 40 "$log" >&2
    step "FAILED: $*"
    exit 1
  fi
}
: >"$log"

step "building for this platform ($linux_build) and for Windows ($windows_build)"
# The comparison programs come with the tests, which a folder that make run configured lacks.
if [ -f "$linux_build/CMakeCache.txt" ]; then
  quietly cmake -S . -B "$linux_build" -DZORVA_TESTS=ON -DBUILD_TESTING=ON
else
  quietly cmake -S . -B "$linux_build" -DCMAKE_BUILD_TYPE=Release
fi
quietly cmake --build "$linux_build" -j "$(nproc)" --target "${programs[@]}" windiff_compare_pictures
quietly bash scripts/build-windows.sh

# Wine in a private prefix, with its null display driver (the windows are never looked at),
# and told to draw the face "ZORVA-font" with the face this platform substitutes for it, so
# that text is compared by size and position rather than by the shapes of two faces.
export WINEPREFIX="$root/$windows_build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  step "creating the Wine prefix $WINEPREFIX (once, about 20 s)"
  wine wineboot --init >>"$log" 2>&1 || true
  wineserver -w
fi
if [ ! -f "$WINEPREFIX/zorva-settings-2" ]; then
  quietly wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
  quietly wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v ZORVA-font /d "DejaVu Sans" /f
  wineserver -w
  touch "$WINEPREFIX/zorva-settings-2"
fi

work="$root/$windows_build/differential"
rm -rf "$work"
mkdir -p "$work/linux" "$work/windows" "$work/differences"
for program in "${programs[@]}"; do
  (cd "$work/linux" && ZORVA_BACKEND=headless quietly timeout 60 "$root/$linux_build/tests/windows/$program")
  (cd "$work/windows" && quietly timeout 120 wine "$root/$windows_build/tests/windows/$program.exe")
done
wineserver -w

failed=0
# The windows' client rectangles: the same program must get the same ones on both.
geometry() { sed -n 's/^# \(.* window: .*\)/\1/p' "$1/drawing.txt" | tr -d '\r'; }
while IFS= read -r line; do step "here:    $line"; done < <(geometry "$work/linux")
while IFS= read -r line; do step "Windows: $line"; done < <(geometry "$work/windows")
if [ "$(geometry "$work/linux")" = "$(geometry "$work/windows")" ]; then
  step "window geometry: equal"
else
  step "window geometry: DIFFERENT"
  failed=1
fi

step "pictures (share of agreeing pixels per set):"
"$root/$linux_build/tests/windows/windiff_compare_pictures" "$work/linux" "$work/windows" \
  "$work/differences" drawing.txt game-pictures.txt || failed=1

# Text outputs: the same lines on both, once Windows' carriage returns are taken out.
compare_text() {
  local name=$1 what=$2
  tr -d '\r' <"$work/windows/$name" >"$work/differences/$name.windows"
  if diff -u "$work/linux/$name" "$work/differences/$name.windows" >"$work/differences/$name.diff"; then
    step "$what: identical ($(wc -l <"$work/linux/$name") lines)"
  else
    step "$what: DIFFERENT; first differences (- ours, + Windows):"
    grep '^[-+][^-+]' "$work/differences/$name.diff" | head -n 6 | cut -c 1-220
    failed=1
  fi
}
compare_text game.txt "game, world after every pass"
step "  last pass: $(grep '^pass' "$work/linux/game.txt" | tail -n 1 | cut -d'|' -f1-2)"
compare_text events.txt "event call, returned events and flags"
# The pace is a time, so it is shown, not compared: kind:milliseconds for five periodic events.
step "animation pace here (virtual clock):$(cat "$work/linux/pace.txt")"
step "animation pace under Wine:         $(tr -d '\r' <"$work/windows/pace.txt")"

if [ "$failed" -ne 0 ]; then
  step "FAILED (outputs in $work)"
  exit 1
fi
step "passed"
