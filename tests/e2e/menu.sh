#!/usr/bin/env bash
# The drawing window's "Run" menu with the shooter: a click on "Run" opens the popup, the
# item under the pointer is highlighted, its Logging item carries a check mark exactly while
# logging is on (the game starts with it off; Ctrl+L toggles it), "Halt animation" halts the
# game, and pressing on "Run", dragging to "Quit" and releasing there ends it with status 0.
# Usage: menu.sh SHOTS_ROOT SHOOTER
source "$(dirname "$0")/lib.sh"
e2e_begin e2e_menu "$1" --wm
shooter=$2

# Where the popup's parts lie in the window (the bar is the 19-pixel strip at the top).
run_title=(20 10)
halt_item=(70 55)
quit_item=(50 214)
popup_probe="1x1+200+150"          # inside the popup, below the Quit item's label
logging_mark="14x26+3+94"          # the check column of the Logging item
halt_row="300x12+10+50"            # the middle rows of the Halt animation item
menu_face="#D4D0C8"
highlight="#0A246A"

e2e_start_program "$shooter"
game=$(e2e_find_window "ZORVA Graphics")
e2e_focus "$game"
e2e_wait_until "the game to animate" e2e_is_moving "$game" running

popup_open() { [ "$(e2e_count_color "$(e2e_shot "$game" "$1")" "$popup_probe" "$menu_face")" = 1 ]; }
popup_closed() { ! popup_open "$1"; }

# open_menu STEP: clicks "Run" and waits for the popup; leaves the shot as STEP.png.
open_menu() {
  e2e_click "$game" "${run_title[@]}"
  e2e_wait_until "the Run popup to open ($1)" popup_open "$1"
}

# logging_mark_pixels STEP: dark pixels of the Logging item's check mark in STEP.png.
logging_mark_pixels() { e2e_count_color "$E2E_SHOTS/$1.png" "$logging_mark" "#000000"; }

open_menu menu-open
# The popup lists the items: their labels put dark ink on its face.
labels=$(e2e_count_color "$E2E_SHOTS/menu-open.png" "380x300+20+22" "#000000")
[ "$labels" -gt 500 ] || e2e_fail "the open popup shows no item labels ($labels dark pixels)"
[ "$(logging_mark_pixels menu-open)" = 0 ] || e2e_fail "Logging is checked although the game turned logging off"

# The pointer over "Halt animation" highlights it.
halt_highlighted() { [ "$(e2e_count_color "$(e2e_shot "$game" "$1")" "$halt_row" "$highlight")" -gt 1000 ]; }
halt_highlighted menu-open-again && e2e_fail "Halt animation is highlighted before the pointer is on it"
e2e_x xdotool mousemove --window "$game" "${halt_item[@]}"
e2e_wait_until "the pointer to highlight Halt animation" halt_highlighted hover-halt

# Choosing "Halt animation" closes the popup and halts the game.
e2e_click "$game" "${halt_item[@]}"
e2e_wait_until "the popup to close after Halt animation" popup_closed after-halt
e2e_wait_until "Halt animation to halt the game" e2e_is_still "$game" halted

# Ctrl+L turns logging on: the Logging item shows its check mark; Escape closes the popup.
e2e_keys "$game" ctrl+l
open_menu menu-logging-on
mark=$(logging_mark_pixels menu-logging-on)
e2e_log "Logging check mark after Ctrl+L: $mark dark pixels"
[ "$mark" -gt 10 ] || e2e_fail "no check mark at Logging after Ctrl+L"
e2e_keys "$game" Escape
e2e_wait_until "Escape to close the popup" popup_closed after-escape

# Ctrl+L again turns it off: the mark is gone.
e2e_keys "$game" ctrl+l
open_menu menu-logging-off
[ "$(logging_mark_pixels menu-logging-off)" = 0 ] || e2e_fail "the Logging mark stayed after the second Ctrl+L"

# Escape closes it; then a press on "Run", a drag to "Quit" and the release there end the
# program with status 0.
e2e_keys "$game" Escape
e2e_wait_until "Escape to close the popup" popup_closed after-escape-2
e2e_x xdotool mousemove --window "$game" "${run_title[@]}" mousedown 1
e2e_wait_until "the press on Run to open the popup" popup_open pressed-on-run
e2e_x xdotool mousemove --window "$game" "${halt_item[@]}"
e2e_wait_until "the drag to highlight Halt animation" halt_highlighted dragging
e2e_x xdotool mousemove --window "$game" "${quit_item[@]}" mouseup 1
e2e_expect_exit "releasing the button on Quit"
