#!/usr/bin/env bash
# The long fuzzing run (make fuzz): each target for FUZZ_SECONDS (default 600) one after the
# other, at the lowest priority, then a summary of executions, time and findings per target.
# FUZZ_TARGETS picks targets (default: all). The corpus each one grows stays in
# build-fuzz/corpus/<target> for the next run. Exits non-zero if any target found something.
set -uo pipefail
source "$(dirname "$0")/../fuzz/fuzz-build.sh"
seconds=${FUZZ_SECONDS:-600}
targets=${FUZZ_TARGETS:-$FUZZ_TARGETS_ALL}
renice -n 19 -p $$ >/dev/null  # the build and the fuzzers leave the machine to everyone else

fuzz_build || exit 1
mkdir -p "$FUZZ_BUILD/logs"
summary=()
failed=0
for target in $targets; do
  log="$FUZZ_BUILD/logs/$target.log"
  echo "== $target: $seconds s (log: $log) =="
  start=$(date +%s)
  fuzz_run "$target" "$seconds" "$FUZZ_BUILD/corpus/$target" >"$log" 2>&1
  status=$?
  elapsed=$(( $(date +%s) - start ))
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  findings=$(find "$FUZZ_BUILD/findings/$target" -type f | wc -l)
  if [ "$status" -ne 0 ]; then
    failed=1
    result="FAILED (status $status; see $log)"
  else
    result="clean"
  fi
  summary+=("$(printf '%-22s %12s execs %7s s %8s exec/s  findings on disk: %s  %s' \
    "$target" "${execs:-?}" "$elapsed" "${rate:-?}" "$findings" "$result")")
  grep -E '^(stat::|==[0-9]+==ERROR|SUMMARY)' "$log" || true
done
echo "== fuzzing summary =="
printf '%s\n' "${summary[@]}"
exit "$failed"
