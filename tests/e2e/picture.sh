#!/usr/bin/env bash
# Ctrl+S in a real window: the teaching exercise's reference program, after a click has moved
# its sun, saves ZORVA-001.png in its working folder, and that file holds exactly what the
# screen shows below the menu strip (zorva-diff finds no differing pixel).
# Usage: picture.sh SHOTS_ROOT PROGRAM ZORVA_DIFF
source "$(dirname "$0")/lib.sh"
e2e_begin e2e_picture "$1"
program=$2
zorva_diff=$3
saved=$E2E_WORK/ZORVA-001.png

e2e_start_program "$program"
window=$(e2e_find_window "ZORVA Graphics")
e2e_focus "$window"
e2e_click_logical "$window" -150 190
e2e_wait_until "the scene to settle after the click" e2e_is_still "$window" clicked

e2e_keys "$window" ctrl+s
e2e_wait_until "Ctrl+S to write ZORVA-001.png" test -s "$saved"
cp "$saved" "$E2E_SHOTS/ZORVA-001.png"
convert "$E2E_SHOTS/clicked-b.png" -crop "${E2E_WIDTH}x${E2E_CLIENT_HEIGHT}+0+$E2E_STRIP" +repage \
  "$E2E_SHOTS/client-area.png"
"$zorva_diff" "$E2E_SHOTS/client-area.png" "$saved" --out "$E2E_SHOTS/difference.png" ||
  e2e_fail "the saved picture is not what the window shows (see difference.png)"
e2e_log "ZORVA-001.png is the client area as shown"

e2e_keys "$window" ctrl+q
e2e_expect_exit "Ctrl+Q"
