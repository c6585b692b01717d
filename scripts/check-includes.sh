#!/usr/bin/env bash
# Checks the include rules that keep the platform's layers apart, in the tree at ROOT
# (default: this checkout). Prints one line per broken rule and exits 1 if any is broken.
#   - SDL's headers only in platform/drivers/sdl/, and in platform/fonts/ (the glyph source
#     over SDL2_ttf, shared by the desktop drivers); fontconfig's only in platform/fonts/;
#     X11's only in platform/drivers/sdl/.
#   - emscripten's headers only in platform/drivers/web/ (the browser driver and its page).
#   - No generic platform file includes a driver's header (platform/drivers/...).
#   - Only test code (tests/, bench/, fuzz/) includes the test controls (platform/testing/).
#   - Nothing in platform/raster/ includes platform/gdi/.
set -u
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root" || exit 2
broken=0

# The include lines of C and C++ files under the given folders (that exist), as file:line:text.
includes() {
  local folders=()
  for folder in "$@"; do [ -d "$folder" ] && folders+=("$folder"); done
  [ ${#folders[@]} -eq 0 ] && return 0
  grep -rnE --include='*.c' --include='*.cpp' --include='*.h' '^[[:space:]]*#[[:space:]]*include' "${folders[@]}"
}

# rule NAME PATTERN ALLOWED FOLDERS...: include lines matching PATTERN are broken unless
# their file's path starts with one of ALLOWED (a regex of alternatives; empty: none).
rule() {
  local name=$1 pattern=$2 allowed=$3
  shift 3
  local hits
  hits=$(includes "$@" | grep -E "$pattern" || true)
  [ -n "$allowed" ] && hits=$(echo "$hits" | grep -vE "^($allowed)" || true)
  if [ -n "$hits" ]; then
    echo "include rule broken: $name"
    echo "$hits" | sed 's/^/  /'
    broken=1
  fi
}

rule "SDL only in the SDL driver and the fonts" '[<"](SDL2/|SDL[_.a-z0-9]*\.h)' \
  'platform/drivers/sdl/|platform/fonts/' platform
rule "fontconfig only in the fonts" '[<"]fontconfig/' 'platform/fonts/' platform
rule "X11 only in the SDL driver" '[<"]X11/' 'platform/drivers/sdl/' platform
rule "emscripten only in the web driver" '[<"]emscripten(/|\.h)' 'platform/drivers/web/' \
  platform package game examples png tools
rule "no generic platform file includes a driver" '"platform/drivers/' \
  'platform/drivers/|platform/testing/' platform
rule "only tests include the test controls" '"platform/testing/' 'platform/testing/' \
  platform package game examples
rule "raster includes nothing of gdi" '"platform/gdi/' '' platform/raster

exit $broken
