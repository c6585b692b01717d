#!/usr/bin/env bash
# Runs every benchmark of a build directory on the headless backend.
set -euo pipefail
dir=${1:-build}
export ZORVA_BACKEND=headless
shopt -s nullglob
for b in "$dir"/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b") =="
  "$b" --benchmark_min_time=0.5
done
