#!/usr/bin/env bash
# Installs the Debian packages that a part of the work needs, by group:
#   run      building and running the library, the game and the examples (make run, make build)
#   test     the tests: GoogleTest, and Xvfb with the tools that drive and photograph windows
#            and fill the clipboard
#   bench    the benchmarks (make bench with run and test; make test with every group)
#   fuzz     the libFuzzer targets (clang and its runtime)
#   windows  the cross-build for Windows and Wine to run it
#   web      the web pages (make web) and their browser tests: emscripten, Chromium, and
#            puppeteer-core from npm into tests/web/node_modules (git-ignored), which drives
#            Debian's Chromium with no browser download of its own
#
#   scripts/install-deps.sh [GROUP...]     (no group: every group)
#
# Packages already present are skipped; `apt-get update` runs only when something is missing.
# Without apt-get and dpkg-query (not Debian or Ubuntu) nothing is installed: the script names
# the packages for Debian/Ubuntu, Fedora and Arch and says how to build with plain CMake.
set -euo pipefail

# One row per package: its group, then its names on Debian, Fedora and Arch (names joined by
# commas; "-" where that system needs none, or has it in another row's package).
package_table='
run      build-essential     gcc,gcc-c++,make                    base-devel
run      cmake               cmake                               cmake
run      pkg-config          pkgconf-pkg-config                  pkgconf
run      libsdl2-dev         SDL2-devel                          sdl2
run      libsdl2-ttf-dev     SDL2_ttf-devel                      sdl2_ttf
run      libfontconfig-dev   fontconfig-devel                    fontconfig
run      libfreetype-dev     freetype-devel                      freetype2
run      libpng-dev          libpng-devel                        libpng
run      fonts-dejavu-core   dejavu-sans-fonts,dejavu-sans-mono-fonts  ttf-dejavu
test     googletest          -                                   -
test     libgtest-dev        gtest-devel                         gtest
test     libgmock-dev        gmock-devel                         -
test     xvfb                xorg-x11-server-Xvfb                xorg-server-xvfb
test     xdotool             xdotool                             xdotool
test     imagemagick         ImageMagick                         imagemagick
test     x11-utils           xwininfo,xprop                      xorg-xwininfo,xorg-xprop
test     x11-xserver-utils   xrdb                                xorg-xrdb
test     openbox             openbox                             openbox
test     wmctrl              wmctrl                              wmctrl
test     xclip               xclip                               xclip
test     python3             python3                             python
bench    libbenchmark-dev    google-benchmark-devel              benchmark
bench    valgrind            valgrind                            valgrind
fuzz     clang               clang,compiler-rt                   clang,compiler-rt
fuzz     libclang-rt-14-dev  -                                   -
windows  mingw-w64           mingw64-gcc-c++                     mingw-w64-gcc
windows  wine                wine                                wine
windows  wine64              -                                   -
web      emscripten          emscripten                          emscripten
web      chromium            chromium                            chromium
web      npm                 nodejs-npm                          npm
'
all_groups=(run test bench fuzz windows web)

fail() { echo "install-deps: $*" >&2; exit 2; }

# The names in column $1 (1 Debian, 2 Fedora, 3 Arch) of the rows of the wanted groups, each
# once, joined by spaces. Plain bash (3 and later), so it works on any system.
names_for() {
  local column=$1 group wanted name list="" row
  local -a fields names
  shift
  while read -r row; do
    read -r -a fields <<<"$row"
    group=${fields[0]:-}
    [ -n "$group" ] || continue
    for wanted in "$@"; do
      [ "$group" = "$wanted" ] || continue
      IFS=, read -r -a names <<<"${fields[$column]}"
      for name in "${names[@]}"; do
        if [ "$name" != - ] && [[ " $list " != *" $name "* ]]; then
          list="${list:+$list }$name"
        fi
      done
    done
  done <<<"$package_table"
  echo "$list"
}

# Every row names its group and all three systems, so no name slips into another column.
while read -r group debian _ arch extra; do
  [ -n "$group" ] || continue
  if [[ " ${all_groups[*]} " != *" $group "* ]] || [ -z "$arch" ] || [ -n "$extra" ]; then
    fail "the package table's row for '$debian' needs a group and three names"
  fi
done <<<"$package_table"

groups=("$@")
[ ${#groups[@]} -gt 0 ] || groups=("${all_groups[@]}")
for group in "${groups[@]}"; do
  [[ " ${all_groups[*]} " == *" $group "* ]] ||
    fail "unknown group '$group'; the groups are: ${all_groups[*]}"
done

if ! command -v apt-get >/dev/null || ! command -v dpkg-query >/dev/null; then
  printf '%s\n' \
    "install-deps: no apt-get and dpkg-query here, so nothing was installed. For: ${groups[*]}" \
    "  Debian/Ubuntu: apt-get install $(names_for 1 "${groups[@]}")" \
    "  Fedora:        dnf install $(names_for 2 "${groups[@]}")" \
    "  Arch:          pacman -S --needed $(names_for 3 "${groups[@]}")" \
    "With those installed, build and start the game with plain CMake:" \
    "  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DZORVA_TESTS=OFF -DZORVA_BENCH=OFF" \
    "  cmake --build build --target zorva_shooter && ./build/shooter"
  if [[ " ${groups[*]} " == *" web "* ]]; then
    echo "The browser tests also need puppeteer-core: (cd tests/web && npm ci); make web builds the pages."
  fi
  exit 0
fi

read -r -a packages <<<"$(names_for 1 "${groups[@]}")"
missing=()
for p in "${packages[@]}"; do
  # Debian's npm only where there is no npm at all: a node that is not Debian's brings its own.
  if [ "$p" = npm ] && command -v npm >/dev/null; then continue; fi
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
  else
    SUDO=
  fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The web group's npm part: the lock file pins puppeteer-core; npm ci runs again only when
# the lock file changed since the last install.
if [[ " ${groups[*]} " == *" web "* ]]; then
  web_tests=$(cd "$(dirname "$0")/.." && pwd)/tests/web
  stamp=$web_tests/node_modules/.zorva-lock
  if ! cmp -s "$web_tests/package-lock.json" "$stamp" 2>/dev/null; then
    echo "Installing puppeteer-core into tests/web/node_modules"
    (cd "$web_tests" && npm ci --no-audit --no-fund --loglevel=error)
    cp "$web_tests/package-lock.json" "$stamp"
  fi
fi
