#!/usr/bin/env bash
# Runs moving-dots on its own Xvfb screen of the given depth, takes a
# screenshot of each layout and checks its colours: red dots must stay red
# (no channel exchanged), and the statistics line must appear with the log on.
#   moving_dots.sh <moving-dots> <depth> <shot folder>
set -uo pipefail
source "$(dirname "$(readlink -f "$0")")/../lib.sh"
tool=$1 depth=$2 shots=$3
width=640 height=480

need Xvfb import convert

# Without Corvane every frame stays black: nothing to look at yet.
[ -e "$(dirname "$tool")/libcorvane.so" ] || { echo "skipped: libcorvane.so is not built"; exit 77; }

start_screen ${width}x${height}x${depth}
export QT_QPA_PLATFORM=offscreen SDL_VIDEODRIVER=x11
mkdir -p "$shots" "$XDG_CONFIG_HOME"

# Pixels of one colour class in a screenshot: red, green or blue.
count_colour() {
  local shot=$1 colour=$2 expr
  case $colour in
    red) expr='r>0.75 && g<0.25 && b<0.25' ;;
    green) expr='g>0.75 && r<0.25 && b<0.25' ;;
    blue) expr='b>0.75 && r<0.25 && g<0.25' ;;
  esac
  convert "$shot" -fx "($expr) ? 1 : 0" -format '%[fx:round(mean*w*h)]' info:
}

# run <name> <tool arguments...>: draws, screenshots while the picture is held.
run() {
  local name=$1; shift
  local out=$work/$name.out shot=$shots/$name.png
  "$tool" --frames 150 --hold-ms 4000 "$@" >"$out" 2>"$work/$name.err" &
  local pid=$!
  until_true eval 'grep -q "frames done" "$out" 2>/dev/null || ! kill -0 $pid 2>/dev/null'
  if ! grep -q "frames done" "$out"; then
    fail "$name: no frames"; cat "$out" "$work/$name.err"; kill "$pid" 2>/dev/null; wait "$pid"; return
  fi
  import -window root "$shot"
  wait "$pid" || fail "$name: exit status $?"
  cat "$out"
  local red green blue
  red=$(count_colour "$shot" red); green=$(count_colour "$shot" green); blue=$(count_colour "$shot" blue)
  echo "$name: red=$red green=$green blue=$blue pixels"
  [ "$red" -gt 20 ] || fail "$name: too few red pixels"
  [ "$green" -gt 20 ] || fail "$name: too few green pixels"
  [ "$blue" -gt 20 ] || fail "$name: too few blue pixels"
  LAST_OUT=$out
}

common=(--setting Advanced:Adv_TimeDelay=10 --setting DirectX:DX_WriteLog=1)
run fullscreen --fullscreen "${common[@]}" --setting DirectX:DX_WinWidth=$width \
  --setting DirectX:DX_WinHeight=$height --setting "Advanced:LockMessage=Orbweave display check"
grep -Eq '^stats: [0-9]{2}/[0-9]{2}/[0-9]{4} [0-9]{2}:[0-9]{2} [AP]M   Frames: 100   Time: [0-9:]{11}   FPS: [0-9]*\.[0-9]{2}$' \
  "$LAST_OUT" || fail "fullscreen: no statistics line"
run stretched --fullscreen "${common[@]}" --setting DirectX:CustomRes=1 \
  --setting DirectX:DX_WinWidth=320 --setting DirectX:DX_WinHeight=240
run windowed --window 400x300 "${common[@]}"

[ $failures -eq 0 ] && echo "all layouts passed at depth $depth"
exit $((failures > 0))
