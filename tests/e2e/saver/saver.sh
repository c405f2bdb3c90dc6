#!/usr/bin/env bash
# The orbweave program on its own Xvfb screen with fresh settings folders.
#   saver.sh <case> <orbweave> <helper folder> <shot folder>
# Cases:
#   fullscreen  "/S" draws galaxies, seeds the store, refuses a second saver,
#               ends on a key and writes the performance report
#   mouse       "/S" ignores small jitter and ends on the fourth counted move
#   preview     "/P <id>" draws inside a host window and ends within a second
#               of the host's destruction
#   template    "<file>.owv" imports the template's values and runs the saver
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail
case_name=$1 program=$2 helpers=$3 shots=$4
readonly width=640 height=480
readonly saver_name='Zarv:Orbweave 5.0g'
readonly preview_name='Zarv:Preview Orbweave 5.0g'

for cmd in Xvfb xdotool xwininfo import convert; do
  command -v "$cmd" >/dev/null || { echo "skipped: $cmd is missing"; exit 77; }
done
[ -e "$(dirname "$program")/libcorvane.so" ] || { echo "skipped: libcorvane.so is not built"; exit 77; }

work=$(mktemp -d)
xvfb_pid= saver_pid= host_pid=
stop() { [ -n "$1" ] && kill "$1" 2>/dev/null && wait "$1" 2>/dev/null; }
cleanup() {
  stop "$saver_pid"; stop "$host_pid"; stop "$xvfb_pid"
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it to the pipe. It must
# not reset when its last client leaves: the pointer would go back to the
# middle of the screen.
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 ${width}x${height}x24 -nolisten tcp -noreset 3>"$work/displayfd" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display=
read -r -t 20 display <"$work/displayfd" || true
[ -n "$display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }

export DISPLAY=:$display SDL_VIDEODRIVER=x11 QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME=$work/config XDG_CONFIG_DIRS=$work/machine XDG_DATA_HOME=$work/data
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$shots" "$work/run" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
setting() { "$helpers/settings-tool" "$@"; }
now_ms() { date +%s%3N; }

# start <arguments...>: the program in the run folder (where its report goes).
start() {
  (cd "$work/run" && exec "$program" "$@") >"$work/out.log" 2>"$work/err.log" &
  saver_pid=$!
}

# windows <name>: how many windows have exactly this name (xdotool cannot
# read names stored as UTF-8).
windows() { xwininfo -root -tree | grep -cF "\"$1\":"; }

# wait_window <name> <seconds>: true once a window of that name exists.
wait_window() {
  local end=$(( $(now_ms) + $2 * 1000 ))
  while [ "$(now_ms)" -lt "$end" ]; do
    [ "$(windows "$1")" -gt 0 ] && return 0
    sleep 0.1
  done
  return 1
}

# wait_end <seconds>: true when the program ends in time with status 0.
wait_end() {
  local end=$(( $(now_ms) + $1 * 1000 ))
  while [ "$(now_ms)" -lt "$end" ]; do
    if ! kill -0 "$saver_pid" 2>/dev/null; then
      wait "$saver_pid"; local status=$?
      saver_pid=
      [ "$status" -eq 0 ] || { echo "exit status $status"; cat "$work/err.log"; return 1; }
      return 0
    fi
    sleep 0.02
  done
  return 1
}

running() { [ -n "$saver_pid" ] && kill -0 "$saver_pid" 2>/dev/null; }

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

# galaxies <name> [geometry]: true when a screenshot, taken up to three times
# a second apart, has many lit pixels in several colours.
galaxies() {
  local result lit hues
  for attempt in 1 2 3; do
    result=$(shoot "$1-$attempt" "${2:-}"); read -r lit hues <<<"$result"
    [ "$lit" -ge "${3:-400}" ] && [ "$hues" -ge 2 ] && return 0
    sleep 1
  done
  return 1
}

case $case_name in
fullscreen)
  setting set DirectX DX_WriteLog 1
  setting set DirectX DX_WinWidth $width
  setting set DirectX DX_WinHeight $height
  start /S
  wait_window "$saver_name" 10 || fail "no saver window"
  sleep 3
  galaxies shown || fail "no galaxies on the screen"
  [ "$(setting get 'Universe\Galaxy0' _UniGalName)" != "<missing>" ] || fail "the store was not seeded"
  # A second saver ends at once while the first runs.
  second_start=$(now_ms)
  timeout 20 "$program" /S; status=$?
  echo "second saver: status $status after $(( $(now_ms) - second_start )) ms"
  [ "$status" -eq 0 ] || fail "second saver: exit status $status"
  [ "$(windows "$saver_name")" -eq 1 ] || fail "not one saver window"
  running || fail "the first saver ended"
  xdotool key space
  wait_end 10 || fail "the saver did not end on a key"
  log=$work/run/VelmorPerf.log
  if [ -f "$log" ]; then
    cat "$log"
    [ "$(wc -l <"$log")" -eq 7 ] || fail "the report is not seven lines"
    [ "$(head -1 "$log" | tr -d '\r')" = "$(printf '%.0s-' $(seq 120))" ] || fail "no rule line"
    grep -q $'^Orbweave 5.0g  5.0.0   \(Flip\|Blit\)  32-bpp   \(DXMode\|Custom\): 640\*480   .*Pixels: [0-9]*\r$' \
      "$log" || fail "no header line"
    grep -q $'^   Total    :  .*100.00 %\r$' "$log" || fail "no total line"
  else
    fail "no performance report"
  fi
  ;;
mouse)
  # The pointer rests in the corner the counted moves start from.
  xdotool mousemove 0 0
  start /S
  wait_window "$saver_name" 10 || fail "no saver window"
  sleep 2
  for x in 20 50 20 60 30 70; do xdotool mousemove $x 20; sleep 0.1; done
  sleep 0.5
  running || fail "jitter ended the saver"
  for x in 150 300 450; do xdotool mousemove $x 0; sleep 0.2; done
  sleep 0.5
  running || fail "three counted moves ended the saver"
  xdotool mousemove 600 0
  wait_end 10 || fail "the fourth counted move did not end the saver"
  [ -e "$work/run/VelmorPerf.log" ] && fail "a report without DX_WriteLog"
  ;;
preview)
  # A window id that names no window ends the preview at once.
  quick_start=$(now_ms)
  timeout 20 "$program" /P 4242; status=$?
  echo "preview of no window: status $status after $(( $(now_ms) - quick_start )) ms"
  [ "$status" -eq 0 ] || fail "preview of no window: exit status $status"
  "$helpers/host-window" 320 240 >"$work/host.log" 2>&1 &
  host_pid=$!
  for _ in $(seq 100); do [ -s "$work/host.log" ] && break; sleep 0.05; done
  host=$(head -1 "$work/host.log")
  [ -n "$host" ] || { echo "no host window"; exit 1; }
  start /P "$host"
  wait_window "$preview_name" 10 || fail "no preview window"
  sleep 3
  # The host sits at (40, 30); the picture stays inside it.
  galaxies inside 320x240+40+30 100 || fail "no galaxies in the host window"
  read -r outside _ <<<"$(lit "$shots/$case_name-inside-1.png" 640x30+0+0)"
  [ "$outside" -eq 0 ] || fail "$outside lit pixels above the host window"
  running || fail "the preview ended by itself"
  destroyed=$(now_ms)
  kill -USR1 "$host_pid"
  if wait_end 5; then
    echo "the preview ended $(( $(now_ms) - destroyed )) ms after its host was destroyed"
    [ $(( $(now_ms) - destroyed )) -le 1000 ] || fail "the preview took more than a second to end"
  else
    fail "the preview did not end after its host was destroyed"
  fi
  ;;
template)
  file=$work/Sample.OWV
  printf '\r\n[Admin]\r\nProduct=Orbweave\r\n\r\n[General]\r\nAnimationType=0\r\n\r\n[Advanced]\r\nFocalLength=1.5\r\nAdv_TimeDelay=20\r\nLockMessage=Imported\r\n\r\n[DirectX]\r\nCustomRes=1\r\nDX_WinWidth=320\r\nDX_WinHeight=240\r\n\r\n[Universe]\r\nUniverse_Stars=12000\r\nUniverse_Galaxy=150\r\n\r\n[UniGal0]\r\n_UniGalName=Template Spiral\r\n' >"$file"
  start "$file"
  wait_window "$saver_name" 10 || fail "no saver window after the import"
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
  sleep 3
  galaxies shown || fail "no galaxies after the import"
  xdotool key space
  wait_end 10 || fail "the saver did not end on a key"
  ;;
*)
  echo "unknown case $case_name"; exit 2 ;;
esac

[ $failures -eq 0 ] && echo "$case_name: passed"
exit $((failures > 0))
