#!/usr/bin/env bash
# The short fuzzing run at the end of make test: builds the fuzz targets (incrementally, in
# build-fuzz), replays every committed seed input and fuzzes each target for 5 seconds.
# Any crash, sanitizer report or leak fails the run. `make fuzz` is the long run.
set -euo pipefail
source "$(dirname "$0")/../fuzz/fuzz-build.sh"
seconds=${FUZZ_SMOKE_SECONDS:-5}
start=$(date +%s)
fuzz_build
# A fresh corpus each time, so the run's length does not grow with the long runs' corpora.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in $FUZZ_TARGETS_ALL; do
  log="$FUZZ_BUILD/logs/smoke-$target.log"
  mkdir -p "$(dirname "$log")"
  if ! fuzz_run "$target" "$seconds" "$scratch/$target" >"$log" 2>&1; then
    echo "fuzz-smoke: $target found a problem:" >&2
    grep -E 'ERROR|SUMMARY|Test unit written' "$log" >&2 || tail -n 30 "$log" >&2
    exit 1
  fi
  echo "fuzz-smoke: $target clean ($(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1) execs)"
done
echo "fuzz-smoke: done in $(( $(date +%s) - start )) s"
