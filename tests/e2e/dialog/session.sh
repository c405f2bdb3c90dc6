# Sourced by the properties dialog's end-to-end scripts, over the e2e library
# (tests/e2e/lib.sh): a private Xvfb at 96 dots per inch (15 twips per
# pixel) and the dialog's own runs, waits and pictures. The caller sets
# `program` (the orbweave binary) before sourcing and calls start_xvfb when it
# needs a screen (stop_xvfb takes it away).

readonly dialog_name='Orbweave Properties'
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

dialog_pid=
# One SIGTERM ends the dialog as Cancel does: an animation stops, modal
# windows close, nothing is stored.
stop_dialog() {
  stop_process "$dialog_pid"
  dialog_pid=
}
at_exit+=(stop_dialog)

# start_xvfb: the dialogs' screen. It must not reset when its last client
# leaves, since one dialog run follows another. The dialog shows its windows
# through Qt's X11 platform, the display layer through SDL's.
start_xvfb() {
  start_screen 1024x768x24 -dpi 96 -noreset
  export QT_QPA_PLATFORM=xcb SDL_VIDEODRIVER=x11
}

# start_dialog [arguments...]: orbweave in the background ("/C" unless told).
start_dialog() {
  "$program" "${@:-/C}" >"$work/out.log" 2>"$work/err.log" &
  dialog_pid=$!
}
running() { [ -n "$dialog_pid" ] && kill -0 "$dialog_pid" 2>/dev/null; }

# dialog_id: the id of the dialog's window; empty when none is open.
dialog_id() { xwininfo -root -tree | awk -v name="\"$dialog_name\":" 'index($0, name) { print $1; exit }'; }
dialog_shown() { [ "$(windows "$dialog_name")" -gt 0 ] || ! running; }
# wait_dialog: true once the running program shows its dialog.
wait_dialog() { until_true dialog_shown && running && [ "$(windows "$dialog_name")" -gt 0 ]; }

# The welcome window a new user meets before the dialog on the first "/C".
readonly welcome_name='Welcome to Orbweave 5.0g.'
welcome_shown() { [ -n "$(window_id "$welcome_name")" ] || ! running; }
# dismiss_welcome: waits for the welcome window of a fresh user and closes it
# with Return (its OK button).
dismiss_welcome() {
  until_true welcome_shown && running || return 1
  local id; id=$(window_id "$welcome_name")
  timeout $guard xdotool windowfocus --sync "$id" && xdotool key Return
}

# focus_dialog: gives the dialog the keyboard focus (no window manager is
# needed for that), so that xdotool's keys reach it.
focus_dialog() {
  local id; id=$(dialog_id)
  [ -n "$id" ] && timeout $guard xdotool windowfocus --sync "$id"
}

# wait_end: true when the program ends with status 0 and said nothing on
# standard error. A program that does not end is stopped, so that the next
# run starts alone.
wait_end() {
  until_true eval '! running' || { stop_dialog; return 1; }
  wait "$dialog_pid"; local status=$?
  dialog_pid=
  [ "$status" -eq 0 ] || { echo "exit status $status"; cat "$work/err.log"; return 1; }
  quiet "the dialog run"
}

# settled_shot <png>: a picture of the dialog's window once it has stopped
# changing (two grabs in a row alike), so that no half-drawn frame is saved.
settled_shot() {
  local id; id=$(dialog_id)
  [ -n "$id" ] || return 1
  import -window "$id" "$work/shot-a.png" || return 1
  local end=$(($(now_ms) + guard * 1000))
  while [ "$(now_ms)" -lt "$end" ]; do
    import -window "$id" "$work/shot-b.png" || return 1
    if compare -metric AE "$work/shot-a.png" "$work/shot-b.png" null: 2>/dev/null; then
      mv "$work/shot-b.png" "$1"
      return 0
    fi
    mv "$work/shot-b.png" "$work/shot-a.png"
  done
  return 1
}
