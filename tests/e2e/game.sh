#!/usr/bin/env bash
# The shooter in a real window: it starts and draws, the ship flies on its own, Ctrl+H halts
# the animation, Ctrl+F advances it by exactly one frame, "," and "." turn the ship, space
# fires a pair of bullets, Ctrl+A resumes and Ctrl+Q ends the game with status 0.
# Usage: game.sh SHOTS_ROOT SHOOTER
source "$(dirname "$0")/lib.sh"
e2e_begin e2e_game "$1" --wm
shooter=$2

e2e_start_program "$shooter"
game=$(e2e_find_window "ZORVA Graphics")
e2e_focus "$game"

# It starts: the playfield is drawn with the ship in it, and the ship moves by itself.
ship_drawn() { [ "$(e2e_ship_x "$(e2e_shot "$game" started)")" != none ]; }
e2e_wait_until "the ship to be drawn" ship_drawn
first_x=$(e2e_ship_x "$E2E_SHOTS/started.png")
e2e_log "ship at x=$first_x"
ship_has_moved() { local x; x=$(e2e_ship_x "$(e2e_shot "$game" running)"); [ "$x" != none ] && [ "$x" != "$first_x" ]; }
e2e_wait_until "the ship to move on its own" ship_has_moved

# Ctrl+H halts: the window stops changing.
e2e_keys "$game" ctrl+h
e2e_wait_until "Ctrl+H to halt the animation" e2e_is_still "$game" halted

# A bomb hit draws sparks over the ship in the pass of the hit, and an enemy that meets the
# ship sends it back to x=-260: both are part of the game, so a measurement they spoil is
# taken again after one more pass.

# press_and_settle KEY STEP: presses KEY, waits until the window has changed and is still
# again, and prints the path of the settled screenshot.
press_and_settle() {
  local key=$1 step=$2 before
  before=$(e2e_shot "$game" "$step-before")
  e2e_keys "$game" "$key"
  changed() { ! e2e_same_image "$before" "$(e2e_shot "$game" "$step")"; }
  e2e_wait_until "\"$key\" to redraw the window" changed
  e2e_wait_until "the window to stay still after \"$key\"" e2e_is_still "$game" "$step-still"
  echo "$E2E_SHOTS/$step-still-b.png"
}

# ship_in SHOT STEP: the ship's x in SHOT; while sparks hide it, one more pass is run with
# a key that does not steer ("z").
ship_in() {
  local shot=$1 step=$2 x try
  for try in 1 2 3; do
    x=$(e2e_ship_x "$shot")
    [ "$x" != none ] && { echo "$x"; return; }
    shot=$(press_and_settle z "$step-unhide-$try")
  done
  e2e_fail "the ship cannot be found in $shot"
}

# Turning, halted, one frame at a time: the first key sends the ship towards the middle,
# where a step of 9 cannot reach a side; the second key sends it back. Each key runs one
# pass without moving the ship; Ctrl+F then moves it exactly one step.
turn_and_step() {
  local key=$1 sign=$2 name=$3 x0 x_key x1 shot
  x0=$(ship_in "$E2E_SHOTS/halted-b.png" "$name-before")
  shot=$(press_and_settle "$key" "$name-$key")
  x_key=$(ship_in "$shot" "$name-$key")
  [ "$x_key" = "$x0" ] || { e2e_log "the ship went from x=$x0 to x=$x_key on \"$key\""; return 1; }
  shot=$(press_and_settle ctrl+f "$name-step")
  x1=$(ship_in "$shot" "$name-step")
  cp "$shot" "$E2E_SHOTS/halted-b.png"
  e2e_log "\"$key\" then Ctrl+F: ship from x=$x0 to x=$x1"
  [ "$x1" = $(( x0 + 9 * sign )) ]
}

x=$(ship_in "$E2E_SHOTS/halted-b.png" halted)
# A key that repeats the ship's present direction proves nothing, so the first key comes
# again at the end, when the second has surely turned the ship the other way.
if [ "$x" -gt 0 ]; then turns=("comma -1" "period 1" "comma -1"); else turns=("period 1" "comma -1" "period 1"); fi
turn_number=0
for turn in "${turns[@]}"; do
  set -- $turn
  turn_number=$((turn_number + 1))
  attempt=1
  until turn_and_step "$1" "$2" "turn$turn_number-try$attempt"; do
    attempt=$((attempt + 1))
    [ "$attempt" -le 3 ] || e2e_fail "\"$1\" and one frame did not move the ship by $(( 9 * $2 ))"
    e2e_log "the ship was hit or reset during the step; trying again"
  done
done
previous_shot=$E2E_SHOTS/halted-b.png
previous_x=$(ship_in "$previous_shot" final)

# Space fires: bullet pixels appear above the ship (still halted: the key's pass fires them).
[ "$(e2e_bullet_pixels "$previous_shot")" = 0 ] || e2e_fail "bullets on screen before firing"
e2e_keys "$game" space
bullets_shown() { [ "$(e2e_bullet_pixels "$(e2e_shot "$game" fired)")" -gt 0 ]; }
e2e_wait_until "space to fire bullets" bullets_shown
e2e_log "bullet pixels after space: $(e2e_bullet_pixels "$E2E_SHOTS/fired.png")"

# Ctrl+A resumes: the window changes again and the ship moves; a few more shots in flight
# make the picture of the running game.
e2e_keys "$game" ctrl+a
e2e_wait_until "Ctrl+A to resume the animation" e2e_is_moving "$game" resumed
resumed_from=$previous_x
ship_moved_again() { local x; x=$(e2e_ship_x "$(e2e_shot "$game" resumed)"); [ "$x" != none ] && [ "$x" != "$resumed_from" ]; }
e2e_wait_until "the ship to move after Ctrl+A" ship_moved_again
# Shots rise: keep firing until bullets show in the upper half of the playfield (an enemy
# in the way can take a pair before it gets there).
fire_until_high() {
  e2e_keys "$game" space
  [ "$(e2e_count_color "$(e2e_shot "$game" running)" "${E2E_WIDTH}x$E2E_ORIGIN_Y+0+0" "#00FF00")" -gt 0 ]
}
e2e_wait_until "bullets to rise into the upper half" fire_until_high

e2e_keys "$game" ctrl+q
e2e_expect_exit "Ctrl+Q"
