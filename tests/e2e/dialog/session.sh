# Sourced by the properties dialog's end-to-end scripts: a private Xvfb at 96
# dots per inch (15 twips per pixel), fresh settings folders, and the waits
# and window look-ups the scripts share. The caller sets `program` (the
# orbweave binary) before sourcing and calls start_xvfb when it needs a
# screen (stop_xvfb takes it away). Waits are for events (a window, the end
# of a process); the guard only keeps a hung run from hanging the test.

readonly dialog_name='Orbweave Properties'
source "$(dirname "${BASH_SOURCE[0]}")/../waits.sh"

work=$(mktemp -d)
xvfb_pid= dialog_pid=
# One SIGTERM ends the dialog as Cancel does: an animation stops, modal
# windows close, nothing is stored.
stop_dialog() {
  [ -n "$dialog_pid" ] || return 0
  kill "$dialog_pid" 2>/dev/null
  wait "$dialog_pid" 2>/dev/null
  dialog_pid=
}
stop_xvfb() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=
}
cleanup() {
  stop_dialog
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT

export XDG_CONFIG_HOME=$work/config XDG_CONFIG_DIRS=$work/machine XDG_DATA_HOME=$work/data
unset XDG_RUNTIME_DIR
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# need <command...>: exit 77 (skipped) when one of them is missing.
need() {
  local cmd
  for cmd in "$@"; do
    command -v "$cmd" >/dev/null || { echo "skipped: $cmd is missing"; exit 77; }
  done
}

# start_xvfb: a screen of our own; Xvfb picks a free display number and
# writes it to the pipe. It must not reset when its last client leaves,
# since one dialog run follows another.
start_xvfb() {
  mkfifo "$work/displayfd"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset 3>"$work/displayfd" \
    >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  local display=
  read -r -t $guard display <"$work/displayfd" || true
  [ -n "$display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
  # The dialog shows its windows through Qt's X11 platform, the display
  # layer through SDL's.
  export DISPLAY=:$display QT_QPA_PLATFORM=xcb SDL_VIDEODRIVER=x11
}


# press_until <state command> <action...>: does the action until the state
# holds, false after the guard. A window that is still locked (an animation
# winding down) drops a click or key, so the action is repeated; each try
# gives the state half a second to arrive before the next one.
press_until() {
  local state=$1; shift
  local end=$(($(now_ms) + guard * 1000)) tries
  until $state; do
    [ "$(now_ms)" -lt "$end" ] || return 1
    "$@"
    for tries in 1 2 3 4 5 6 7 8 9 10; do
      $state && return 0
      sleep 0.05
    done
  done
}

# start_dialog [arguments...]: orbweave in the background ("/C" unless told).
start_dialog() {
  "$program" "${@:-/C}" >"$work/out.log" 2>"$work/err.log" &
  dialog_pid=$!
}
running() { [ -n "$dialog_pid" ] && kill -0 "$dialog_pid" 2>/dev/null; }

# window_names: the name of every window on the screen, one a line
# (xwininfo reads names stored as UTF-8, which xdotool cannot).
window_names() { xwininfo -root -tree | sed -n 's/^ *0x[0-9a-f]* "\(.*\)": .*/\1/p'; }
# windows <name>: how many windows have exactly this name.
windows() { window_names | grep -cxF "$1"; }
# dialog_id: the id of the dialog's window; empty when none is open.
dialog_id() { xwininfo -root -tree | awk -v name="\"$dialog_name\":" 'index($0, name) { print $1; exit }'; }
dialog_shown() { [ "$(windows "$dialog_name")" -gt 0 ] || ! running; }
# wait_dialog: true once the running program shows its dialog.
wait_dialog() { until_true dialog_shown && running && [ "$(windows "$dialog_name")" -gt 0 ]; }

# The welcome window a new user meets before the dialog on the first "/C".
readonly welcome_name='Welcome to Orbweave 5.0g.'
# window_id <name>: the id of the first window with exactly this name; empty when none.
window_id() { xwininfo -root -tree | awk -v name="\"$1\":" 'index($0, name) { print $1; exit }'; }
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

# quiet <what>: standard error is empty.
quiet() {
  [ -s "$work/err.log" ] || return 0
  echo "$1 wrote on standard error:"; cat "$work/err.log"
  fail "$1 was not quiet"
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
