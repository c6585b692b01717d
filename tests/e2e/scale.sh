#!/usr/bin/env bash
# A dense screen: on a 2560x1600 X server whose desktop says Xft.dpi: 192, the programs show
# at twice their size. The drawing window is 2x its size, every 2x2 block of a screenshot is
# one colour, clicks at screen pixels land on the logical points they cover (click_draw draws
# the same picture as at factor 1 clicked at those points), the text window lies along the
# lower third of the screen, a wrong ZORVA_SCALE is named and ignored, and the shooter's
# menu opens and quits where it is clicked.
# Usage: scale.sh SHOTS_ROOT CLICK_DRAW SHOOTER
source "$(dirname "$0")/lib.sh"
E2E_SCREEN=2560x1600x24
e2e_begin e2e_scale "$1"
click_draw=$2
shooter=$3
command -v xrdb >/dev/null || e2e_fail "missing tool: xrdb (scripts/install-deps.sh installs it)"
echo "Xft.dpi: 192" >"$E2E_WORK/resources"
e2e_x xrdb -nocpp -merge "$E2E_WORK/resources"

# window_geometry WINDOW: "x y width height" on the screen.
window_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}

# The logical points clicked: the centre, near the corners, and points between.
points=("0 0" "-290 -240" "290 240" "-290 240" "290 -240" "-1 1" "137 -59")

# draw_clicks FACTOR STEP: runs click_draw (the desktop's factor when FACTOR is empty), clicks
# the points and keeps the still picture as STEP.png.
draw_clicks() {
  local factor=$1 step=$2 window point x y i=0
  if [ -n "$factor" ]; then
    e2e_start_program env ZORVA_SCALE="$factor" "$click_draw"
  else
    e2e_start_program "$click_draw"
  fi
  window=$(e2e_find_window "ZORVA Graphics")
  if [ -z "$factor" ]; then
    read -r x y width height < <(window_geometry "$window")
    e2e_log "drawing window at factor 2: ${width}x${height} at ($x, $y)"
    [ "$width" = $(( 2 * E2E_WIDTH )) ] && [ "$height" = $(( 2 * (E2E_STRIP + E2E_CLIENT_HEIGHT) )) ] ||
      e2e_fail "the drawing window is ${width}x${height}, not twice $E2E_WIDTH by $(( E2E_STRIP + E2E_CLIENT_HEIGHT ))"
    local text
    text=$(e2e_find_window "ZORVA Text")
    read -r x y width height < <(window_geometry "$text")
    e2e_log "text window at factor 2: ${width}x${height} at ($x, $y)"
    [ "$y" -ge $(( 1600 * 2 / 3 )) ] && [ $(( y + height )) -le 1600 ] && [ "$width" -ge 2500 ] ||
      e2e_fail "the text window (${width}x${height} at $x, $y) does not lie along the lower third"
  fi
  e2e_focus "$window"
  for point in "${points[@]}"; do
    read -r x y <<<"$point"
    if [ -n "$factor" ]; then
      e2e_click_logical "$window" "$x" "$y"
    else
      # Any screen pixel of the point's 2x2 block: the four corners of it in turn.
      e2e_click "$window" $(( 2 * (E2E_ORIGIN_X + x) + i % 2 )) $(( 2 * (E2E_ORIGIN_Y - y) + i / 2 % 2 ))
    fi
    i=$(( i + 1 ))
  done
  e2e_wait_until "click_draw to finish drawing" e2e_is_still "$window" "$step-settling"
  cp "$E2E_SHOTS/$step-settling-b.png" "$E2E_SHOTS/$step.png"
  e2e_keys "$window" ctrl+q
  e2e_expect_exit "Ctrl+Q in click_draw"
}

draw_clicks 1 factor1
draw_clicks "" factor2

# Every 2x2 block is one colour: sampling one pixel of each block and enlarging that again
# gives the screenshot back exactly.
convert "$E2E_SHOTS/factor2.png" -sample 50% "$E2E_SHOTS/factor2-halved.png"
convert "$E2E_SHOTS/factor2-halved.png" -sample 200% "$E2E_SHOTS/factor2-blocks.png"
blurred=$(e2e_differing_pixels "$E2E_SHOTS/factor2.png" "$E2E_SHOTS/factor2-blocks.png")
[ "$blurred" = 0 ] || e2e_fail "$blurred screenshot pixels differ from their 2x2 block"
# Halved, it is the picture drawn at factor 1: every disc where its click was.
moved=$(e2e_differing_pixels "$E2E_SHOTS/factor1.png" "$E2E_SHOTS/factor2-halved.png")
[ "$moved" = 0 ] || e2e_fail "the picture at factor 2 differs from factor 1's in $moved pixels"
# And the centre's disc is at the centre (the 1x picture, around the origin).
[ "$(e2e_count_other "$E2E_SHOTS/factor1.png" "5x5+$(( E2E_ORIGIN_X - 2 ))+$(( E2E_ORIGIN_Y - 2 ))" "#FFFFFF")" -gt 10 ] ||
  e2e_fail "no disc at the logical centre"

# A wrong ZORVA_SCALE is named in one line and the desktop's factor used.
e2e_start_program env ZORVA_SCALE=big "$click_draw"
window=$(e2e_find_window "ZORVA Graphics")
read -r x y width height < <(window_geometry "$window")
[ "$width" = $(( 2 * E2E_WIDTH )) ] || e2e_fail "with ZORVA_SCALE=big the window is $width wide, not the desktop's 2x"
e2e_keys "$window" ctrl+q
e2e_expect_exit "Ctrl+Q in click_draw with ZORVA_SCALE=big"
complaint='zorva: ZORVA_SCALE="big" is not a scale from 1 to 4; using the desktop'"'"'s'
[ "$(grep -cxF "$complaint" "$E2E_SHOTS/program.log")" = 1 ] || e2e_fail "no one-line complaint about ZORVA_SCALE=big"

# The shooter's menu at factor 2: "Run" opens its popup, "Quit" in it ends the game.
e2e_start_program "$shooter"
game=$(e2e_find_window "ZORVA Graphics")
e2e_focus "$game"
popup_open() { [ "$(e2e_count_color "$(e2e_shot "$game" "$1")" "2x2+400+300" "#D4D0C8")" = 4 ]; }
e2e_click "$game" 41 21
e2e_wait_until "the Run popup to open at factor 2" popup_open menu-open
e2e_click "$game" 100 429
e2e_expect_exit "Quit chosen from the menu at factor 2"
