#!/usr/bin/env bash
# make windows: cross-builds the package, the game, the examples and the programs that are
# compared with this platform, for 64-bit Windows with mingw-w64, into build-windows/.
# The .exe files are linked statically and run on Windows (or under Wine) as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${ZORVA_WINDOWS_BUILD:-build-windows}
if ! command -v x86_64-w64-mingw32-g++ >/dev/null; then
  echo "build-windows: x86_64-w64-mingw32-g++ is missing; 'make deps' installs mingw-w64" >&2
  exit 1
fi
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
bash tests/windows/check-win32-header.sh
cmake --build "$build" -j "${JOBS:-$(nproc)}"
echo "build-windows: programs in $build/: $(cd "$build" && ls -- *.exe | tr '\n' ' ')"
