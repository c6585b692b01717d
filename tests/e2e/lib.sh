# Shared helpers for the end-to-end tests. Each test script sources this file, then calls
# e2e_begin: the test gets its own X server (and, on request, a window manager), runs the
# program under test in a scratch folder, drives it with xdotool like a person would and
# checks screenshots and files. Everything started here is stopped by an exit trap, also
# when a check fails. Screenshots stay in <build>/e2e-shots/<test>/ for a look afterwards.
#
# No step waits a fixed time for something to happen: every wait polls its condition and
# gives up after a generous timeout. The only fixed pause is the 300 ms between the two
# screenshots that tell whether a window is still.

set -euo pipefail

# The drawing window is 601 by 540 pixels with its frame, caption and menu bar, as on
# Windows; its SDL window shows the 19-pixel menu strip and the 595 by 496 client area below
# it (the window manager frames that). The logical origin is the client area's centre, in
# SDL window pixels:
E2E_WIDTH=595
E2E_STRIP=19
E2E_CLIENT_HEIGHT=496
E2E_ORIGIN_X=297
E2E_ORIGIN_Y=$(( E2E_STRIP + 248 ))
E2E_TIMEOUT=${E2E_TIMEOUT:-10}  # seconds any single wait may take before the test fails

E2E_NAME=
E2E_SHOTS=
E2E_WORK=
E2E_XVFB_PID=
E2E_WM_PID=
E2E_APP_PID=
E2E_APP_EXITED=0
E2E_STARTED_AT=

e2e_log() { printf '[%s] %s\n' "$E2E_NAME" "$*"; }

e2e_fail() {
  printf '[%s] FAIL: %s\n' "$E2E_NAME" "$*" >&2
  exit 1
}

# Milliseconds since the epoch.
e2e_now_ms() { date +%s%3N; }

# e2e_stop PID: asks a process the test started to end, and kills it if it has not ended
# after two seconds (a program stuck inside a system call may never see the request).
e2e_stop() {
  local pid=$1 waited=0
  kill "$pid" 2>/dev/null || return 0
  while kill -0 "$pid" 2>/dev/null && [ "$waited" -lt 40 ]; do
    sleep 0.05
    waited=$((waited + 1))
  done
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

# Stops what the test started, newest first, each by its own process id.
e2e_cleanup() {
  local status=$?
  set +e
  if [ -n "$E2E_APP_PID" ] && [ "$E2E_APP_EXITED" = 0 ]; then e2e_stop "$E2E_APP_PID"; fi
  [ -n "$E2E_WM_PID" ] && e2e_stop "$E2E_WM_PID"
  [ -n "$E2E_XVFB_PID" ] && e2e_stop "$E2E_XVFB_PID"
  if [ -n "$E2E_WORK" ] && [ -d "$E2E_WORK" ]; then
    # The script file, if any, is worth keeping next to the screenshots.
    [ -f "$E2E_WORK/ZORVA.SCR" ] && cp "$E2E_WORK/ZORVA.SCR" "$E2E_SHOTS/ZORVA.SCR"
    rm -rf "$E2E_WORK"
  fi
  local took=$(( $(e2e_now_ms) - E2E_STARTED_AT ))
  if [ "$status" -eq 0 ]; then
    printf '[%s] passed in %d ms; screenshots in %s\n' "$E2E_NAME" "$took" "$E2E_SHOTS"
  else
    printf '[%s] FAILED after %d ms; screenshots and program output in %s\n' \
      "$E2E_NAME" "$took" "$E2E_SHOTS" >&2
    if [ -s "$E2E_SHOTS/program.log" ]; then
      printf '[%s] the program said:\n' "$E2E_NAME" >&2
      tail -n 8 "$E2E_SHOTS/program.log" | sed 's/^/    /' >&2
    fi
  fi
  exit "$status"
}

# e2e_begin NAME SHOTS_ROOT [--wm]: checks the tools, makes the folders, starts the X server
# and, with --wm, the window manager (needed for activation, the close box and wmctrl).
e2e_begin() {
  E2E_NAME=$1
  E2E_SHOTS=$2/$1
  E2E_STARTED_AT=$(e2e_now_ms)
  local missing=() tool
  for tool in Xvfb xdotool import convert compare identify openbox wmctrl xwininfo xprop xclip; do
    command -v "$tool" >/dev/null || missing+=("$tool")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "[$E2E_NAME] missing tools: ${missing[*]} (scripts/install-deps.sh installs them)" >&2
    exit 1
  fi
  rm -rf "$E2E_SHOTS"
  mkdir -p "$E2E_SHOTS"
  E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/zorva-e2e-$1.XXXXXX")
  trap e2e_cleanup EXIT
  trap 'exit 130' INT TERM
  # The programs must use the real SDL backend on our X server, nothing else.
  unset ZORVA_BACKEND WAYLAND_DISPLAY SDL_VIDEODRIVER
  e2e_start_xvfb
  if [ "${3:-}" = "--wm" ]; then e2e_start_wm; fi
}

# Starts Xvfb on a display number it picks itself (-displayfd), so tests and other X servers
# on the machine never collide. -noreset: an X server resets when its last client leaves and
# refuses connections meanwhile, so a program started just after the previous one ended
# would find no display.
# A server that does not answer a client (another server starting at the same moment can
# take its display) is replaced, up to three times.
e2e_start_xvfb() {
  local number_file=$E2E_WORK/display attempt
  for attempt in 1 2 3; do
    : >"$number_file"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$number_file" \
      >>"$E2E_SHOTS/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    e2e_wait_until "the X server to start" test -s "$number_file"
    export DISPLAY=":$(head -n1 "$number_file")"
    if e2e_x_answers; then
      e2e_log "X server on $DISPLAY"
      return 0
    fi
    e2e_log "the X server on $DISPLAY does not answer; starting another"
    kill "$E2E_XVFB_PID" 2>/dev/null || true
    wait "$E2E_XVFB_PID" 2>/dev/null || true
  done
  e2e_fail "no X server that answers (see xvfb.log)"
}

# True once a client can talk to the server on $DISPLAY (polled for up to 5 seconds).
e2e_x_answers() {
  local tries
  for tries in $(seq 1 100); do
    kill -0 "$E2E_XVFB_PID" 2>/dev/null || return 1
    timeout 2 xwininfo -root >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  return 1
}

# Openbox runs its --startup command once it has taken over the screen and handles requests;
# a window shown earlier can have its map request lost and its program wait forever.
e2e_start_wm() {
  local ready=$E2E_WORK/wm-ready
  openbox --sm-disable --startup "touch $ready" >"$E2E_SHOTS/openbox.log" 2>&1 &
  E2E_WM_PID=$!
  e2e_wait_until "the window manager to start" test -e "$ready"
  e2e_wait_until "the window manager to take the screen" wmctrl -m
}

# e2e_wait_until DESCRIPTION COMMAND...: runs COMMAND until it succeeds; fails the test after
# E2E_TIMEOUT seconds.
e2e_wait_until() {
  local what=$1; shift
  local deadline=$(( $(e2e_now_ms) + E2E_TIMEOUT * 1000 ))
  until "$@" >/dev/null 2>&1; do
    e2e_expect_alive "$what"
    if [ "$(e2e_now_ms)" -gt "$deadline" ]; then
      e2e_fail "timed out after ${E2E_TIMEOUT}s waiting for $what"
    fi
    sleep 0.05
  done
}

# e2e_start_program PROGRAM [ARGS...]: runs it in the scratch folder (where it writes
# ZORVA.SCR), its output kept in program.log.
e2e_start_program() {
  (cd "$E2E_WORK" && exec "$@") >"$E2E_SHOTS/program.log" 2>&1 &
  E2E_APP_PID=$!
  E2E_APP_EXITED=0
}

# e2e_find_window TITLE: prints the id of the window with exactly that title, waiting for it.
e2e_find_window() {
  local title=$1 id=
  local deadline=$(( $(e2e_now_ms) + E2E_TIMEOUT * 1000 ))
  while :; do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && break
    if ! e2e_program_running; then
      e2e_fail "the program exited before its window \"$title\" appeared"
    fi
    if [ "$(e2e_now_ms)" -gt "$deadline" ]; then
      e2e_fail "no window \"$title\" after ${E2E_TIMEOUT}s"
    fi
    sleep 0.05
  done
  echo "$id"
}

e2e_window_gone() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

e2e_program_running() { [ -n "$E2E_APP_PID" ] && kill -0 "$E2E_APP_PID" 2>/dev/null; }

# e2e_expect_alive DOING: fails at once, with the exit status, if the program has ended.
e2e_expect_alive() {
  if [ -n "$E2E_APP_PID" ] && [ "$E2E_APP_EXITED" = 0 ] && ! e2e_program_running; then
    local status=0
    wait "$E2E_APP_PID" || status=$?
    E2E_APP_EXITED=1
    e2e_fail "the program ended (status $status) before $1"
  fi
}

# e2e_expect_exit DESCRIPTION: waits for the program to end, fails unless its status is 0,
# and logs how long the exit took.
e2e_expect_exit() {
  local what=$1 begun
  begun=$(e2e_now_ms)
  local deadline=$(( begun + E2E_TIMEOUT * 1000 ))
  while e2e_program_running; do
    if [ "$(e2e_now_ms)" -gt "$deadline" ]; then
      e2e_fail "the program was still running ${E2E_TIMEOUT}s after $what"
    fi
    sleep 0.01
  done
  local took=$(( $(e2e_now_ms) - begun )) status=0
  wait "$E2E_APP_PID" || status=$?
  E2E_APP_EXITED=1
  e2e_log "exited with status $status ${took} ms after $what"
  [ "$status" -eq 0 ] || e2e_fail "exit status $status after $what (see program.log)"
  [ "$took" -le 1000 ] || e2e_log "note: the exit took longer than a second"
}

# e2e_x COMMAND...: runs an X client that must not hang the test: after 5 seconds it is
# stopped and the test fails, naming the command.
e2e_x() {
  local status=0
  timeout 5 "$@" || status=$?
  [ "$status" -ne 124 ] || e2e_fail "no answer within 5s from: $*"
  return "$status"
}

# Input. Focus goes to a window through the window manager when one runs, else directly.
e2e_focus() {
  if [ -n "$E2E_WM_PID" ]; then
    e2e_x xdotool windowactivate --sync "$1" >/dev/null 2>&1 || e2e_x xdotool windowfocus --sync "$1"
  else
    e2e_x xdotool windowfocus --sync "$1"
  fi
}

# e2e_keys WINDOW KEY...: focuses the window and presses the keys (xdotool names: ctrl+h,
# comma, period, space, Return).
e2e_keys() {
  local window=$1; shift
  e2e_expect_alive "the keys $*"
  e2e_focus "$window"
  e2e_x xdotool key --delay 30 "$@"
}

# e2e_click WINDOW X Y: a left click at window pixel (X, Y).
e2e_click() {
  e2e_expect_alive "a click at ($2, $3)"
  e2e_x xdotool mousemove --window "$1" "$2" "$3" click 1
}

# e2e_click_close_box WINDOW: clicks the close button that the window manager draws at the
# right end of the window's title bar.
e2e_click_close_box() {
  local x y width left right top bottom
  read -r x y width < <(xwininfo -id "$1" | awk '
    /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF } /Width:/ { w = $NF }
    END { print x, y, w }')
  read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | awk -F' = ' '{ gsub(",", ""); print $2 }')
  [ -n "$top" ] || e2e_fail "the window manager gives the window no frame"
  # openbox's close button: the rightmost, 12 pixels square, its centre 11 pixels in from
  # the frame's right edge and 10 down from its top.
  e2e_x xdotool mousemove $(( x + width + right - 11 )) $(( y - top + 10 )) click 1
}

# e2e_click_logical WINDOW X Y: a left click at the logical point (X, Y) of a drawing window.
e2e_click_logical() {
  e2e_click "$1" $(( E2E_ORIGIN_X + $2 )) $(( E2E_ORIGIN_Y - $3 ))
}

# Screenshots. e2e_shot WINDOW STEP: saves <shots>/<STEP>.png and prints its path.
e2e_shot() {
  local file=$E2E_SHOTS/$2.png
  e2e_x import -window "$1" "$file" 2>>"$E2E_SHOTS/import-errors.log"
  echo "$file"
}

# e2e_differing_pixels A B: how many pixels differ between two images of one size.
e2e_differing_pixels() {
  local out
  out=$(compare -metric AE "$1" "$2" null: 2>&1 || true)
  echo "${out%% *}"
}

e2e_same_image() { [ "$(e2e_differing_pixels "$1" "$2")" = 0 ]; }

# e2e_is_still WINDOW STEP: two screenshots 300 ms apart are equal.
e2e_is_still() {
  local a b
  a=$(e2e_shot "$1" "$2-a")
  sleep 0.3
  b=$(e2e_shot "$1" "$2-b")
  e2e_same_image "$a" "$b"
}

e2e_is_moving() { ! e2e_is_still "$@"; }

# e2e_count_color IMAGE GEOMETRY COLOR: pixels of exactly COLOR (#RRGGBB) inside the crop
# GEOMETRY (WxH+X+Y), read from the crop's colour histogram.
e2e_count_color() {
  convert "$1" -alpha off -crop "$2" +repage -depth 8 -format %c histogram:info:- |
    awk -v c="$3" '{ for (i = 2; i <= NF; i++) if (toupper($i) == toupper(c)) n += $1 + 0 }
                   END { print n + 0 }'
}

# e2e_count_other IMAGE GEOMETRY COLOR: pixels inside the crop that are NOT COLOR.
e2e_count_other() {
  convert "$1" -alpha off -crop "$2" +repage -depth 8 -format %c histogram:info:- |
    awk -v c="$3" '{ n += $1 + 0; for (i = 2; i <= NF; i++) if (toupper($i) == toupper(c)) n -= $1 + 0 }
                   END { print n + 0 }'
}

# e2e_ink_box IMAGE GEOMETRY BACKGROUND: "left top width height" of the smallest box holding
# every pixel of the crop that differs from BACKGROUND (relative to the crop), or "none".
e2e_ink_box() {
  if [ "$(e2e_count_other "$1" "$2" "$3")" = 0 ]; then
    echo none
    return
  fi
  convert "$1" -alpha off -crop "$2" +repage -bordercolor "$3" -border 1 -format '%@' info: |
    awk -F'[x+]' '{ print $3 - 1, $4 - 1, $1, $2 }'
}

# The shooter. Its ship is a 13 by 31 pixel fuselage of "20% gray" (#CCCCCC) rising from the
# logical height -220; stars, enemy struts and wings never fill eight neighbouring columns of
# that band. e2e_ship_x IMAGE prints the ship's logical x, or "none".
e2e_ship_x() {
  local band_top=$(( E2E_ORIGIN_Y + 220 - 35 ))
  convert "$1" -alpha off -crop "${E2E_WIDTH}x40+0+$band_top" +repage -depth 8 txt:- |
    awk -F'[,: ]+' -v origin="$E2E_ORIGIN_X" '
      NR > 1 && index($0, "#CCCCCC") { count[$1 + 0]++ }
      END {
        best = 0; run = 0
        for (x = 0; x <= 600; x++) {
          if (count[x] >= 15) { run++; if (run > best) { best = run; best_end = x } }
          else run = 0
        }
        if (best >= 8) print int(best_end - (best - 1) / 2) - origin; else print "none"
      }'
}

# e2e_start_halted_shooter SHOOTER: starts the game, waits until it animates and halts it
# with Ctrl+H, so that what follows sees a still picture. Sets game and text to the drawing
# and text windows' ids.
e2e_start_halted_shooter() {
  e2e_start_program "$1"
  game=$(e2e_find_window "ZORVA Graphics")
  text=$(e2e_find_window "ZORVA Text")
  e2e_focus "$game"
  e2e_wait_until "the game to animate" e2e_is_moving "$game" running
  e2e_keys "$game" ctrl+h
  e2e_wait_until "Ctrl+H to halt the game" e2e_is_still "$game" halted
}

# e2e_bullet_pixels IMAGE: pure green pixels (the bullets' core line) above the ship's base.
e2e_bullet_pixels() {
  e2e_count_color "$1" "${E2E_WIDTH}x$(( E2E_ORIGIN_Y + 220 ))+0+0" "#00FF00"
}

# The text window: black lines on white, the newest at the bottom. e2e_text_lines IMAGE
# prints one "top bottom left right" line (window pixels, inclusive) for each run of rows
# holding ink in the bottom 120 rows and first 800 columns, top to bottom.
e2e_text_lines() {
  local height first
  height=$(identify -format '%h' "$1")
  first=$(( height > 120 ? height - 120 : 0 ))
  convert "$1" -alpha off -crop "800x120+0+$first" +repage -depth 8 txt:- |
    awk -F'[,: ]+' -v first="$first" '
      NR > 1 && !index($0, "#FFFFFF") {
        x = $1 + 0; y = $2 + first
        if (!(y in left) || x < left[y]) left[y] = x
        if (!(y in right) || x > right[y]) right[y] = x
      }
      END {
        open = 0
        for (y = first; y <= first + 120; y++) {
          if (y in left) {
            if (!open) { open = 1; top = y; l = left[y]; r = right[y] }
            if (left[y] < l) l = left[y]
            if (right[y] > r) r = right[y]
            bottom = y
          } else if (open) { print top, bottom, l, r; open = 0 }
        }
        if (open) print top, bottom, l, r
      }'
}
