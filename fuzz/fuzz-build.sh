#!/usr/bin/env bash
# Shared by scripts/run-fuzz.sh and scripts/fuzz-smoke.sh: builds the libFuzzer targets with
# clang, AddressSanitizer and UndefinedBehaviorSanitizer in build-fuzz (incrementally), and
# names the targets with the longest input each is given.
set -euo pipefail
FUZZ_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
FUZZ_BUILD=${FUZZ_BUILD:-$FUZZ_ROOT/build-fuzz}
FUZZ_TARGETS_ALL="script_reader_fuzz drawing_fuzz dialog_template_fuzz"
export LSAN_OPTIONS="suppressions=$FUZZ_ROOT/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# Script lines of 10,000 characters and more must stay within reach of the mutations.
fuzz_max_len() {
  case $1 in
    script_reader_fuzz) echo 20000 ;;
    drawing_fuzz) echo 8192 ;;
    *) echo 4096 ;;
  esac
}

fuzz_build() {
  if ! command -v clang++ >/dev/null; then
    echo "fuzz: clang++ is missing (scripts/install-deps.sh installs it)" >&2
    return 1
  fi
  CC=clang CXX=clang++ cmake -S "$FUZZ_ROOT" -B "$FUZZ_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZORVA_FUZZ=ON -DZORVA_SANITIZE=ON -DZORVA_TESTS=OFF -DZORVA_BENCH=OFF >/dev/null
  cmake --build "$FUZZ_BUILD" -j "$(nproc)" --target $FUZZ_TARGETS_ALL
}

# A unit is a hang only after a minute: at the lowest priority on a busy machine a slow but
# finite one (a 4096-pixel dialog painted under the sanitizers) can take twenty seconds.
# Runs one target: fuzz_run <target> <seconds> <corpus folder> [extra libFuzzer flags...]. The
# folder receives the inputs it finds, starting from those of fuzz/corpus/<target>; findings go
# to build-fuzz/findings/<target>/. Prints libFuzzer's final statistics; returns its status.
fuzz_run() {
  local target=$1 seconds=$2 work=$3
  shift 3
  local findings="$FUZZ_BUILD/findings/$target"
  mkdir -p "$work" "$findings"
  "$FUZZ_BUILD/fuzz/$target" -max_total_time="$seconds" -max_len="$(fuzz_max_len "$target")" \
    -timeout=60 -print_final_stats=1 -artifact_prefix="$findings/" "$@" \
    "$work" "$FUZZ_ROOT/fuzz/corpus/$target"
}
