#!/usr/bin/env bash
# The text window with the shooter, halted: it starts empty (the game logs nothing), keys
# typed into it reach the game (space fires, Ctrl+L turns logging on, Ctrl+Q quits), and
# with logging on a pass of the game fills it with the descriptions of the drawing calls.
# No window manager here: it would push the text window's bottom lines off the screen.
# Usage: text_window.sh SHOTS_ROOT SHOOTER
source "$(dirname "$0")/lib.sh"
e2e_begin e2e_text_window "$1"
shooter=$2

e2e_start_halted_shooter "$shooter"

empty=$(e2e_shot "$text" empty)
[ "$(e2e_count_other "$empty" "800x300+0+0" "#FFFFFF")" = 0 ] ||
  e2e_fail "the text window shows something although the game logs nothing"

# Space typed into the text window fires the ship's guns.
[ "$(e2e_bullet_pixels "$E2E_SHOTS/halted-b.png")" = 0 ] || e2e_fail "bullets before any shot"
e2e_keys "$text" space
fired() { [ "$(e2e_bullet_pixels "$(e2e_shot "$game" fired-from-text-window)")" -gt 0 ]; }
e2e_wait_until "space typed into the text window to fire" fired

# Ctrl+L typed into the text window turns logging on; the next pass ("." also typed there)
# is described line by line.
e2e_keys "$text" ctrl+l period
many_lines() { [ "$(e2e_text_lines "$(e2e_shot "$text" logged-lines)" | wc -l)" -ge 6 ]; }
e2e_wait_until "the drawing calls to be listed in the text window" many_lines
e2e_log "lines of text in the bottom of the window: $(e2e_text_lines "$E2E_SHOTS/logged-lines.png" | wc -l)"
e2e_wait_until "the text window to settle" e2e_is_still "$text" logged-lines-settled
cp "$E2E_SHOTS/logged-lines-settled-b.png" "$E2E_SHOTS/logged-lines.png"
e2e_x import -window root "$E2E_SHOTS/screen.png"

# Ctrl+Q typed into the text window ends the game.
e2e_keys "$text" ctrl+q
e2e_expect_exit "Ctrl+Q in the text window"
