#!/usr/bin/env bash
# make bench: runs the benchmarks of a build directory on the headless backend, the
# reference renderer's frame and text beside ours where it is installed, and the shooter's CPU use
# under a private X server, then prints every figure of the performance table with its
# target and PASS or FAIL. Details of every benchmark come first.
#   scripts/run-bench.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir=$(cd "${1:-build}" && pwd)
export ZORVA_BACKEND=headless
oracle=${ZORVA_GDI_ORACLE:-$root/../shared/tools/gdi-oracle}
[ -d "$oracle" ] && oracle=$(cd "$oracle" && pwd)
export ZORVA_GDI_ORACLE=$oracle

out=$(mktemp -d /tmp/zorva-bench-XXXXXX)
trap 'rm -rf "$out"' EXIT
note() { echo "$*" >>"$out/notes.txt"; }

# Repeated figures: the report takes the median of the repetitions, so one pause of the
# shared machine does not decide a figure.
figures=(--benchmark_repetitions=5 --benchmark_min_time=0.2)
run_json() {  # NAME ARGS...: bench_NAME into NAME.json, its table on the screen
  local name=$1
  shift
  echo "== bench_$name =="
  "$dir/bench/bench_$name" --benchmark_out="$out/$name.json" --benchmark_out_format=json "$@" 2>&1 |
    grep -v -e '_mean\|_stddev\|_cv\|_median' || note "bench_$name failed"
}

for b in package_drawing platform_drawing platform_messages; do
  [ -x "$dir/bench/bench_$b" ] || continue
  echo "== bench_$b =="
  "$dir/bench/bench_$b" --benchmark_min_time=0.2 2>&1 | grep -e '^BM_\|^Benchmark' || note "bench_$b failed"
done

# The reference renderer just before and just after our frame, so both see the same machine.
oracle_run() {
  if [ -x "$oracle/run.sh" ] && [ -f "$oracle/frame.txt" ] && command -v wine >/dev/null; then
    "$oracle/run.sh" "$oracle/frame.txt" "$out/oracle.ppm" --repeat 200 >>"$out/oracle.txt" 2>>"$out/oracle.err" ||
      note "the reference renderer failed: $(tail -1 "$out/oracle.err")"
  fi
}
if [ -x "$oracle/run.sh" ] && command -v wine >/dev/null; then
  oracle_run
else
  note "no reference renderer at $oracle (or no wine): ratios skipped; set ZORVA_GDI_ORACLE"
fi
# Text agreement: the reference renderer's pictures of primitives.txt and frame.txt, drawn
# with the face ours uses, beside ours; "NAME PERCENT" lines for the report.
text_agreement() {
  local name
  for name in primitives frame; do
    [ -f "$oracle/$name.txt" ] || continue
    if ! "$oracle/run.sh" "$oracle/$name.txt" "$out/$name.ref.ppm" --face "DejaVu Sans" >/dev/null 2>>"$out/oracle.err"; then
      note "the reference renderer failed on $name.txt: $(tail -1 "$out/oracle.err")"
      continue
    fi
    (cd "$out" && bash "$root/scripts/gdi-compare.sh" "$dir" "$oracle/$name.txt" "$out/$name.ref.ppm") |
      sed -n "s/^text: \([0-9.]*\)%.*/$name \1/p" >>"$out/text.txt" || note "the text comparison of $name.txt failed"
  done
}
if [ -x "$oracle/run.sh" ] && command -v wine >/dev/null; then
  text_agreement
fi
run_json oracle_frame "${figures[@]}"
run_json game_pass "${figures[@]}"
oracle_run
run_json script_playback

# Instructions and heap allocations per pass: the steady-state passes of each figure run under
# callgrind, which counts every instruction (stable where times vary twofold on a shared
# machine). Without valgrind the program still counts the allocations.
if [ -x "$dir/bench/bench_instruction_counts" ]; then
  echo "== instructions per pass (callgrind) =="
  if command -v valgrind >/dev/null; then
    valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$out/counts.out" \
      "$dir/bench/bench_instruction_counts" >"$out/counts.txt" 2>"$out/counts.err" ||
      note "bench_instruction_counts failed under callgrind: $(tail -1 "$out/counts.err")"
  else
    "$dir/bench/bench_instruction_counts" >"$out/counts.txt" 2>&1 || note "bench_instruction_counts failed"
    note "valgrind not installed: instruction counts skipped (scripts/install-deps.sh bench installs it)"
  fi
  cat "$out/counts.txt"
fi

if [ -x "$dir/tests/package_tests" ]; then
  if "$dir/tests/package_tests" --gtest_filter='KeyLatency.*' >"$out/latency.log" 2>&1; then
    echo PASS >"$out/latency.txt"
  else
    echo FAIL >"$out/latency.txt"
  fi
else
  note "package_tests not built: key latency not checked"
fi

if [ -x "$dir/shooter" ] && command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
  echo "== CPU of the shooter under Xvfb (10 s running, 10 s halted) =="
  ZORVA_BACKEND= bash "$root/bench/measure-cpu.sh" "$dir/shooter" 10 | tee "$out/cpu.txt" || note "CPU measurement failed"
else
  note "no shooter, Xvfb or xdotool: CPU not measured"
fi

echo
echo "== ZORVA performance report ($(date -u '+%Y-%m-%d %H:%M UTC'), load average $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores) =="
python3 "$root/bench/report.py" "$out"
