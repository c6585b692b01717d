#!/usr/bin/env bash
# Quitting the shooter: Ctrl+Q ends it with status 0; closing the text window with its close
# box leaves the game running; the drawing window's close box ends it with status 0.
# Usage: quit.sh SHOTS_ROOT SHOOTER
source "$(dirname "$0")/lib.sh"
e2e_begin e2e_quit "$1" --wm
shooter=$2

e2e_start_program "$shooter"
game=$(e2e_find_window "ZORVA Graphics")
e2e_focus "$game"
e2e_wait_until "the game to animate" e2e_is_moving "$game" first-run
e2e_keys "$game" ctrl+q
e2e_expect_exit "Ctrl+Q"

e2e_start_program "$shooter"
game=$(e2e_find_window "ZORVA Graphics")
text=$(e2e_find_window "ZORVA Text")
e2e_focus "$game"
e2e_wait_until "the game to animate" e2e_is_moving "$game" second-run

# The text window's close box closes only the text window.
e2e_click_close_box "$text"
e2e_wait_until "the text window to close" e2e_window_gone "ZORVA Text"
e2e_program_running || e2e_fail "closing the text window ended the program"
e2e_wait_until "the game to go on without its text window" e2e_is_moving "$game" without-text-window

e2e_click_close_box "$game"
e2e_expect_exit "a click on the drawing window's close box"
