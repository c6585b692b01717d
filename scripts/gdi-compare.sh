#!/usr/bin/env bash
# Builds scripts/gdi_compare.cpp against the platform library of a build directory and
# compares our drawing of command files with the reference renderer's pictures.
#   scripts/gdi-compare.sh BUILD_DIR CMDFILE [REFERENCE.ppm]   (writes CMDFILE's name .ours.ppm in the cwd)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${1:?usage: gdi-compare.sh BUILD_DIR CMDFILE [REFERENCE.ppm]}
cmds=${2:?usage: gdi-compare.sh BUILD_DIR CMDFILE [REFERENCE.ppm]}
tool="$build/gdi_compare"
cmake --build "$build" --target zorva_platform zorva_png -j2 >/dev/null 2>&1
stale=0
for source in "$here/gdi_compare.cpp" "$here"/../bench/*.h "$build/platform/libzorva_platform.a"; do
  [ "$source" -nt "$tool" ] && stale=1
done
if [ ! -x "$tool" ] || [ "$stale" = 1 ]; then
  g++ -std=c++20 -O2 -Wall -Wextra -I"$here/.." "$here/gdi_compare.cpp" "$build/platform/libzorva_platform.a" \
    "$build/png/libzorva_png.a" $(pkg-config --cflags --libs sdl2 SDL2_ttf fontconfig libpng) -o "$tool"
fi
out="$(basename "${cmds%.*}").ours.ppm"
ZORVA_BACKEND=headless "$tool" "$cmds" "$out" ${3:+"$3"}
