#!/usr/bin/env bash
# Takes ZORVA into two projects of their own, a C-only one and a C++ one, with
# add_subdirectory and ZORVA's default options, the way a user's project would. Each must
# configure without GoogleTest or Google Benchmark, have none of ZORVA's tests, benchmarks,
# examples, fuzzers or game among its targets, keep its own build type and compile flags,
# build, and run headless.
#
#   add-subdirectory.sh <ZORVA source dir> <work dir>
set -euo pipefail
source_dir=$(cd "$1" && pwd)
work_dir=$2
projects_dir=$source_dir/tests/subproject

fail() { echo "add-subdirectory: $*" >&2; exit 1; }

rm -rf "$work_dir"
mkdir -p "$work_dir"
work_dir=$(cd "$work_dir" && pwd)

for language in c cxx; do
  build=$work_dir/$language
  echo "== $language project =="
  # The Makefile generator, whose help lists the targets.
  cmake -G "Unix Makefiles" -S "$projects_dir/$language" -B "$build" -DZORVA_CHECKOUT="$source_dir" \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >"$work_dir/$language-configure.log" 2>&1 ||
    { cat "$work_dir/$language-configure.log" >&2; fail "$language: configure failed"; }

  # Targets of the build, without the object files that the help also lists.
  targets=$(cmake --build "$build" --target help | sed -n 's/^\.\.\. \([^ /]*\)\( .*\)\{0,1\}$/\1/p')
  extra=$(grep -E 'shooter|example|bench|test|windiff|fuzz|main_program|own_names|c_program|install' \
            <<<"$targets" || true)
  [ -z "$extra" ] || fail "$language: ZORVA added targets the project did not ask for: ${extra//$'\n'/ }"

  if grep -qiE '^(GTest|GTEST|benchmark)_[A-Z_]*(DIR|LIBRARY)' "$build/CMakeCache.txt"; then
    fail "$language: the configure looked for GoogleTest or Google Benchmark"
  fi
  grep -qx 'CMAKE_BUILD_TYPE:STRING=' "$build/CMakeCache.txt" ||
    fail "$language: ZORVA set the project's build type: $(grep '^CMAKE_BUILD_TYPE' "$build/CMakeCache.txt")"
  app_command=$(grep '"command".*consumer\.c"' "$build/compile_commands.json") ||
    fail "$language: no compile command for the project's own program"
  if grep -qE -- '-W(all|extra)|-fsanitize' <<<"$app_command"; then
    fail "$language: ZORVA's flags reached the project's program: $app_command"
  fi

  cmake --build "$build" -j "$(nproc)" >"$work_dir/$language-build.log" 2>&1 ||
    { tail -n 40 "$work_dir/$language-build.log" >&2; fail "$language: build failed"; }
  output=$(ZORVA_BACKEND=headless timeout 30 "$build/app") || fail "$language: app failed: $output"
  [ "$output" = "consumer: 3 ticks, then quit" ] || fail "$language: app said: $output"
  echo "$output"
done

rm -rf "$work_dir"
echo "add-subdirectory: ok"
