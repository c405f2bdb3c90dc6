# Sourced by every end-to-end script: the clock and the one wait they share,
# a work folder with fresh settings folders, a private Xvfb screen, window
# look-ups by name, and the failure count.
#
# Scripts wait for a state (a window, a picture, a line, the end of a
# process), never for a time; the guard only keeps a hung run from hanging
# the test. A script that starts processes of its own adds a function that
# stops them to `at_exit`; they run before the screen goes.

# Seconds before a wait gives up: far beyond any run, however loaded the machine.
readonly guard=60

now_ms() { date +%s%3N; }

# until_true <command...>: true once the command holds, false after the guard.
until_true() {
  local end=$(($(now_ms) + guard * 1000))
  until "$@"; do
    [ "$(now_ms)" -lt "$end" ] || return 1
    sleep 0.05
  done
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

work=$(mktemp -d)
xvfb_pid=
at_exit=()

# stop_process <pid>: ends a process of ours (none when empty) and reaps it.
stop_process() {
  [ -n "$1" ] || return 0
  kill "$1" 2>/dev/null
  wait "$1" 2>/dev/null
  return 0
}
stop_xvfb() {
  stop_process "$xvfb_pid"
  xvfb_pid=
}
# display_lost <pid> <what>: takes the private X server away under the
# program <pid> (which the script's `running` tests), which must then end by
# itself with status 1; prints the status and its standard error
# ($work/err.log). The caller checks what that error says.
display_lost() {
  local status
  stop_xvfb
  until_true eval '! running' || { fail "$2: the program outlived its X server"; return 1; }
  wait "$1"; status=$?
  echo "$2: status $status after its X server died"; cat "$work/err.log"
  [ "$status" -eq 1 ] || fail "$2: exit status $status, not 1"
}
cleanup() {
  local step
  for step in "${at_exit[@]}"; do "$step"; done
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

# start_screen <width>x<height>x<depth> [Xvfb options...]: a screen of our
# own as DISPLAY. Xvfb picks a free display number and writes it to the
# pipe.
start_screen() {
  local geometry=$1; shift
  rm -f "$work/displayfd"
  mkfifo "$work/displayfd"
  Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp "$@" 3>"$work/displayfd" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  local display=
  read -r -t $guard display <"$work/displayfd" || true
  [ -n "$display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
  export DISPLAY=:$display
}

# window_names: the name of every window on the screen, one a line
# (xwininfo reads names stored as UTF-8, which xdotool cannot).
window_names() { xwininfo -root -tree | sed -n 's/^ *0x[0-9a-f]* "\(.*\)": .*/\1/p'; }
# windows <name>: how many windows have exactly this name.
windows() { window_names | grep -cxF "$1"; }
has_window() { [ "$(windows "$1")" -gt 0 ]; }
# window_id <name>: the id of the first window with exactly this name; empty when none.
window_id() { xwininfo -root -tree | awk -v name="\"$1\":" 'index($0, name) { print $1; exit }'; }

# quiet <what>: the program's standard error ($work/err.log) is empty.
quiet() {
  [ -s "$work/err.log" ] || return 0
  echo "$1 wrote on standard error:"; cat "$work/err.log"
  fail "$1 was not quiet"
}
