#!/usr/bin/env bash
# Checks platform/win32.h, the Windows operations as this platform declares them, against the
# real <windows.h> of mingw-w64: every function must be declared with the same signature (C
# rejects a conflicting redeclaration) and every constant must have the same value.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
header="$root/platform/win32.h"
compiler=${1:-x86_64-w64-mingw32-gcc}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The part of the header that this platform uses instead of <windows.h>.
awk '/^#ifdef _WIN32/{skip=1} /^#else/{if (skip) {skip=0; ours=1; next}} ours' "$header" >"$work/ours.h"

{
  echo '#include <windows.h>'
  # Each declaration from its line with WINAPI to the line that ends it.
  awk '/^[A-Za-z].* WINAPI [A-Za-z_0-9]+\(/ {inside = 1} inside {print} /;/ {inside = 0}' "$work/ours.h"
} >"$work/signatures.c"

{
  echo '#include <windows.h>'
  grep -E '^#define [A-Z_0-9]+ +[^ ]' "$work/ours.h" | grep -v '\\$' |
    awk '{name = $2; $1 = ""; $2 = ""; sub(/^ +/, ""); printf "_Static_assert((%s) == (%s), \"%s\");\n", $0, name, name}'
} >"$work/constants.c"

functions=$(grep -c 'WINAPI' "$work/signatures.c")
constants=$(grep -c '_Static_assert' "$work/constants.c")
"$compiler" -std=c11 -fsyntax-only -Wno-attributes "$work/signatures.c"
"$compiler" -std=c11 -fsyntax-only "$work/constants.c"
echo "check-win32-header: $functions functions and $constants constants agree with <windows.h>"
