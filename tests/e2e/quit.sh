#!/usr/bin/env bash
# Quitting the shooter: Ctrl+Q ends it with status 0; closing the text window with its close
# box leaves the game running; the drawing window's close box ends it with status 0. On the
# way: with the window manager's frames round them, both windows lie wholly on the screen.
# Usage: quit.sh SHOTS_ROOT SHOOTER
source "$(dirname "$0")/lib.sh"

# window_fits WINDOW: the window and the frame round it end within the screen.
window_fits() {
  local y height bottom screen_height
  read -r y height < <(xwininfo -id "$1" | awk '/Absolute upper-left Y/ { y = $NF } /Height:/ { h = $NF } END { print y, h }')
  bottom=$(xprop -id "$1" _NET_FRAME_EXTENTS | awk -F' = ' '{ gsub(",", ""); split($2, e, " "); print e[4] }')
  screen_height=$(xwininfo -root | awk '/Height:/ { print $NF }')
  [ -n "$y" ] && [ -n "$bottom" ] && [ $(( y + height + bottom )) -le "$screen_height" ]
}
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
# The text window is placed at the bottom of the screen; its newest line, drawn at its
# bottom, must not be pushed off the screen by the title bar above it.
e2e_wait_until "the text window's frame to fit on the screen" window_fits "$text"

# The text window's close box closes only the text window.
e2e_click_close_box "$text"
e2e_wait_until "the text window to close" e2e_window_gone "ZORVA Text"
e2e_program_running || e2e_fail "closing the text window ended the program"
e2e_wait_until "the game to go on without its text window" e2e_is_moving "$game" without-text-window

e2e_click_close_box "$game"
e2e_expect_exit "a click on the drawing window's close box"
