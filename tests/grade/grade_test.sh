#!/usr/bin/env bash
# scripts/grade.sh on the sample exercise, against this build folder: the results say that
# amira's program gives the reference's picture, ben's differs visibly and chloe's never
# ends, and the report shows each program's picture, differences and log.
#   grade_test.sh SOURCE_DIR BUILD_DIR WORK_DIR
set -euo pipefail
source_dir=$1
build_dir=$2
work=$3
fail() { echo "grade_test: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work"
bash "$source_dir/scripts/grade.sh" --build "$build_dir" --out "$work/grade" --timeout 8 \
  "$source_dir/examples/teaching/house_and_sun" || fail "grade.sh failed"

csv=$work/grade/results.csv
cat "$csv"
# program | state | result | differing share
expected=(
  "reference|finished|reference|"
  "amira|finished|pass|0"
  "ben|finished|differs|more"
  "chloe|timed out|no picture|"
)
[ "$(head -n 1 "$csv")" = "program,state,exit_status,differing_pixels,percent,result" ] || fail "CSV header"
[ "$(wc -l <"$csv")" -eq $((${#expected[@]} + 1)) ] || fail "CSV rows: $(wc -l <"$csv")"
for row in "${expected[@]}"; do
  IFS='|' read -r name state result share <<<"$row"
  line=$(grep "^$name," "$csv") || fail "no row for $name"
  IFS=, read -r _ got_state _ _ got_percent got_result <<<"$line"
  [ "$got_state" = "$state" ] || fail "$name: state '$got_state', expected '$state'"
  [ "$got_result" = "$result" ] || fail "$name: result '$got_result', expected '$result'"
  case $share in
    0) [ "$got_percent" = 0 ] || fail "$name: $got_percent% differ" ;;
    more) awk -v p="$got_percent" 'BEGIN { exit !(p >= 1) }' || fail "$name: only $got_percent% differ" ;;
    *) [ -z "$got_percent" ] || fail "$name: a share of $got_percent%" ;;
  esac
done

report=$work/grade/report.html
for name in reference amira ben; do
  [ -s "$work/grade/pictures/$name.png" ] || fail "no picture for $name"
  grep -qF "src=\"pictures/$name.png\"" "$report" || fail "the report does not show $name's picture"
done
for name in amira ben; do
  grep -qF "src=\"pictures/$name-diff.png\"" "$report" || fail "the report does not show $name's differences"
done
grep -qF "1 of 3 programs give the reference's picture" "$report" || fail "the report's summary"
grep -qF "Sun at (-220, 160)" "$report" || fail "the report lacks the logs"
grep -qF "./chloe did not end within 8 seconds" "$report" || fail "the report does not say chloe was killed"
echo "grade_test: ok"
