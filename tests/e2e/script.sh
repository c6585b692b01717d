#!/usr/bin/env bash
# Recording and playback with the shooter, halted so that no periodic events come between
# the recorded ones: Ctrl+P without a script file reports it in the text window; Ctrl+R,
# two keys, a click and a shot, Ctrl+R again write "ZORVA.SCR" with exactly those lines;
# Ctrl+P plays them back (the recorded shot fires a second pair of bullets) and the text
# window ends with the end-of-file message. Ctrl+O between them plays one event alone.
# No window manager here: it would push the text window's bottom lines off the screen.
# Usage: script.sh SHOTS_ROOT SHOOTER
source "$(dirname "$0")/lib.sh"
e2e_begin e2e_script "$1"
shooter=$2
script_file=$E2E_WORK/ZORVA.SCR

e2e_start_halted_shooter "$shooter"

# bottom_line SHOT: "top bottom left right" of the lowest line of text in the shot.
bottom_line() { e2e_text_lines "$1" | tail -n1; }
line_count() { e2e_text_lines "$1" | wc -l; }

# Playback without a file: one line of text appears.
e2e_keys "$game" ctrl+p
one_line() { [ "$(line_count "$(e2e_shot "$text" text-no-file)")" = 1 ]; }
e2e_wait_until "the message about the missing script file" one_line
read -r _ _ left right <<<"$(bottom_line "$E2E_SHOTS/text-no-file.png")"
no_file_width=$(( right - left + 1 ))
e2e_log "missing-file message: $no_file_width pixels wide"

# Recording: the window's state before each input is the same (halted), so the file must
# hold exactly the four events, in order.
e2e_keys "$game" ctrl+r
e2e_keys "$game" a comma
e2e_click_logical "$game" 50 100
e2e_keys "$game" space
e2e_keys "$game" ctrl+r
expected=$'ZORVA_KBD(97);\nZORVA_KBD(44);\nZORVA_MOUSE(50, 100);\nZORVA_KBD(32);'
recorded() { [ -f "$script_file" ] && [ "$(cat "$script_file")" = "$expected" ]; }
e2e_wait_until "ZORVA.SCR to hold the four recorded events (the file is kept with the shots)" recorded
e2e_log "ZORVA.SCR holds the four recorded lines"
e2e_wait_until "the window to settle after recording" e2e_is_still "$game" recorded
bullets_before=$(e2e_bullet_pixels "$E2E_SHOTS/recorded-b.png")

# Ctrl+O plays one event ("a"): one pass, so the pair in flight rises by one step of 20.
bullet_top() {
  convert "$1" -alpha off -crop "${E2E_WIDTH}x$(( E2E_ORIGIN_Y + 220 ))+0+0" +repage \
    -fill black +opaque "#00FF00" -fill white -opaque "#00FF00" \
    -bordercolor black -border 1 -format '%@' info: | awk -F'[x+]' '{ print $4 - 1 }'
}
top_before=$(bullet_top "$E2E_SHOTS/recorded-b.png")
e2e_keys "$game" ctrl+o
one_pass() { ! e2e_same_image "$E2E_SHOTS/recorded-b.png" "$(e2e_shot "$game" played-one)"; }
e2e_wait_until "Ctrl+O to play one event" one_pass
e2e_wait_until "the game to settle after Ctrl+O" e2e_is_still "$game" played-one
top_after=$(bullet_top "$E2E_SHOTS/played-one-b.png")
e2e_log "Ctrl+O: the shot rose from row $top_before to row $top_after"
[ "$top_after" -eq $(( top_before - 20 )) ] || e2e_fail "Ctrl+O did not run exactly one pass"
[ "$(line_count "$(e2e_shot "$text" text-after-play-one)")" = 1 ] ||
  e2e_fail "Ctrl+O wrote to the text window"

# Playback: the three events left run three passes; the recorded space fires a second pair.
e2e_keys "$game" ctrl+p
eof_shown() { [ "$(line_count "$(e2e_shot "$text" text-after-playback)")" = 2 ]; }
e2e_wait_until "the end-of-file message after playback" eof_shown
e2e_wait_until "the game to settle after playback" e2e_is_still "$game" played
bullets_after=$(e2e_bullet_pixels "$E2E_SHOTS/played-b.png")
e2e_log "bullet pixels: $bullets_before before playback, $bullets_after after"
[ "$bullets_after" -eq $(( 2 * bullets_before )) ] && [ "$bullets_before" -gt 0 ] ||
  e2e_fail "playback did not fire the recorded shot"
[ "$(cat "$script_file")" = "$expected" ] || e2e_fail "playback changed ZORVA.SCR"

# The messages are told apart by their length in the fixed-pitch font:
# "Cannot open script file ZORVA.SCR for reading" has 45 characters,
# "EOF encountered in script file ZORVA.SCR" has 40.
read -r _ _ left right <<<"$(bottom_line "$E2E_SHOTS/text-after-playback.png")"
eof_width=$(( right - left + 1 ))
e2e_log "end-of-file message: $eof_width pixels wide"
expected_eof_width=$(( no_file_width * 40 / 45 ))
delta=$(( eof_width - expected_eof_width ))
[ "${delta#-}" -le 3 ] ||
  e2e_fail "the last line is $eof_width pixels wide, not the $expected_eof_width of the end-of-file message"

e2e_keys "$game" ctrl+q
e2e_expect_exit "Ctrl+Q"
