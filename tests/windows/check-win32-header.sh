#!/usr/bin/env bash
# Checks platform/win32.h and win32_entry.h (the part of it that a program's entry point
# needs), the Windows operations as this platform declares them, against the real <windows.h>
# of mingw-w64: every function must be declared with the same signature (C rejects a
# conflicting redeclaration), every constant must have the same value, and every structure
# the same size and field offsets on 64-bit Windows as here.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
headers=("$root/platform/win32.h" "$root/platform/win32_entry.h")
compiler=${1:-x86_64-w64-mingw32-gcc}
native=${2:-cc}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The part of each header that this platform uses instead of <windows.h>.
awk 'FNR == 1 {ours = 0} /^#ifdef _WIN32/{skip=1} /^#else/{if (skip) {skip=0; ours=1; next}} ours' \
  "${headers[@]}" >"$work/ours.h"

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

# Structure layouts: a program built here prints this platform's sizes and offsets as static
# assertions, which must then hold against <windows.h> for 64-bit Windows.
fields=(
  "POINT x y" "RECT left top right bottom" "SIZE cx cy"
  "MSG hwnd message wParam lParam time pt"
  "WNDCLASSA style lpfnWndProc cbClsExtra cbWndExtra hInstance hIcon hCursor hbrBackground lpszMenuName lpszClassName"
  "PAINTSTRUCT hdc fErase rcPaint fRestore fIncUpdate rgbReserved"
  "TEXTMETRICA tmHeight tmAscent tmDescent tmInternalLeading tmExternalLeading tmAveCharWidth tmMaxCharWidth tmWeight tmOverhang tmDigitizedAspectX tmDigitizedAspectY tmFirstChar tmLastChar tmDefaultChar tmBreakChar tmItalic tmUnderlined tmStruckOut tmPitchAndFamily tmCharSet"
  "DLGTEMPLATE style dwExtendedStyle cdit x y cx cy"
  "DLGITEMTEMPLATE style dwExtendedStyle x y cx cy id"
  "BITMAPINFOHEADER biSize biWidth biHeight biPlanes biBitCount biCompression biSizeImage biXPelsPerMeter biYPelsPerMeter biClrUsed biClrImportant"
  "RGBQUAD rgbBlue rgbGreen rgbRed rgbReserved" "BITMAPINFO bmiHeader bmiColors"
)
{
  echo '#include <stddef.h>'
  echo '#include <stdio.h>'
  echo '#include "platform/win32.h"'
  echo 'int main(void) {'
  echo '  puts("#include <stddef.h>\n#include <windows.h>");'
  for entry in "${fields[@]}"; do
    read -r type members <<<"$entry"
    echo "  printf(\"_Static_assert(sizeof($type) == %zu, \\\"size of $type\\\");\\n\", sizeof($type));"
    for member in $members; do
      echo "  printf(\"_Static_assert(offsetof($type, $member) == %zu, \\\"$type.$member\\\");\\n\", offsetof($type, $member));"
    done
  done
  echo '  return 0;'
  echo '}'
} >"$work/layout_here.c"
"$native" -std=c11 -I"$root" "$work/layout_here.c" -o "$work/layout_here"
"$work/layout_here" >"$work/layout.c"
"$compiler" -std=c11 -fsyntax-only "$work/layout.c"
layouts=$(grep -c '_Static_assert' "$work/layout.c")

functions=$(grep -c 'WINAPI' "$work/signatures.c")
constants=$(grep -c '_Static_assert' "$work/constants.c")
"$compiler" -std=c11 -fsyntax-only -Wno-attributes "$work/signatures.c"
"$compiler" -std=c11 -fsyntax-only "$work/constants.c"
echo "check-win32-header: $functions functions, $constants constants and $layouts structure sizes and offsets agree with <windows.h>"
