#!/usr/bin/env bash
# Grades the programs of one exercise folder: builds the teacher's reference program and each
# student's against ZORVA, runs every one of them with zorva-run against the folder's
# recorded script, compares each student's last picture with the reference's with zorva-diff
# and writes a report: FOLDER/report.html and FOLDER/results.csv (FOLDER: --out, default
# ./grade). Each program is built and run as a process of its own, several at a time.
#
#   scripts/grade.sh [--out FOLDER] [--build DIR] [--timeout SECONDS] [--tolerance T]
#                    [--max-differ PERCENT] [--jobs N] EXERCISE_DIR
#
# EXERCISE_DIR holds reference.c (or .cpp), students/*.c and *.cpp, and if it has them
# ZORVA.SCR (the script to play) and answers.txt (one answer a line for the prompts).
# ZORVA comes from --build DIR (a build folder of this checkout's), else from this
# checkout's build/ folder, else from an installed ZORVA (pkg-config zorva, zorva-run and
# zorva-diff on PATH). Exit status: 0 when the report was written, 1 when it was written but
# the reference gave no picture to compare with, 2 when nothing could be graded.
set -euo pipefail

usage() {
  echo "Usage: scripts/grade.sh [--out FOLDER] [--build DIR] [--timeout SECONDS] [--tolerance T]" >&2
  echo "                        [--max-differ PERCENT] [--jobs N] EXERCISE_DIR" >&2
  exit 2
}
fail() { echo "grade: $*" >&2; exit 2; }

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=grade
build=
timeout=10
jobs=$(nproc 2>/dev/null || echo 2)
diff_options=()
exercise=
while [ $# -gt 0 ]; do
  case $1 in
    --out) out=${2:?--out needs a folder}; shift 2 ;;
    --build) build=${2:?--build needs a folder}; shift 2 ;;
    --timeout) timeout=${2:?--timeout needs seconds}; shift 2 ;;
    --tolerance|--max-differ) diff_options+=("$1" "${2:?$1 needs a value}"); shift 2 ;;
    --jobs) jobs=${2:?--jobs needs a number}; shift 2 ;;
    -h|--help) usage ;;
    -*) echo "grade: unknown option $1" >&2; usage ;;
    *) [ -z "$exercise" ] || usage; exercise=$1; shift ;;
  esac
done
[ -n "$exercise" ] || usage
[[ $jobs =~ ^[1-9][0-9]*$ ]] || fail "--jobs wants a whole number from 1 up, not '$jobs'"
[ -d "$exercise" ] || fail "no folder $exercise"
exercise=$(cd "$exercise" && pwd)

# ---- ZORVA: a build folder's, or an installed one ----
if [ -z "$build" ] && [ -f "$repo/build/CMakeCache.txt" ]; then
  build=$repo/build
fi
if [ -n "$build" ]; then
  [ -f "$build/CMakeCache.txt" ] || fail "$build is not a ZORVA build folder"
  build=$(cd "$build" && pwd)
  # The tools and libraries up to date (quick when they are).
  cmake --build "$build" --target zorva-run zorva-diff zorva_entry zorva_package zorva_platform zorva_png \
    >"${TMPDIR:-/tmp}/grade-build.$$.log" 2>&1 ||
    { cat "${TMPDIR:-/tmp}/grade-build.$$.log" >&2; fail "ZORVA in $build does not build"; }
  rm -f "${TMPDIR:-/tmp}/grade-build.$$.log"
  [ -f "$build/zorva-uninstalled.pc" ] || fail "$build has no zorva-uninstalled.pc: configure it again (cmake $build)"
  export PKG_CONFIG_PATH=$build${PKG_CONFIG_PATH:+:$PKG_CONFIG_PATH}
  zorva_run=$build/zorva-run
  zorva_diff=$build/zorva-diff
else
  zorva_run=$(command -v zorva-run || true)
  zorva_diff=$(command -v zorva-diff || true)
  if [ -z "$zorva_run" ] || [ -z "$zorva_diff" ] || ! pkg-config --exists zorva 2>/dev/null; then
    fail "no ZORVA to build against: run 'make tools' in $repo first, or install ZORVA and put its bin/ on PATH and its lib/pkgconfig on PKG_CONFIG_PATH"
  fi
fi
zorva_flags=$(pkg-config --cflags --libs zorva) || fail "pkg-config cannot give ZORVA's flags"

# ---- the programs ----
shopt -s nullglob
reference=
for candidate in "$exercise"/reference.c "$exercise"/reference.cpp; do
  [ -f "$candidate" ] && reference=$candidate && break
done
[ -n "$reference" ] || fail "$exercise has no reference.c or reference.cpp"
sources=("$reference" "$exercise"/students/*.c "$exercise"/students/*.cpp)
[ ${#sources[@]} -gt 1 ] || fail "$exercise/students holds no .c or .cpp file"
# Each program's files are named after it: two of one name would overwrite each other.
duplicates=$(for source in "${sources[@]}"; do basename "${source%.*}"; done | sort | uniq -d)
[ -z "$duplicates" ] || fail "two programs share the name $(head -n 1 <<<"$duplicates") (a student named reference, or NAME.c beside NAME.cpp)"
run_options=(--timeout "$timeout")
[ -f "$exercise/ZORVA.SCR" ] && run_options+=(--script "$exercise/ZORVA.SCR")
if [ -f "$exercise/answers.txt" ]; then
  while IFS= read -r answer || [ -n "$answer" ]; do run_options+=(--answer "${answer%$'\r'}"); done \
    <"$exercise/answers.txt"
fi

mkdir -p "$out"
out=$(cd "$out" && pwd)
rm -rf "$out/programs" "$out/pictures" "$out/logs" "$out/report.html" "$out/results.csv"
mkdir -p "$out/programs" "$out/pictures" "$out/logs"

# ---- build and run each program: one process each, $jobs at a time ----
# Leaves logs/NAME.build (the compiler's words), logs/NAME.log (the program's log),
# logs/NAME.run (zorva-run's own lines) and logs/NAME.status (its exit status, or
# "build" when the program does not build).
# shellcheck disable=SC2317  # called through xargs
grade_one() {
  local source=$1 name compiler
  name=$(basename "${source%.*}")
  # shellcheck disable=SC2206  # CC and CXX may carry flags of their own
  case $source in
    *.cpp) compiler=(${CXX:-c++} -std=c++17) ;;
    *) compiler=(${CC:-cc} -std=c11) ;;
  esac
  # shellcheck disable=SC2086  # the flags are meant to split into words
  if ! "${compiler[@]}" -O1 -o "$out/programs/$name" "$source" $zorva_flags >"$out/logs/$name.build" 2>&1; then
    echo build >"$out/logs/$name.status"
    return 0
  fi
  local status=0
  (cd "$out/programs" && "$zorva_run" "${run_options[@]}" --png "$out/pictures/$name.png" \
    --log "$out/logs/$name.log" "./$name" >/dev/null 2>"$out/logs/$name.run") || status=$?
  echo "$status" >"$out/logs/$name.status"
}
export out zorva_run zorva_flags
export -f grade_one
run_options_text=$(printf '%q ' "${run_options[@]}")
export run_options_text
# shellcheck disable=SC2016  # expanded by the shell that xargs starts
printf '%s\0' "${sources[@]}" |
  xargs -0 -n 1 -P "$jobs" bash -c 'eval "run_options=($run_options_text)"; grade_one "$1"' grade_one

# ---- compare, and write the results ----
name_of() { basename "${1%.*}"; }

# The state of a program from its status and zorva-run's words.
state_of() {
  local name=$1 status
  status=$(cat "$out/logs/$name.status")
  case $status in
    build) echo "does not build" ;;
    0) echo "finished" ;;
    124) if grep -q "went on waiting after it was asked to quit" "$out/logs/$name.run"; then
           echo "did not quit"
         else
           echo "timed out"
         fi ;;
    125|126|127) echo "could not run" ;;
    *) if [ "$status" -gt 128 ] && [ "$status" -le 192 ]; then
         echo "crashed (SIG$(kill -l $((status - 128)) 2>/dev/null || echo $((status - 128))))"
       else
         echo "finished with status $status"
       fi ;;
  esac
}

html() { sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' -e 's/"/\&quot;/g'; }
csv_field() { if [[ $1 == *[,\"]* ]]; then printf '"%s"' "${1//\"/\"\"}"; else printf '%s' "$1"; fi; }

reference_name=$(name_of "$reference")
reference_picture=$out/pictures/$reference_name.png
status=0
[ -s "$reference_picture" ] || status=1

csv=$out/results.csv
echo "program,state,exit_status,differing_pixels,percent,result" >"$csv"
rows=
students=0
passed=0
for source in "${sources[@]}"; do
  name=$(name_of "$source")
  state=$(state_of "$name")
  exit_status=$(cat "$out/logs/$name.status")
  [ "$exit_status" = build ] && exit_status=
  picture=$out/pictures/$name.png
  differing='' percent='' result=
  if [ "$source" = "$reference" ]; then
    result=reference
  elif [ ! -s "$picture" ]; then
    result="no picture"
  elif [ ! -s "$reference_picture" ]; then
    result="no reference picture"
  else
    compared=0
    line=$("$zorva_diff" "$reference_picture" "$picture" "${diff_options[@]}" \
      --out "$out/pictures/$name-diff.png" 2>&1 | tail -n 1) || compared=$?
    if [[ $line =~ ^([0-9]+)\ of\ ([0-9]+)\ pixels\ differ\ \(([0-9.]+)%\)$ ]]; then
      differing=${BASH_REMATCH[1]}
      percent=${BASH_REMATCH[3]}
    fi
    case $compared in
      0) result=pass ;;
      1) result=differs ;;
      *) result="cannot compare: $line" ;;
    esac
  fi
  echo "$(csv_field "$name"),$state,$exit_status,$differing,$percent,$(csv_field "$result")" >>"$csv"
  if [ "$source" != "$reference" ]; then
    students=$((students + 1))
    [ "$result" = pass ] && passed=$((passed + 1))
  fi

  # The report's row: the picture, the difference, the share, the state and the words.
  picture_cell="no picture"
  [ -s "$picture" ] && picture_cell="<a href=\"pictures/$name.png\"><img src=\"pictures/$name.png\" alt=\"$name's picture\"></a>"
  diff_cell=
  [ -s "$out/pictures/$name-diff.png" ] &&
    diff_cell="<a href=\"pictures/$name-diff.png\"><img src=\"pictures/$name-diff.png\" alt=\"differences\"></a>"
  words=
  for part in build run log; do
    file=$out/logs/$name.$part
    [ -s "$file" ] && words+=$(html <"$file")$'\n'
  done
  rows+="<tr class=\"${result// /-}\"><th>$(html <<<"$name")</th><td>$picture_cell</td><td>$diff_cell</td>"
  rows+="<td>${percent:+$percent%}</td><td>$(html <<<"$result")</td><td>$(html <<<"$state")</td>"
  rows+="<td><pre>$words</pre></td></tr>"$'\n'
done

cat >"$out/report.html" <<EOF
<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>$(basename "$exercise" | html): grades</title>
<style>
body { font-family: sans-serif; margin: 1em 2em; }
table { border-collapse: collapse; }
th, td { border: 1px solid #ccc; padding: 4px 8px; vertical-align: top; text-align: left; }
img { width: 200px; border: 1px solid #888; }
pre { max-height: 12em; max-width: 40em; overflow: auto; margin: 0; font-size: 85%; }
tr.pass th { background: #cfc; }
tr.differs th, tr.no-picture th { background: #fcc; }
</style>
</head>
<body>
<h1>$(basename "$exercise" | html)</h1>
<p>$passed of $students programs give the reference's picture.</p>
<p>Each program was run with zorva-run$( [ -f "$exercise/ZORVA.SCR" ] && echo " against the recorded ZORVA.SCR")
(timeout $(html <<<"$timeout") s) and its last picture compared with the reference's by
zorva-diff$( [ ${#diff_options[@]} -gt 0 ] && echo " $(html <<<"${diff_options[*]}")"). In the
differences, red is drawing the reference has and the program lacks, blue drawing only the
program has, purple drawing in another colour. The same results are in
<a href="results.csv">results.csv</a>.</p>
<table>
<tr><th>program</th><th>picture</th><th>differences</th><th>differing</th><th>result</th><th>state</th><th>log</th></tr>
$rows</table>
</body>
</html>
EOF

echo "grade: $out/report.html and $out/results.csv"
if [ "$status" -ne 0 ]; then
  echo "grade: the reference program gave no picture ($(state_of "$reference_name")): nothing could be compared" >&2
fi
exit "$status"
