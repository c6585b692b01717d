#!/usr/bin/env bash
# Builds and runs every test twice: a normal (Release) build, then a Debug build with
# AddressSanitizer and UndefinedBehaviorSanitizer. Headless tests need no display; the
# tests that open real SDL windows get a private Xvfb server started here.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

xvfb_pid=
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT

# -noreset: the display tests connect one after another, and a server resetting after its
# last client left would refuse the next one for a moment.
start_xvfb() {
  for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
      xvfb_pid=$!
      for _ in $(seq 1 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
        sleep 0.1
      done
      kill "$xvfb_pid" 2>/dev/null || true
      xvfb_pid=
    fi
  done
  echo "run-tests: could not start Xvfb" >&2
  return 1
}
start_xvfb

export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  (cd "$dir" && ctest --output-on-failure -j "$jobs" --timeout 300)
}

# Everything on, whatever a folder was configured with before (make run leaves the tests and
# benchmarks off in build/).
everything=(-DBUILD_TESTING=ON -DZORVA_TESTS=ON -DZORVA_GAME=ON -DZORVA_EXAMPLES=ON -DZORVA_INSTALL=ON)
echo "== Release build =="
run_suite build -DCMAKE_BUILD_TYPE=Release "${everything[@]}" -DZORVA_BENCH=ON
echo "== Debug build with AddressSanitizer and UndefinedBehaviorSanitizer =="
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DZORVA_SANITIZE=ON "${everything[@]}" -DZORVA_BENCH=OFF

# Steps that live in their own scripts: a short fuzzing run, the Windows build checked
# against this platform under Wine, and the web pages in Chromium.
for step in scripts/fuzz-smoke.sh scripts/windows-differential.sh scripts/web-tests.sh; do
  if [ -f "$step" ]; then
    echo "== $(basename "$step" .sh) =="
    bash "$step"
  fi
done
