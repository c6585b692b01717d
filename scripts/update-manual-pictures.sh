#!/usr/bin/env bash
# Renews the manual's pictures from the programs themselves: builds, runs the end-to-end
# suite (which drives the game and the examples in real windows and keeps its screenshots
# under <build>/e2e-shots/) and the browser tests' shooter test, and copies a chosen
# screenshot for each picture to docs/images/; the teaching chapter's report pictures come
# from grading the sample exercise.
# Usage: scripts/update-manual-pictures.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
# Only the programs the suite drives: the game, the examples, the teaching samples and the
# picture comparison.
programs=(zorva_shooter zorva-diff zorva-run
  $(cmake --build "$build" --target help | grep -oE '(example|teaching)_[a-z_]*' | sort -u))
cmake --build "$build" -j "$(nproc)" --target "${programs[@]}"

suite_status=0
rm -f "$build/Testing/Temporary/LastTestsFailed.log"
(cd "$build" && ctest -L e2e --output-on-failure) || suite_status=$?
# Lines "<number>:<test name>" of the tests that failed: their screenshots are not used.
failed_tests=$(cut -d: -f2 "$build/Testing/Temporary/LastTestsFailed.log" 2>/dev/null || true)

shots=$build/e2e-shots
# The game in a browser, from the browser tests' shooter test (skipped, with one line, where
# emscripten, Chromium or puppeteer-core is missing: the picture is then left as it was).
rm -f "$shots/web_shooter/game.png"
ZORVA_LINUX_BUILD=$build bash scripts/web-tests.sh tests/web/shooter.test.mjs || {
  suite_status=$?
  failed_tests+=$'\n'web_shooter
}
# picture in docs/images <- screenshot under <build>/e2e-shots
pictures=(
  "game.png            e2e_game/running.png"
  "game-menu.png       e2e_menu/menu-logging-on.png"
  "text-window.png     e2e_text_window/logged-lines.png"
  "hello.png           e2e_examples/hello.png"
  "click-draw.png      e2e_examples/click_draw.png"
  "bouncing-ball.png   e2e_examples/bouncing_ball.png"
  "greeting.png        e2e_greeting/greeted.png"
  "recorded-demo.png   e2e_examples/recorded_demo.png"
  "colours.png         e2e_examples/colour_swatches.png"
  "coordinates.png     e2e_examples/coordinates.png"
  "teaching-saved.png  e2e_picture/ZORVA-001.png"
  "web-game.png        web_shooter/game.png"
)

mkdir -p docs/images
missing=0
for entry in "${pictures[@]}"; do
  read -r picture shot <<<"$entry"
  test_name=${shot%%/*}
  if grep -qx "$test_name" <<<"$failed_tests"; then
    echo "docs/images/$picture left as it was: $test_name failed" >&2
    missing=1
  elif [ -f "$shots/$shot" ]; then
    cp "$shots/$shot" "docs/images/$picture"
    echo "docs/images/$picture <- $shots/$shot"
  else
    echo "docs/images/$picture left as it was: no screenshot $shots/$shot" >&2
    missing=1
  fi
done

# The teaching chapter's report: the pictures grade.sh makes of the sample exercise.
grade_out=$build/grade-sample
if bash scripts/grade.sh --build "$build" --out "$grade_out" examples/teaching/house_and_sun >/dev/null; then
  for entry in "grade-reference.png reference.png" "grade-ben.png ben.png" "grade-ben-diff.png ben-diff.png" \
               "grade-amira-diff.png amira-diff.png"; do
    read -r picture made <<<"$entry"
    cp "$grade_out/pictures/$made" "docs/images/$picture"
    echo "docs/images/$picture <- $grade_out/pictures/$made"
  done
else
  echo "docs/images/grade-*.png left as they were: grading the sample failed" >&2
  missing=1
fi

if [ "$suite_status" -ne 0 ]; then
  echo "An end-to-end test failed: the pictures of the failing tests were not renewed." >&2
  exit "$suite_status"
fi
exit "$missing"
