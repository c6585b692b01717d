#!/usr/bin/env bash
# make web: builds the game and every example as one self-contained web page each
# (shooter.html, example_<name>.html) into build-web/, with Debian's emscripten.
#   ZORVA_WEB_BUILD   the build folder (default build-web)
#   ZORVA_WEB_TESTS=1 also the pages that only the browser tests open (scripts/web-tests.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${ZORVA_WEB_BUILD:-build-web}
if ! command -v emcmake >/dev/null; then
  echo "build-web: emscripten is missing; 'make web' installs it with scripts/install-deps.sh web" >&2
  exit 1
fi
# emcc runs its JavaScript tools with node; a node that is not Debian's finds Debian's
# modules (acorn) only through NODE_PATH.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
if [ ! -f "$build/CMakeCache.txt" ]; then
  emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
fi
if [ "${ZORVA_WEB_TESTS:-0}" = 1 ] && ! grep -q '^ZORVA_TESTS:BOOL=ON' "$build/CMakeCache.txt"; then
  cmake -S . -B "$build" -DZORVA_TESTS=ON >/dev/null
fi
# A function of the list of those that never wait that a program has inlined or does not
# use makes the linker say so for that page: expected, and not worth a line each.
cmake --build "$build" -j "${JOBS:-$(nproc)}" 2>&1 |
  { grep -v 'Asyncify removelist contained a non-' || true; }
pages=("$build"/*.html)
echo "build-web: pages in $build/: ${pages[*]##*/}"
