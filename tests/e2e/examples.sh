#!/usr/bin/env bash
# The example programs, one after another on one X server: each starts, is used a little the
# way its comment suggests, leaves one clean screenshot <name>.png of its drawing window for
# the manual, and ends with status 0 on Ctrl+Q.
# Usage: examples.sh SHOTS_ROOT NAME=PROGRAM...   (examples that were not built are left out)
source "$(dirname "$0")/lib.sh"
e2e_begin e2e_examples "$1"
shift

# settle WINDOW NAME: waits until the window is still and keeps that picture as NAME.png.
settle() {
  e2e_wait_until "$2 to finish drawing" e2e_is_still "$1" "$2-settling"
  cp "$E2E_SHOTS/$2-settling-b.png" "$E2E_SHOTS/$2.png"
}

# Each example's own use, given its drawing window; it ends with NAME.png taken.
use_hello() { settle "$1" hello; }
use_colour_swatches() { settle "$1" colour_swatches; }

# blue_dot_at WINDOW X Y: the 3x3 pixels round the logical point are click_draw's first colour.
blue_dot_at() {
  local shot
  shot=$(e2e_shot "$1" dot-check)
  [ "$(e2e_count_color "$shot" "3x3+$(( E2E_ORIGIN_X + $2 - 1 ))+$(( E2E_ORIGIN_Y - $3 - 1 ))" "#0000FF")" = 9 ]
}

use_click_draw() {
  local point
  # A click that activates the window counts, also when the program takes the activation
  # and the click at once: stopped, it finds both waiting when it goes on.
  e2e_focus "$(e2e_find_window "ZORVA Text")"
  kill -STOP "$E2E_APP_PID"
  e2e_focus "$1"
  e2e_click_logical "$1" -200 -150
  kill -CONT "$E2E_APP_PID"
  e2e_wait_until "the click that activated click_draw to draw" blue_dot_at "$1" -200 -150
  for point in "-120 120" "-40 -150" "40 120" "120 -150" "200 120"; do
    e2e_click_logical "$1" $point
  done
  e2e_keys "$1" x  # lifts the pen: the next line starts afresh in the next colour
  for point in "-220 -40" "220 -40" "0 200" "-220 -40"; do e2e_click_logical "$1" $point; done
  settle "$1" click_draw
}

use_bouncing_ball() {
  e2e_wait_until "the ball to move" e2e_is_moving "$1" bouncing_ball-moving
  cp "$E2E_SHOTS/bouncing_ball-moving-b.png" "$E2E_SHOTS/bouncing_ball.png"
}

use_greeting() {
  local dialog
  dialog=$(e2e_find_window "ZORVA_gets")
  e2e_focus "$dialog"
  e2e_x xdotool type --delay 20 "Ada"
  e2e_keys "$dialog" Return
  e2e_wait_until "the prompt to close" e2e_window_gone ZORVA_gets
  settle "$1" greeting
}

use_recorded_demo() {
  local point
  e2e_keys "$1" ctrl+r
  for point in "-150 100" "150 100" "150 -100" "-150 -100"; do e2e_click_logical "$1" $point; done
  e2e_keys "$1" a b c d e f
  e2e_click_logical "$1" 0 0
  e2e_keys "$1" ctrl+r
  e2e_wait_until "the recording to be written" test -s "$E2E_WORK/ZORVA.SCR"
  e2e_keys "$1" ctrl+p
  settle "$1" recorded_demo
}

use_coordinates() {
  local point
  for point in "150 100" "-200 -150"; do e2e_click_logical "$1" $point; done
  settle "$1" coordinates
}

for example in "$@"; do
  name=${example%%=*}
  program=${example#*=}
  [ "$(type -t "use_$name")" = function ] || e2e_fail "no use known for the example \"$name\""
  e2e_log "example $name"
  e2e_start_program "$program"
  window=$(e2e_find_window "ZORVA Graphics")
  e2e_focus "$window"
  "use_$name" "$window"
  [ "$(e2e_count_other "$E2E_SHOTS/$name.png" "${E2E_WIDTH}x${E2E_CLIENT_HEIGHT}+0+$E2E_STRIP" "#FFFFFF")" -gt 1000 ] ||
    e2e_fail "the example \"$name\" drew next to nothing"
  cp "$E2E_SHOTS/program.log" "$E2E_SHOTS/$name.log"
  e2e_keys "$window" ctrl+q
  e2e_expect_exit "Ctrl+Q in $name"
  rm -f "$E2E_WORK/ZORVA.SCR"
done
