#!/usr/bin/env bash
# The orbweave program on its own Xvfb screen with fresh settings folders.
#   saver.sh <case> <orbweave> <helper folder> <shot folder>
# Cases:
#   fullscreen      "/S" draws galaxies, seeds the store, refuses a second
#                   saver, ends on a key and writes the performance report
#   windowed        "/S" with a custom resolution: a window over the desktop
#                   instead of a display mode, galaxies, ends on a key
#   mouse           "/S" ignores small jitter and ends on the fourth counted
#                   move, the counted moves sent in one burst
#   preview         "/P <id>" draws inside a host window and ends within a
#                   frame of the host's destruction
#   template        "<file>.owv" imports the template's values and runs the saver
#   signals-saver   SIGTERM, SIGHUP and SIGINT end "/S" the normal way (status
#                   0, report written); an ignored SIGINT stays ignored
#   signals-preview SIGTERM, SIGHUP and SIGINT end "/P <id>" with status 0
#   no-display      without an X display (none, an empty DISPLAY, one no
#                   server answers) every mode ("/S", "/P", "/C", "/A", a
#                   template) explains what is missing on standard error,
#                   answers its own question No and ends with status 1
#   video-refused   a display that answers but refuses SDL's video: "/S" says
#                   the display's services cannot start, with SDL's reason,
#                   not that the display is missing; status 1
#   display-gone    the X server dies under "/S" and under "/P <id>": the run
#                   ends with status 1 and a line on standard error, not a
#                   crash, and the store is whole
#   held-store      another program holds the store against readers too: "/S"
#                   draws on factory values, a key and SIGTERM end it within
#                   two frames, and the store keeps what it held
#   colour-depth    on a screen of fewer than 16 bits, where Qt paints no
#                   window: "/S" and "/C" write the colour-depth message on
#                   standard error and end with status 1, "/P <id>" ends
#                   silently with status 0; no window stays, nothing crashes
#   closed-stderr   started with standard error closed and a damaged store
#                   (whose notice goes to standard error): "/S" ends on a key,
#                   "/C" shows its window; with standard error a pipe whose
#                   reader has gone, "/S" draws and ends on a key, status 0
#   two-screens     "/S" for the second screen of a display draws there, not
#                   on the first; a second "/S" for it ends at once
#   burst           five "/S" started in the same instant give one saver, the
#                   other four end at once, quietly; one key ends the saver;
#                   five rounds
# Every run starts without XDG_RUNTIME_DIR and must leave standard error empty.
# Waits are for events (a window, a line of the program's trace, the end of a
# process); "within a frame" is checked against the frames the program counts
# itself (ORBWEAVE_TRACE). Wall-clock limits only guard against hangs.
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail
case_name=$1 program=$2 helpers=$3 shots=$4
readonly width=640 height=480
# The screen's depth (ORBWEAVE_E2E_DEPTH, 24 unless set): 16 gives 5-6-5
# surfaces, 24 the 32-bit ones, 30 a 32-bit work surface packed into 10-bit
# channels, 8 no picture at all.
readonly depth=${ORBWEAVE_E2E_DEPTH:-24}
readonly bpp=$([ "$depth" -eq 16 ] && echo 16 || echo 32)
readonly saver_name='Zarv:Orbweave 5.0g'
readonly preview_name='Zarv:Preview Orbweave 5.0g'
source "$(dirname "$(readlink -f "$0")")/../lib.sh"

saver_pid= host_pid= holder_pid=
stop_runs() { stop_process "$saver_pid"; stop_process "$host_pid"; stop_process "$holder_pid"; }
at_exit+=(stop_runs)

if [ "$case_name" = no-display ]; then
  expected=$(printf 'Orbweave: X Display Not Found\r\n\r\nIt appears that SDL2 cannot reach an X display on your system.  Please start Orbweave inside an X11 session, with DISPLAY naming the X server.\r\n\r\nURL:  https://www.libsdl.org/download-2.0.php\r\n\r\nWould you like to go to the site now?\nx')
  printf '\r\n[Universe]\r\nUniverse_Stars=12000\r\n' >"$work/Sample.owv"
  "$helpers/settings-tool" set Universe Universe_Stars 12345
  # What a user sees: no backend chosen for Qt or SDL. No X server answers
  # on display 4711 (Xvfb picks its numbers from 0 up).
  for display in unset empty :4711; do
    case $display in
    unset) display_env=(-u DISPLAY) ;;
    empty) display_env=(DISPLAY=) ;;
    *) display_env=(DISPLAY=$display) ;;
    esac
    for mode in /S '/P 1234' /C /A "$work/Sample.owv"; do
      # shellcheck disable=SC2086 # "/P 1234" is two arguments
      timeout $guard env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u SDL_VIDEODRIVER "${display_env[@]}" \
        "$program" $mode >"$work/out.log" 2>"$work/err.log"
      status=$?
      echo "DISPLAY $display, $mode: status $status"
      [ "$status" -eq 1 ] || fail "DISPLAY $display, $mode: exit status $status, not 1"
      [ "$(cat "$work/err.log"; echo x)" = "$expected" ] ||
        { cat "$work/err.log"; fail "DISPLAY $display, $mode: standard error is not the one message"; }
    done
  done
  stars=$("$helpers/settings-tool" get Universe Universe_Stars)
  [ "$stars" = 12345 ] || fail "the template was imported without a display: Universe_Stars is '$stars'"
  [ $failures -eq 0 ] && echo "$case_name: passed"
  exit $((failures > 0))
fi

need Xvfb xdotool xwininfo import convert
[ -e "$(dirname "$program")/libcorvane.so" ] || { echo "skipped: libcorvane.so is not built"; exit 77; }

# start_xvfb: the screen must not reset when its last client leaves: the
# pointer would go back to the middle of the screen.
start_xvfb() { start_screen ${width}x${height}x${depth} -noreset; }
start_xvfb
export SDL_VIDEODRIVER=x11 QT_QPA_PLATFORM=offscreen
export ORBWEAVE_TRACE=$work/trace
mkdir -p "$shots" "$work/run"
setting() { "$helpers/settings-tool" "$@"; }

# start [env options --] <arguments...>: the program in the run folder (where
# its report goes), with a fresh trace. A job started in the background has
# SIGINT ignored; "--default-signal=INT" gives it back.
start() {
  local options=()
  while [ $# -gt 0 ] && [ "$1" != -- ] && [ "${1#--}" != "$1" ]; do options+=("$1"); shift; done
  [ "${1:-}" = -- ] && shift
  : >"$ORBWEAVE_TRACE"
  (cd "$work/run" && exec env "${options[@]}" "$program" "$@") >"$work/out.log" 2>"$work/err.log" &
  saver_pid=$!
}

running() { [ -n "$saver_pid" ] && kill -0 "$saver_pid" 2>/dev/null; }

# start_unheard <arguments...>: the program with standard error closed, as
# launchers and session scripts start it.
start_unheard() {
  : >"$ORBWEAVE_TRACE"; : >"$work/err.log"
  (cd "$work/run" && exec "$program" "$@" 2>&-) >"$work/out.log" &
  saver_pid=$!
}

# start_unread <arguments...>: the program with standard error a pipe whose
# reader has gone, as when it was piped into a program that has ended. The
# subshell is the FIFO's only reader and lets go of it before the start.
start_unread() {
  : >"$ORBWEAVE_TRACE"; : >"$work/err.log"
  rm -f "$work/unread"; mkfifo "$work/unread"
  # shellcheck disable=SC2094 # the FIFO's two ends, opened on purpose
  (cd "$work/run" && exec {reader}<>"$work/unread" 2>"$work/unread" {reader}<&- && exec "$program" "$@") \
    >"$work/out.log" &
  saver_pid=$!
}

# damage_store: the user's store becomes a file SQLite cannot read.
damage_store() {
  mkdir -p "$XDG_CONFIG_HOME/orbweave"
  head -c 65536 /dev/zero >"$XDG_CONFIG_HOME/orbweave/registry.sqlite"
}

# end_hung: a run that did not end is killed, so that the next one starts alone.
end_hung() { running && kill -KILL "$saver_pid"; stop_process "$saver_pid"; saver_pid=; }


# frames: the frames the running program has counted so far.
frames() { awk '{ n = $1 } END { print n + 0 }' "$ORBWEAVE_TRACE"; }
frames_reached() { [ "$(frames)" -ge "$1" ] || ! running; }
# wait_frames <n>: true once the program has drawn n frames.
wait_frames() { until_true frames_reached "$1" && running; }
# traced <pattern>: the trace has a line matching the extended pattern.
traced() { grep -qE "$1" "$ORBWEAVE_TRACE"; }
traced_or_ended() { traced "$1" || ! running; }
wait_traced() { until_true traced_or_ended "$1" && traced "$1"; }
# stopped_frame: the frame in which the animation loop returned.
stopped_frame() { awk '$2 == "stopped" { print $1; exit }' "$ORBWEAVE_TRACE"; }

# wait_end: true when the program ends with status 0 and said nothing on
# standard error.
wait_end() {
  until_true eval '! running' || return 1
  wait "$saver_pid"; local status=$?
  saver_pid=
  [ "$status" -eq 0 ] || { echo "exit status $status"; cat "$work/err.log"; return 1; }
  quiet "the run"
}

# lit <shot> [geometry]: pixels brighter than black, and the hue classes
# (six sectors) that hold more than 20 coloured pixels, as "lit hues".
lit() {
  local shot=$1 crop=${2:-}
  local args=("$shot")
  [ -n "$crop" ] && args+=(-crop "$crop" +repage)
  convert "${args[@]}" -depth 8 -format %c histogram:info:- |
    sed -n 's/^ *\([0-9]*\): *(\([0-9.]*\), *\([0-9.]*\), *\([0-9.]*\).*/\1 \2 \3 \4/p' | awk '
    {
      n = $1 + 0; r = $2 + 0; g = $3 + 0; b = $4 + 0
      max = r; if (g > max) max = g; if (b > max) max = b
      min = r; if (g < min) min = g; if (b < min) min = b
      if (max < 24) next
      lit += n
      if (max - min < 0.25 * max) next
      if (max == r) h = (g - b) / (max - min); else if (max == g) h = 2 + (b - r) / (max - min); else h = 4 + (r - g) / (max - min)
      if (h < 0) h += 6
      hues[int(h) % 6] += n
    }
    END { k = 0; for (s in hues) if (hues[s] > 20) k++; print lit + 0, k }'
}

# shoot <name> [geometry]: a screenshot; prints and returns "lit hues".
shoot() {
  local shot=$shots/$case_name-$1.png
  import -window root "$shot"
  local result; result=$(lit "$shot" "${2:-}")
  echo "$shot: lit pixels and hue classes: $result" >&2
  echo "$result"
}

# galaxies <name> [geometry] [least lit]: true when a screenshot, taken up to
# three times 40 frames apart, has many lit pixels in several colours.
galaxies() {
  local result lit hues
  for attempt in 1 2 3; do
    result=$(shoot "$1-$attempt" "${2:-}"); read -r lit hues <<<"$result"
    [ "$lit" -ge "${3:-400}" ] && [ "$hues" -ge 2 ] && return 0
    wait_frames $(( $(frames) + 40 )) || return 1
  done
  return 1
}

# start_host: the stand-in for the control panel's preview box; sets host.
start_host() {
  "$helpers/host-window" 320 240 >"$work/host.log" 2>&1 &
  host_pid=$!
  until_true test -s "$work/host.log"
  host=$(head -1 "$work/host.log")
  [ -n "$host" ] || { echo "no host window"; exit 1; }
}

# hold_store <file>: another program (sqlite3) switches the store to a
# rollback journal and holds it in an exclusive transaction, which keeps
# readers out too, until release_store. Nothing else opens the store while
# the holder switches its journal (the switch needs the store alone and does
# not wait for it): the holder says when its statements are done, and only
# then is the lock checked.
store_locked() { ! sqlite3 -cmd '.timeout 0' "$1" 'SELECT count(*) FROM keys' >/dev/null 2>&1; }
hold_store() {
  mkfifo "$work/holder"
  sqlite3 "$1" <"$work/holder" >"$work/holder.log" 2>&1 &
  holder_pid=$!
  exec 5>"$work/holder"
  echo '.timeout 10000' >&5
  echo 'PRAGMA journal_mode=DELETE; BEGIN EXCLUSIVE; UPDATE key_values SET value = value;' >&5
  echo ".system touch $work/holding" >&5
  until_true test -e "$work/holding"
  store_locked "$1" || { cat "$work/holder.log"; return 1; }
}
release_store() { exec 5>&-; wait "$holder_pid"; holder_pid=; }

# A report needs a statistics line, which the renderer writes every 100 frames.
readonly report_frames=150

# check_report: the performance report is one block of seven lines.
check_report() {
  local log=$work/run/VelmorPerf.log
  [ -f "$log" ] || { fail "$1: no performance report"; return; }
  [ "$(wc -l <"$log")" -eq 7 ] || { cat "$log"; fail "$1: the report is not seven lines"; }
  [ "$(head -1 "$log" | tr -d '\r')" = "$(printf '%.0s-' $(seq 120))" ] || fail "$1: no rule line"
  grep -q $'^Orbweave 5.0g  5.0.0   \(Flip\|Blit\)  '"$bpp"$'-bpp   \(DXMode\|Custom\): 640\*480   .*Pixels: [0-9]*\r$' \
    "$log" || fail "$1: no header line"
  grep -q $'^   Total    :  .*100.00 %\r$' "$log" || fail "$1: no total line"
}

case $case_name in
fullscreen)
  setting set DirectX DX_WriteLog 1
  setting set DirectX DX_WinWidth $width
  setting set DirectX DX_WinHeight $height
  start /S
  until_true has_window "$saver_name" || fail "no saver window"
  wait_frames $report_frames || fail "the saver drew no frames"
  galaxies shown || fail "no galaxies on the screen"
  [ "$(setting get 'Universe\Galaxy0' _UniGalName)" != "<missing>" ] || fail "the store was not seeded"
  # A second saver ends at once while the first runs.
  timeout $guard "$program" /S 2>"$work/second.log"; status=$?
  [ "$status" -eq 0 ] || fail "second saver: exit status $status"
  [ -s "$work/second.log" ] && { cat "$work/second.log"; fail "the second saver was not quiet"; }
  [ "$(windows "$saver_name")" -eq 1 ] || fail "not one saver window"
  running || fail "the first saver ended"
  xdotool key space
  wait_end || fail "the saver did not end on a key"
  cat "$work/run/VelmorPerf.log" 2>/dev/null
  check_report "a key"
  ;;
windowed)
  setting set DirectX DX_WriteLog 1
  setting set DirectX CustomRes 1
  setting set DirectX DX_WinWidth $width
  setting set DirectX DX_WinHeight $height
  start /S
  until_true has_window "$saver_name" || fail "no saver window"
  wait_frames $report_frames || fail "the saver drew no frames"
  galaxies shown || fail "no galaxies on the screen"
  xdotool key space
  wait_end || fail "the saver did not end on a key"
  check_report "a key"
  ;;
mouse)
  # The pointer rests in the corner the counted moves start from.
  xdotool mousemove 0 0
  start /S
  until_true has_window "$saver_name" || fail "no saver window"
  wait_frames 1 || fail "the saver drew no frames"
  # Small nudges until the window hears the pointer: from then on every
  # movement reaches it.
  heard=
  for step in $(seq 1 20); do
    xdotool mousemove "$step" "$step"
    wait_frames $(( $(frames) + 3 )) || break
    if traced "motion $step $step counted 0$"; then heard=1; break; fi
  done
  [ -n "$heard" ] || fail "the saver window hears no mouse movement"
  for x in 20 50 20 60 30 70; do xdotool mousemove $x 20; done
  wait_traced 'motion 70 20 counted' || fail "the jitter did not reach the saver"
  traced 'counted [1-9]' && fail "jitter was counted"
  running || fail "jitter ended the saver"
  # Three counted moves in one burst: slow frames must not merge them.
  for x in 150 300 450; do xdotool mousemove $x 0; done
  wait_traced 'motion 450 0 counted 3$' || fail "the burst did not count three moves"
  running || fail "three counted moves ended the saver"
  xdotool mousemove 600 0
  wait_end || fail "the fourth counted move did not end the saver"
  traced 'motion 600 0 counted 4$' || fail "the fourth move was not counted"
  [ -e "$work/run/VelmorPerf.log" ] && fail "a report without DX_WriteLog"
  ;;
preview)
  # A window id that names no window ends the preview at once.
  timeout $guard "$program" /P 4242 2>"$work/err.log"; status=$?
  [ "$status" -eq 0 ] || fail "preview of no window: exit status $status"
  quiet "the preview of no window"
  start_host
  start /P "$host"
  until_true has_window "$preview_name" || fail "no preview window"
  wait_frames 120 || fail "the preview drew no frames"
  # The host sits at (40, 30); the picture stays inside it.
  galaxies inside 320x240+40+30 100 || fail "no galaxies in the host window"
  read -r outside _ <<<"$(lit "$shots/$case_name-inside-1.png" 640x30+0+0)"
  [ "$outside" -eq 0 ] || fail "$outside lit pixels above the host window"
  running || fail "the preview ended by itself"
  kill -USR1 "$host_pid"
  until_true grep -q destroyed "$work/host.log" || fail "the host window was not destroyed"
  # Frames counted once the host is gone: the preview may finish this one.
  gone=$(frames)
  if wait_end; then
    stopped=$(stopped_frame)
    echo "host destroyed by frame $gone; the preview stopped in frame ${stopped:-?}"
    [ -n "$stopped" ] && [ "$stopped" -le $((gone + 1)) ] || fail "the preview did not stop within a frame"
  else
    fail "the preview did not end after its host was destroyed"
  fi
  ;;
template)
  file=$work/Sample.OWV
  printf '\r\n[Admin]\r\nProduct=Orbweave\r\n\r\n[General]\r\nAnimationType=0\r\n\r\n[Advanced]\r\nFocalLength=1.5\r\nAdv_TimeDelay=20\r\nLockMessage=Imported\r\n\r\n[DirectX]\r\nCustomRes=1\r\nDX_WinWidth=320\r\nDX_WinHeight=240\r\n\r\n[Universe]\r\nUniverse_Stars=12000\r\nUniverse_Galaxy=150\r\n\r\n[UniGal0]\r\n_UniGalName=Template Spiral\r\n' >"$file"
  start "$file"
  until_true has_window "$saver_name" || fail "no saver window after the import"
  for expected in 'Advanced FocalLength 1.5' 'Advanced Adv_TimeDelay 20' 'Advanced LockMessage Imported' \
                  'Advanced Adv_MouseMove 0' 'DirectX CustomRes 1' 'DirectX DX_WinWidth 320' \
                  'DirectX DX_WinHeight 240' 'Universe Universe_Stars 12000' 'Universe Universe_Galaxy 150' \
                  'Universe Universe_Expand 3000' 'General AnimationType 0'; do
    read -r section name value <<<"$expected"
    got=$(setting get "$section" "$name")
    [ "$got" = "$value" ] || fail "$section\\$name is '$got', not '$value'"
  done
  # A new user's galaxy types are the factory ones, not the template's.
  name=$(setting get 'Universe\Galaxy0' _UniGalName)
  [ "$name" != "<missing>" ] && [ "$name" != "Template Spiral" ] || fail "galaxy type 0 is '$name'"
  wait_frames 60 || fail "the saver drew no frames"
  galaxies shown || fail "no galaxies after the import"
  xdotool key space
  wait_end || fail "the saver did not end on a key"
  ;;
signals-saver)
  setting set DirectX DX_WriteLog 1
  for signal in TERM HUP INT; do
    rm -f "$work/run/VelmorPerf.log"
    start --default-signal=INT -- /S
    wait_frames $report_frames || fail "SIG$signal: the saver drew no frames"
    kill -s "$signal" "$saver_pid"
    # Counted after the signal went: the program can only be later.
    sent=$(frames)
    if wait_end; then
      stopped=$(stopped_frame)
      echo "SIG$signal sent by frame $sent; the saver stopped in frame ${stopped:-?}"
      [ -n "$stopped" ] && [ "$stopped" -le $((sent + 2)) ] || fail "SIG$signal: not stopped within two frames"
      check_report "SIG$signal"
      [ "$(windows "$saver_name")" -eq 0 ] || fail "SIG$signal: the saver window stayed"
    else
      fail "SIG$signal did not end the saver cleanly"
    fi
  done
  # Started with SIGINT ignored, the saver keeps ignoring it.
  start --ignore-signal=INT -- /S
  wait_frames 10 || fail "the saver drew no frames"
  kill -s INT "$saver_pid"
  wait_frames $(( $(frames) + 20 )) || fail "an ignored SIGINT ended the saver"
  kill -s TERM "$saver_pid"
  wait_end || fail "SIGTERM after an ignored SIGINT did not end the saver"
  ;;
signals-preview)
  start_host
  for signal in TERM HUP INT; do
    start --default-signal=INT -- /P "$host"
    wait_frames 20 || fail "SIG$signal: the preview drew no frames"
    kill -s "$signal" "$saver_pid"
    # Counted after the signal went: the program can only be later.
    sent=$(frames)
    if wait_end; then
      stopped=$(stopped_frame)
      echo "SIG$signal sent by frame $sent; the preview stopped in frame ${stopped:-?}"
      [ -n "$stopped" ] && [ "$stopped" -le $((sent + 2)) ] || fail "SIG$signal: not stopped within two frames"
    else
      fail "SIG$signal did not end the preview cleanly"
    fi
  done
  ;;
display-gone)
  # The saver, then the preview, each on a screen of its own that dies.
  readonly lost='Orbweave: The connection to the X display was lost.'
  for mode in saver preview; do
    if [ $mode = preview ]; then
      stop_xvfb; start_xvfb; start_host; start /P "$host"
    else
      start /S
    fi
    wait_frames 20 || fail "$mode: no frames"
    stored=$(setting get 'Universe\Galaxy0' _UniGalName)
    display_lost "$saver_pid" "$mode"
    saver_pid=
    [ "$(cat "$work/err.log")" = "$lost" ] || fail "$mode: standard error is not the one line"
    [ "$(setting get 'Universe\Galaxy0' _UniGalName)" = "$stored" ] || fail "$mode: the store changed"
    [ $mode = preview ] && { stop_process "$host_pid"; host_pid=; }
  done
  ;;
held-store)
  command -v sqlite3 >/dev/null || { echo "skipped: sqlite3 is missing"; exit 77; }
  setting set Universe Universe_Stars 12345
  hold_store "$XDG_CONFIG_HOME/orbweave/registry.sqlite" || fail "the store could not be locked"
  for ending in key TERM; do
    begun=$(now_ms)
    start /S
    wait_frames 1 || fail "$ending: no frame while the store is held"
    echo "$ending: the first frame came $(( $(now_ms) - begun )) ms after the start"
    wait_frames 30 || fail "$ending: the saver stopped drawing"
    if [ "$ending" = key ]; then xdotool key space; else kill -s TERM "$saver_pid"; fi
    # Counted after the ending went: the program can only be later.
    sent=$(frames) sent_at=$(now_ms)
    if wait_end; then
      stopped=$(stopped_frame)
      echo "$ending sent by frame $sent; stopped in frame ${stopped:-?}; ended $(( $(now_ms) - sent_at )) ms later"
      [ -n "$stopped" ] && [ "$stopped" -le $((sent + 2)) ] || fail "$ending: not stopped within two frames"
    else
      fail "$ending did not end the saver cleanly"
    fi
  done
  release_store
  [ "$(setting get Universe Universe_Stars)" = 12345 ] || fail "the store lost what it held"
  ;;
colour-depth)
  # The six lines of the message and nothing else (no Qt painter's complaints).
  first='Orbweave: You must be running in High Color (16 bits) or True Color (24 or 32 bits) mode.'
  start_host
  # Qt on the X screen, as a user has it: it would paint its windows black.
  for mode in /S /C "/P $host"; do
    # shellcheck disable=SC2086 # "/P <id>" is two arguments
    timeout $guard env -u QT_QPA_PLATFORM "$program" $mode >"$work/out.log" 2>"$work/err.log"
    status=$?
    echo "$mode: status $status"
    if [ "${mode:0:2}" = /P ]; then
      [ "$status" -eq 0 ] || fail "$mode: exit status $status, not 0"
      quiet "$mode"
    else
      [ "$status" -eq 1 ] || fail "$mode: exit status $status, not 1"
      [ "$(head -n 1 "$work/err.log")" = "$first"$'\r' ] && [ "$(wc -l <"$work/err.log")" -eq 6 ] ||
        { cat "$work/err.log"; fail "$mode: standard error is not the colour-depth message"; }
    fi
  done
  for name in "$saver_name" "$preview_name" 'Orbweave Properties' Orbweave; do
    has_window "$name" && fail "a window '$name' is left"
  done
  ;;
video-refused)
  timeout $guard env SDL_VIDEODRIVER=refused-by-test "$program" /S >"$work/out.log" 2>"$work/err.log"
  status=$?
  [ "$status" -eq 1 ] || fail "exit status $status, not 1"
  grep -q 'X Display Services cannot be started' "$work/err.log" || { cat "$work/err.log"; fail "the refusal was not said"; }
  grep -q 'SDL could not start its video: .*refused-by-test' "$work/err.log" || fail "SDL's reason was not said"
  grep -q 'Not Found' "$work/err.log" && fail "a display that answers was said to be missing"
  ;;
closed-stderr)
  damage_store
  start_unheard /S
  until_true has_window "$saver_name" || fail "no saver window"
  wait_frames 10 || fail "the saver drew no frames"
  xdotool key space
  wait_end || { fail "the saver did not end on a key"; end_hung; }
  damage_store
  QT_QPA_PLATFORM=xcb start_unheard /C
  # A damaged store is said in a message box titled "Orbweave"; a sound
  # store opens on the welcome window.
  shown() { has_window Orbweave || has_window 'Welcome to Orbweave 5.0g.' || ! running; }
  until_true shown && running || fail "/C showed no window"
  kill -s TERM "$saver_pid"
  until_true eval '! running' || { fail "/C did not end on SIGTERM"; end_hung; }
  damage_store
  start_unread /S
  until_true has_window "$saver_name" || fail "no saver window with standard error unread"
  wait_frames 10 || fail "the saver drew no frames with standard error unread"
  xdotool key space
  wait_end || { fail "the saver with standard error unread did not end on a key"; end_hung; }
  ;;
two-screens)
  stop_xvfb
  readonly second=800x600
  start_screen ${width}x${height}x${depth} -screen 1 ${second}x${depth} -noreset
  first_screen=$DISPLAY.0
  export DISPLAY=$DISPLAY.1
  start /S
  until_true has_window "$saver_name" || fail "no saver window on the second screen"
  wait_frames 60 || fail "the saver drew no frames"
  galaxies shown || fail "no galaxies on the second screen"
  size=$(xwininfo -id "$(window_id "$saver_name")" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
  [ "$size" = "$second" ] || fail "the saver window is $size, not $second"
  [ "$(DISPLAY=$first_screen windows "$saver_name")" -eq 0 ] || fail "a saver window on the first screen"
  timeout $guard "$program" /S 2>"$work/second.log"; status=$?
  [ "$status" -eq 0 ] || fail "second saver: exit status $status"
  [ -s "$work/second.log" ] && { cat "$work/second.log"; fail "the second saver was not quiet"; }
  [ "$(windows "$saver_name")" -eq 1 ] || fail "not one saver window"
  xdotool key space
  wait_end || fail "the saver did not end on a key"
  ;;
burst)
  # Each round: five starts at once; the four that lose end with status 0
  # and say nothing, the one saver stays until a key.
  burst_pids=()
  stop_burst() { local pid; for pid in "${burst_pids[@]}"; do kill -KILL "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done; }
  at_exit+=(stop_burst)
  still_running() { local pid n=0; for pid in "${burst_pids[@]}"; do kill -0 "$pid" 2>/dev/null && n=$((n + 1)); done; echo $n; }
  one_left() { [ "$(still_running)" -le 1 ] && has_window "$saver_name"; }
  # The five stop themselves before the program starts, and go on together.
  all_stopped() { local pid; for pid in "${burst_pids[@]}"; do [ "$(cut -d' ' -f3 "/proc/$pid/stat")" = T ] || return 1; done; }
  for round in 1 2 3 4 5; do
    burst_pids=()
    for i in 1 2 3 4 5; do
      (cd "$work/run" && kill -STOP $BASHPID && exec "$program" /S) >/dev/null 2>"$work/burst-$i.log" &
      burst_pids+=($!)
    done
    until_true all_stopped || fail "round $round: the starts did not line up"
    kill -CONT "${burst_pids[@]}"
    until_true one_left || fail "round $round: $(still_running) of five still run"
    [ "$(windows "$saver_name")" -eq 1 ] || fail "round $round: $(windows "$saver_name") saver windows"
    xdotool key space
    until_true eval '[ "$(still_running)" -eq 0 ]' || fail "round $round: a key did not end every saver"
    for i in 1 2 3 4 5; do
      wait "${burst_pids[$((i - 1))]}"; status=$?
      [ "$status" -eq 0 ] || fail "round $round, start $i: exit status $status"
      [ -s "$work/burst-$i.log" ] && { cat "$work/burst-$i.log"; fail "round $round, start $i was not quiet"; }
    done
    stop_burst
  done
  ;;
*)
  echo "unknown case $case_name"; exit 2 ;;
esac

[ $failures -eq 0 ] && echo "$case_name: passed"
exit $((failures > 0))
