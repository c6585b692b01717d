#!/usr/bin/env bash
# Installs ZORVA from a build folder into a fresh prefix, moves the prefix elsewhere (so any
# path into the build or source tree would break), then builds and runs a small program on
# it twice: once through the CMake package, once through pkg-config.
#
#   install-and-use.sh <build dir> <source dir> <work dir>
set -euo pipefail
build_dir=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)
work_dir=$3
consumer_dir=$source_dir/tests/install/consumer

fail() { echo "install-and-use: $*" >&2; exit 1; }

rm -rf "$work_dir"
mkdir -p "$work_dir"
work_dir=$(cd "$work_dir" && pwd)

echo "== install into a staging prefix =="
cmake --install "$build_dir" --prefix "$work_dir/staged" >/dev/null
mv "$work_dir/staged" "$work_dir/prefix"
prefix=$work_dir/prefix

for wanted in include/zorva/zorva.h include/zorva/platform/win32.h \
              include/zorva/platform/win32_entry.h \
              lib/cmake/zorva/zorva-config.cmake lib/cmake/zorva/zorva-config-version.cmake \
              lib/pkgconfig/zorva.pc bin/zorva-diff bin/zorva-run; do
  [ -f "$prefix/$wanted" ] || fail "missing after install: $wanted"
done

# Installed text files must not point back into the trees they came from.
if grep -rlF -e "$build_dir" -e "$source_dir" "$prefix/include" "$prefix/lib/cmake" \
     "$prefix/lib/pkgconfig"; then
  fail "the files above name the build or source tree"
fi

# Every quoted include of an installed header must resolve inside the installed headers.
while IFS= read -r header; do
  dir=$(dirname "$header")
  sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$header" |
    while IFS= read -r included; do
      [ -f "$dir/$included" ] || [ -f "$prefix/include/zorva/$included" ] ||
        fail "$header includes \"$included\", which is not installed"
    done
done < <(find "$prefix/include" -name '*.h')

run_consumer() {
  local program=$1 output
  output=$(ZORVA_BACKEND=headless timeout 30 "$program") || fail "$program failed: $output"
  [ "$output" = "consumer: 3 ticks, then quit" ] || fail "$program said: $output"
  echo "$output"
  # The installed zorva-run runs the program built on the installed package.
  rm -f "$work_dir/consumer.png"
  output=$("$prefix/bin/zorva-run" --png "$work_dir/consumer.png" "$program") ||
    fail "zorva-run $program failed: $output"
  [ -s "$work_dir/consumer.png" ] || fail "zorva-run $program wrote no picture"
}

# The tools run from the moved prefix.
for tool in zorva-diff zorva-run; do
  help=$("$prefix/bin/$tool" --help) || fail "bin/$tool --help failed"
  [[ $help == "Usage: $tool "* ]] || fail "bin/$tool --help said: ${help:0:80}"
done

echo "== find_package(zorva CONFIG) =="
cmake -S "$consumer_dir" -B "$work_dir/cmake-build" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work_dir/cmake-build" >/dev/null
run_consumer "$work_dir/cmake-build/consumer"

echo "== pkg-config zorva =="
export PKG_CONFIG_PATH=$prefix/lib/pkgconfig
[ "$(pkg-config --modversion zorva)" != "" ] || fail "pkg-config does not know zorva"
# shellcheck disable=SC2046  # the flags are meant to split into words
cc -o "$work_dir/pkg-config-consumer" "$consumer_dir/consumer.c" \
  $(pkg-config --cflags --libs zorva)
run_consumer "$work_dir/pkg-config-consumer"

rm -rf "$work_dir"
echo "install-and-use: ok"
