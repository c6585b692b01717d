#!/usr/bin/env bash
# make web: builds the game and every example as one self-contained web page each
# (shooter.html, example_<name>.html) into build-web/, with Debian's emscripten.
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
  emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=MinSizeRel -DZORVA_TESTS=OFF -DZORVA_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j "${JOBS:-$(nproc)}"
echo "build-web: pages in $build/: $(cd "$build" && ls -- *.html | tr '\n' ' ')"
