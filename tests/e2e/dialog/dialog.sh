#!/usr/bin/env bash
# "orbweave /C", the properties dialog, on its own Xvfb screen with fresh
# settings folders.
#   dialog.sh <case> <orbweave> <settings-tool> <shot folder>
# Cases:
#   launch      "/C" shows exactly one window named "Orbweave Properties"; a
#               second "/C" raises it and ends with status 0, leaving one
#               window; Escape closes the dialog with status 0
#   no-display  without any display "/C" ends with status 1 and says why;
#               with an X display but Qt's headless platform it ends with
#               status 1 too, saying the dialog cannot be shown
#   accept      typed values reach the store on Alt+A ("&Accept Settings")
#               and not on Escape (Tab counts follow the dialog's tab order,
#               see below); "/S" then lights far fewer pixels with 500 stars
#               in 2 galaxies than with the factory universe
#   burst       two "/C" started in the same instant give one dialog: the
#               other ends with status 0, quietly; three rounds
# Every run starts without XDG_RUNTIME_DIR and must leave standard error
# empty. Exit 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail
case_name=$1 program=$2 settings_tool=$3 shots=$4
source "$(dirname "$0")/session.sh"
setting() { "$settings_tool" "$@"; }

# The dialog's tab order, counted from the control that has the focus when
# the window opens: the universe star count txtUni(0) comes first in the
# left column, then the galaxy count txtUni(1) (spin controls take no focus). Change
# these two counts when that order changes.
readonly tabs_to_stars=0
readonly tabs_from_stars_to_galaxies=1

# type_into_box <text>: replaces the focused box's whole text. Home, End and
# the shifted arrows are not characters, so the boxes' key filters let them
# pass.
type_into_box() {
  xdotool key End shift+Home
  xdotool type --delay 20 "$1"
}

# lit_pixels <name>: runs "/S" on the current settings until its 60th frame
# (as its own trace counts them), saves a picture of the screen and prints
# how many of its pixels are brighter than two fifths (the stars, not their
# fading trails, whose spread depends on the frame times); SIGTERM then ends
# the saver.
saver_frames() { awk '{ n = $1 } END { print n + 0 }' "$work/trace"; }
saver_at_frame() { [ "$(saver_frames)" -ge 60 ] || ! kill -0 "$1" 2>/dev/null; }
lit_pixels() {
  : >"$work/trace"
  ORBWEAVE_TRACE=$work/trace "$program" /S >/dev/null 2>"$work/saver.err" &
  local pid=$!
  until_true saver_at_frame $pid && kill -0 $pid 2>/dev/null &&
    import -window root "$shots/$1.png" &&
    convert "$shots/$1.png" -colorspace gray -threshold 40% -format '%[fx:round(mean*w*h)]' info:
  kill $pid 2>/dev/null
  wait $pid 2>/dev/null
}

# tab <count>: moves the focus forward along the tab order.
tab() { [ "$1" -gt 0 ] && xdotool key --repeat "$1" --delay 20 Tab; return 0; }

if [ "$case_name" = no-display ]; then
  # What a user sees: no display, no backend chosen for Qt or SDL.
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u SDL_VIDEODRIVER timeout $guard "$program" /C \
    >"$work/out.log" 2>"$work/err.log"
  status=$?
  echo "without a display: status $status"; cat "$work/err.log"
  [ "$status" -eq 1 ] || fail "without a display: exit status $status, not 1"
  grep -q '^Orbweave: X Display Not Found' "$work/err.log" || fail "without a display: no message"
  # An X display, but Qt asked for its headless platform: the dialog would
  # run unseen and could never be closed.
  need Xvfb xwininfo
  start_xvfb
  QT_QPA_PLATFORM=offscreen timeout $guard "$program" /C >"$work/out.log" 2>"$work/err.log"
  status=$?
  echo "on Qt's headless platform: status $status"; cat "$work/err.log"
  [ "$status" -eq 1 ] || fail "on the headless platform: exit status $status, not 1"
  expected='Orbweave: The properties dialog cannot be shown without an X display.  Please start Orbweave inside an X11 session, with DISPLAY naming the X server.'
  [ "$(cat "$work/err.log")" = "$expected" ] || fail "on the headless platform: standard error is not the one message"
  [ "$(windows "$dialog_name")" -eq 0 ] || fail "a dialog window was made"
  [ $failures -eq 0 ] && echo "$case_name: passed"
  exit $((failures > 0))
fi

need Xvfb xdotool xwininfo import compare
start_xvfb
mkdir -p "$shots"

case $case_name in
launch)
  start_dialog /C
  dismiss_welcome || fail "no welcome window on the first opening"
  wait_dialog || fail "no dialog window"
  echo "windows on the screen:"; window_names | sed 's/^/  /'
  [ "$(windows "$dialog_name")" -eq 1 ] || fail "not exactly one window named '$dialog_name'"
  # Qt would append an application display name to the window's name.
  [ "$(window_names | grep -cF "$dialog_name")" -eq 1 ] || fail "another window has the dialog's name in its own"
  settled_shot "$shots/launch.png" || fail "no picture of the dialog"
  begun=$(now_ms)
  timeout $guard "$program" /C >"$work/second.log" 2>&1
  status=$?
  echo "the second /C ended after $(($(now_ms) - begun)) ms with status $status"
  [ "$status" -eq 0 ] || fail "second /C: exit status $status"
  [ -s "$work/second.log" ] && { cat "$work/second.log"; fail "the second /C was not quiet"; }
  [ "$(windows "$dialog_name")" -eq 1 ] || fail "not one dialog window after the second /C"
  running || fail "the first dialog ended"
  focus_dialog || fail "the dialog took no focus"
  xdotool key Escape
  wait_end || fail "Escape did not close the dialog"
  [ "$(windows "$dialog_name")" -eq 0 ] || fail "the dialog window stayed"
  ;;
accept)
  # A new user who cancels: nothing of the universe is stored. A first
  # opening shows the welcome window before the dialog.
  start_dialog /C
  dismiss_welcome || fail "no welcome window on the first opening"
  wait_dialog && focus_dialog || fail "no dialog to focus"
  xdotool key Escape
  wait_end || fail "Escape did not close the dialog"
  stars=$(setting get Universe Universe_Stars)
  [ "$stars" = "<missing>" ] || fail "Escape stored Universe_Stars '$stars'"
  # Typed values, accepted with Alt+A.
  start_dialog /C
  wait_dialog && focus_dialog || fail "no dialog to focus"
  tab $tabs_to_stars
  type_into_box 500
  tab $tabs_from_stars_to_galaxies
  type_into_box 2
  settled_shot "$shots/accept-typed.png" || fail "no picture of the typed values"
  xdotool key alt+a
  wait_end || fail "Alt+A did not close the dialog"
  for expected in 'Universe Universe_Stars 500' 'Universe Universe_Galaxy 2' 'General AnimationType 0'; do
    read -r section name value <<<"$expected"
    got=$(setting get "$section" "$name")
    [ "$got" = "$value" ] || fail "$section\\$name is '$got', not '$value'"
  done
  # Typed and cancelled: the accepted values stay.
  start_dialog /C
  wait_dialog && focus_dialog || fail "no dialog to focus"
  tab $tabs_to_stars
  type_into_box 900
  xdotool key Escape
  wait_end || fail "Escape did not close the dialog"
  stars=$(setting get Universe Universe_Stars)
  [ "$stars" = 500 ] || fail "after Escape Universe_Stars is '$stars', not 500"
  # The same seeded universe run from these settings and from the factory
  # settings (a fresh user who accepts the dialog untouched).
  typed_lit=$(lit_pixels typed)
  export XDG_CONFIG_HOME=$work/factory-config
  start_dialog /C
  dismiss_welcome || fail "no welcome window for the factory user"
  wait_dialog && focus_dialog || fail "no dialog to focus"
  xdotool key alt+a
  wait_end || fail "Alt+A did not close the untouched dialog"
  factory_lit=$(lit_pixels factory)
  echo "lit pixels: typed $typed_lit, factory $factory_lit"
  [ "${typed_lit:-0}" -gt 0 ] && [ "$((typed_lit * 4))" -lt "${factory_lit:-0}" ] ||
    fail "500 stars in 2 galaxies lit $typed_lit pixels, the factory universe $factory_lit"
  ;;
burst)
  # A user past the first opening, so that no welcome window comes first.
  setting set General ResetSettings 1
  starts=()
  stop_starts() { local pid; for pid in "${starts[@]}"; do kill -KILL "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done; }
  at_exit+=(stop_starts)
  alive() { kill -0 "$1" 2>/dev/null; }
  one_left() { ! { alive "${starts[0]}" && alive "${starts[1]}"; } && [ "$(windows "$dialog_name")" -gt 0 ]; }
  for round in 1 2 3; do
    starts=()
    for i in 0 1; do
      "$program" /C >/dev/null 2>"$work/start-$i.log" &
      starts+=($!)
    done
    until_true one_left || fail "round $round: both still run, or no dialog"
    [ "$(windows "$dialog_name")" -eq 1 ] || fail "round $round: $(windows "$dialog_name") dialog windows"
    # The one that ended lost; the other is the dialog.
    loser=0; alive "${starts[0]}" && loser=1
    wait "${starts[$loser]}"; status=$?
    [ "$status" -eq 0 ] || fail "round $round: the second /C ended with status $status"
    [ -s "$work/start-$loser.log" ] && { cat "$work/start-$loser.log"; fail "round $round: the second /C was not quiet"; }
    dialog_pid=${starts[$((1 - loser))]}
    ln -sf "$work/start-$((1 - loser)).log" "$work/err.log"
    focus_dialog || fail "round $round: the dialog took no focus"
    xdotool key Escape
    wait_end || fail "round $round: Escape did not close the dialog"
  done
  ;;
*)
  echo "unknown case $case_name"; exit 2 ;;
esac

[ $failures -eq 0 ] && echo "$case_name: passed"
exit $((failures > 0))
