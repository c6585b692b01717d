#!/usr/bin/env bash
# The prompt example: it opens the "ZORVA_gets" dialog at once; a name typed there and
# Enter close it and draw "Hello, <name>!" in the drawing window. A click asks again: the
# same name pasted from the desktop's clipboard with Ctrl+V draws the same greeting, and a
# longer name draws a longer greeting. Ctrl+Q ends it with status 0.
# Usage: greeting.sh SHOTS_ROOT EXAMPLE_GREETING
source "$(dirname "$0")/lib.sh"
e2e_begin e2e_greeting "$1" --wm
program=$2

navy="#003399"
greeting_band="420x40+87+302"   # the line of "Hello, ...!" at logical (-200, -40), 24 points

e2e_start_program "$program"
dialog=$(e2e_find_window "ZORVA_gets")
drawing=$(e2e_find_window "ZORVA Graphics")
dialog_drawn() { [ "$(e2e_count_color "$(e2e_shot "$dialog" dialog)" "100x40+0+0" "#D4D0C8")" -gt 1000 ]; }
e2e_wait_until "the dialog to be drawn" dialog_drawn
# The dialog over the drawing window, as the user sees it.
read -r x y < <(xwininfo -id "$drawing" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF } END { print x, y }')
e2e_x import -window root -crop "${E2E_WIDTH}x$(( E2E_STRIP + E2E_CLIENT_HEIGHT ))+$x+$y" +repage "$E2E_SHOTS/asking.png"

# answer NAME STEP [--paste]: types NAME (or, with --paste, puts it on the clipboard and
# pastes it with Ctrl+V) and Enter into the dialog, waits for the greeting to be drawn and
# prints the width of the greeting's ink.
answer() {
  local name=$1 step=$2 before clipboard_pid=
  before=$(e2e_shot "$drawing" "$step-before")
  e2e_focus "$dialog"
  if [ "${3:-}" = --paste ]; then
    # xclip serves the clipboard until it is stopped (or another program takes it over).
    printf '%s' "$name" | xclip -selection clipboard -in -quiet >/dev/null 2>&1 &
    clipboard_pid=$!
    e2e_wait_until "xclip to hold the clipboard" sh -c "xclip -selection clipboard -out | grep -qx -- '$name'"
    e2e_keys "$dialog" ctrl+v
  else
    e2e_x xdotool type --delay 20 "$name"
  fi
  e2e_keys "$dialog" Return
  [ -z "$clipboard_pid" ] || e2e_stop "$clipboard_pid"
  e2e_wait_until "Enter to close the dialog" e2e_window_gone ZORVA_gets
  greeted() {
    local shot
    shot=$(e2e_shot "$drawing" "$step")
    ! e2e_same_image "$before" "$shot" && [ "$(e2e_count_color "$shot" "$greeting_band" "#FFFFFF")" -gt 0 ]
  }
  e2e_wait_until "the greeting for \"$name\"" greeted
  e2e_wait_until "the greeting to stay" e2e_is_still "$drawing" "$step-still"
  cp "$E2E_SHOTS/$step-still-b.png" "$E2E_SHOTS/$step.png"
  [ "$(e2e_count_color "$E2E_SHOTS/$step.png" "500x200+50+150" "$navy")" -gt 10000 ] ||
    e2e_fail "no navy-blue card behind the greeting for \"$name\""
  e2e_ink_box "$E2E_SHOTS/$step.png" "$greeting_band" "$navy" | awk '{ print $3 }'
}

short=$(answer "Ada" greeted)
e2e_log "greeting for \"Ada\": $short pixels wide"

e2e_click_logical "$drawing" 0 -200
dialog=$(e2e_find_window "ZORVA_gets")
answer "Ada" greeted-pasted --paste >/dev/null
convert "$E2E_SHOTS/greeted.png" -crop "$greeting_band" +repage "$E2E_SHOTS/typed-band.png"
convert "$E2E_SHOTS/greeted-pasted.png" -crop "$greeting_band" +repage "$E2E_SHOTS/pasted-band.png"
e2e_same_image "$E2E_SHOTS/typed-band.png" "$E2E_SHOTS/pasted-band.png" ||
  e2e_fail "the pasted name did not draw the same greeting as the typed one"
e2e_log "a name pasted with Ctrl+V draws the same greeting as the typed one"

e2e_click_logical "$drawing" 0 -200
dialog=$(e2e_find_window "ZORVA_gets")
long=$(answer "Grace Hopper" greeted-again)
e2e_log "greeting for \"Grace Hopper\": $long pixels wide"
[ "$long" -gt $(( short + 50 )) ] || e2e_fail "the longer name did not draw a longer greeting"

e2e_keys "$drawing" ctrl+q
e2e_expect_exit "Ctrl+Q"
