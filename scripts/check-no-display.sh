#!/usr/bin/env bash
# Runs a program on the package with no display named and checks that it stops at once with
# the one-line message and a non-zero exit code, instead of crashing or hanging.
set -u
program=$1
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u ZORVA_BACKEND timeout 10 "$program" 2>&1)
code=$?
expected="zorva: cannot open a display: DISPLAY is not set (and neither is WAYLAND_DISPLAY)"
if [ "$code" -eq 0 ] || [ "$code" -ge 124 ]; then
  echo "expected a plain failure exit code, got $code"
  exit 1
fi
if [ "$output" != "$expected" ]; then
  echo "unexpected output: $output"
  exit 1
fi
echo "ok: $output (exit $code)"
