#!/usr/bin/env bash
# How "orbweave /C" ends when nobody clicks: a signal, or the X server going.
#   ending.sh <case> <orbweave> <settings-tool> <shot folder>
# Cases:
#   signals       one SIGTERM ends the dialog with status 0 and stores nothing
#                 of its controls: with the welcome window open over it, idle
#                 with a typed value, during "Preview Universe", and with the
#                 About box and its credits open (two modal windows, each
#                 with an animation); SIGHUP and SIGINT the same when idle
#   display-gone  the X server dies under the dialog: the program ends with
#                 status 1 and Qt's or its own notice, no crash, and the store
#                 is as it was
# Waits are for states (a window, a traced frame, the end of the process);
# the time from the signal to the end is printed, not judged. Exit 77
# (skipped) when Xvfb, xdotool or xwininfo is missing.
set -uo pipefail
case_name=$1 program=$2 settings_tool=$3
source "$(dirname "$0")/session.sh"
setting() { "$settings_tool" "$@"; }

# Tab presses from the star count, which has the focus when the dialog
# opens, to "Preview Universe" (as in preview.sh).
readonly tabs_to_preview_universe=32
readonly about_name='About Orbweave' credits_name='Credits'
export ORBWEAVE_TRACE=$work/trace

need Xvfb xdotool xwininfo
start_xvfb

# A job started in the background has SIGINT ignored; "--default-signal=INT"
# gives it back, as a terminal would.
start_dialog() {
  env --default-signal=INT "$program" "${@:-/C}" >"$work/out.log" 2>"$work/err.log" &
  dialog_pid=$!
}

# A user with settings: no welcome window, and a star count to keep.
readonly kept_stars=12345
user_with_settings() {
  setting set General ResetSettings 1
  setting set General AnimationType 0
  setting set Universe Universe_Stars $kept_stars
}
stars_kept() {
  local stars; stars=$(setting get Universe Universe_Stars)
  [ "$stars" = "$1" ] || fail "$2: Universe_Stars is '$stars', not '$1'"
}

# open_idle: the dialog of a user with settings, focused, a value typed into
# its star count (which is not to be stored).
open_idle() {
  : >"$ORBWEAVE_TRACE"
  start_dialog /C
  wait_dialog && focus_dialog || { fail "no dialog to focus"; return 1; }
  xdotool key End shift+Home
  xdotool type --delay 20 777
}

# frames: the animation frames the dialog has traced so far.
frames() { awk '{ n = $1 } END { print n + 0 }' "$ORBWEAVE_TRACE"; }
frames_from() { [ "$(frames)" -ge "$1" ] || ! running; }
# start_preview: "Preview Universe", until it has drawn a few frames.
start_preview() {
  xdotool key --repeat $tabs_to_preview_universe --delay 20 Tab
  xdotool key space
  until_true frames_from 5 && running
}
window_shown() { [ "$(windows "$1")" -gt 0 ] || ! running; }
wait_window() { until_true window_shown "$1" && running; }

# end_by <signal> <what>: sends one signal and waits for the status-0 end.
end_by() {
  local begun; begun=$(now_ms)
  kill -s "$1" "$dialog_pid"
  if wait_end; then
    echo "$2: SIG$1 ended the dialog in $(($(now_ms) - begun)) ms"
  else
    fail "$2: one SIG$1 did not end the dialog with status 0"
  fi
  [ "$(windows "$dialog_name")" -eq 0 ] || fail "$2: the dialog window stayed"
}

case $case_name in
signals)
  # A new user: the welcome window is modal over the loading dialog.
  start_dialog /C
  until_true welcome_shown && running || fail "no welcome window"
  end_by TERM "welcome window"
  for name in 'Universe Universe_Stars' 'General AnimationType'; do
    [ "$(setting get $name)" = "<missing>" ] || fail "the welcome window's end stored $name"
  done

  user_with_settings
  for signal in TERM HUP INT; do
    open_idle && end_by $signal idle
    stars_kept $kept_stars "idle, SIG$signal"
  done

  open_idle && start_preview || fail "no preview frames"
  end_by TERM "Preview Universe"
  stars_kept $kept_stars "Preview Universe"

  open_idle
  xdotool key alt+h a
  wait_window "$about_name" || fail "no About box"
  xdotool windowfocus --sync "$(window_id "$about_name")" key alt+c
  wait_window "$credits_name" || fail "no credits window"
  end_by TERM "About box and credits"
  stars_kept $kept_stars "About box and credits"
  ;;
display-gone)
  user_with_settings
  open_idle
  display_lost "$dialog_pid" dialog
  dialog_pid=
  grep -qvE '^(The X11 connection broke|Orbweave: The connection to the X display was lost\.)' "$work/err.log" &&
    fail "more than the notice on standard error"
  stars_kept $kept_stars "after the X server died"
  ;;
*)
  echo "unknown case $case_name"; exit 2 ;;
esac

[ $failures -eq 0 ] && echo "$case_name: passed"
exit $((failures > 0))
