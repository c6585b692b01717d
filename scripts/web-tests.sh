#!/usr/bin/env bash
# The browser tests: builds the web pages (with the tests' own) and the desktop picture they
# are compared with, then drives the pages in headless Chromium with puppeteer-core (node's
# test runner, tests/web/*.test.mjs). Skipped, with one line, when emscripten, Chromium or
# puppeteer-core is missing ('scripts/install-deps.sh web' installs them). The watchdog test
# needs a display (DISPLAY, as run-tests.sh provides) and is skipped without one.
# Usage: scripts/web-tests.sh [TEST_FILE...]   (default: every tests/web/*.test.mjs)
set -euo pipefail
cd "$(dirname "$0")/.."
chromium=${ZORVA_CHROMIUM:-/usr/lib/chromium/chromium}
missing=
command -v emcmake >/dev/null || missing="emscripten"
[ -x "$chromium" ] || missing="${missing:+$missing, }Chromium ($chromium)"
[ -d tests/web/node_modules/puppeteer-core ] || missing="${missing:+$missing, }puppeteer-core (tests/web/node_modules)"
if [ -n "$missing" ]; then
  echo "web-tests: skipped: $missing not installed ('bash scripts/install-deps.sh web' installs them)"
  exit 0
fi

native=${ZORVA_LINUX_BUILD:-build}
web=${ZORVA_WEB_BUILD:-build-web}
[ -f "$native/CMakeCache.txt" ] || cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$native" -j "$(nproc)" --target web_desktop_picture
ZORVA_WEB_BUILD=$web ZORVA_WEB_TESTS=1 bash scripts/build-web.sh
ZORVA_LINUX_BUILD=$native ZORVA_WEB_BUILD=$web ZORVA_CHROMIUM=$chromium \
  node --test --test-concurrency=1 "${@:-tests/web/}"
