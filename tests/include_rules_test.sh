#!/usr/bin/env bash
# The include rules hold in this tree, and the check catches each kind of break: for each
# case a small tree with one offending include must fail with that rule's line, and the same
# include where it is allowed must pass.
set -u
check=$(cd "$(dirname "$0")/.." && pwd)/scripts/check-includes.sh
failures=0

bash "$check" || { echo "FAIL: the include rules are broken in this tree"; failures=1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# file where it breaks the rule | the include | file where it is allowed | the rule's words
cases=(
  "platform/gdi/x.cpp|#include <SDL.h>|platform/fonts/x.cpp|SDL only"
  "platform/text/x.cpp|#include <SDL2/SDL_ttf.h>|platform/drivers/sdl/x.cpp|SDL only"
  "platform/windows/x.cpp|#include <fontconfig/fontconfig.h>|platform/fonts/x.cpp|fontconfig only"
  "platform/drivers/headless/x.cpp|#include <X11/Xlib.h>|platform/drivers/sdl/x.cpp|X11 only"
  "platform/text/x.cpp|#include <emscripten.h>|platform/drivers/web/x.cpp|emscripten only"
  "png/x.cpp|#include <emscripten/html5.h>|platform/drivers/web/x.cpp|emscripten only"
  "platform/messages/x.cpp|#include \"platform/drivers/headless/headless_driver.h\"|platform/drivers/sdl/x.cpp|includes a driver"
  "package/events/x.cpp|#include \"platform/testing/headless.h\"|tests/x.cpp|test controls"
  "game/x.h|  #  include \"platform/testing/headless.h\"|bench/x.cpp|test controls"
  "platform/raster/x.h|#include \"platform/gdi/device_context.h\"|platform/text/x.cpp|raster includes"
)
for entry in "${cases[@]}"; do
  IFS='|' read -r bad line good words <<<"$entry"
  for where in bad good; do
    tree="$scratch/$where"
    rm -rf "$tree"
    file=${!where}
    mkdir -p "$tree/platform" "$tree/$(dirname "$file")"
    printf '%s\n' "$line" >"$tree/$file"
    output=$(bash "$check" "$tree")
    status=$?
    if [ "$where" = bad ] && { [ "$status" -ne 1 ] || ! grep -q "$words" <<<"$output"; }; then
      echo "FAIL: '$line' in $file was not reported ($status): $output"
      failures=1
    elif [ "$where" = good ] && [ "$status" -ne 0 ]; then
      echo "FAIL: '$line' in $file was reported: $output"
      failures=1
    fi
  done
done
[ "$failures" -eq 0 ] && echo "ok: the include rules hold and each break is caught"
exit "$failures"
