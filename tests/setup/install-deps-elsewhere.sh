#!/usr/bin/env bash
# scripts/install-deps.sh on a system without apt-get and dpkg-query: it installs nothing,
# names the packages of the asked groups for Debian/Ubuntu, Fedora and Arch, says how to build
# with plain CMake, and succeeds. An unknown group is refused with the list of groups.
#
#   install-deps-elsewhere.sh <ZORVA source dir>
set -uo pipefail
script=$1/scripts/install-deps.sh
fail() { echo "install-deps-elsewhere: $*" >&2; exit 1; }
# Only bash itself: no apt-get, no dpkg-query, nor any other program.
elsewhere() { env PATH=/nonexistent "$BASH" "$script" "$@" 2>&1; }

output=$(elsewhere run) || fail "failed without apt-get: $output"
for expected in "Debian/Ubuntu: apt-get install build-essential cmake pkg-config libsdl2-dev" \
                "Fedora:        dnf install gcc gcc-c++ make cmake" "SDL2_ttf-devel" \
                "Arch:          pacman -S --needed base-devel cmake pkgconf sdl2 sdl2_ttf" \
                "cmake --build build --target zorva_shooter"; do
  grep -qF -- "$expected" <<<"$output" || fail "'$expected' missing from: $output"
done
# The run group alone needs neither the test tools nor Wine.
if grep -qE 'gtest|xvfb|wine|clang' <<<"$output"; then fail "run names more: $output"; fi

output=$(elsewhere test fuzz windows) || fail "failed for several groups: $output"
for expected in libgtest-dev gmock-devel xorg-server-xvfb libclang-rt-14-dev mingw64-gcc-c++; do
  grep -qF -- "$expected" <<<"$output" || fail "'$expected' missing from: $output"
done

output=$(elsewhere web) || fail "failed for the web group: $output"
for expected in "apt-get install emscripten chromium npm" "dnf install emscripten chromium nodejs-npm" \
                "(cd tests/web && npm ci)"; do
  grep -qF -- "$expected" <<<"$output" || fail "'$expected' missing from: $output"
done

output=$(elsewhere games)
status=$?
[ "$status" -eq 2 ] || fail "an unknown group gave status $status"
grep -qF "unknown group 'games'; the groups are: run test bench fuzz windows web" <<<"$output" ||
  fail "an unknown group said: $output"
echo "install-deps-elsewhere: ok"
