#!/usr/bin/env bash
# Starts Xvfb on a free display, shows the forms demo there, screenshots the
# whole screen and checks that the picture is not blank.
# Usage: screenshot.sh <forms-demo> <screenshot.png>. Exit 77 (skip) without Xvfb or ImageMagick.
set -euo pipefail
source "$(dirname "$(readlink -f "$0")")/../waits.sh"

demo=${1:?usage: screenshot.sh <forms-demo> <screenshot.png>}
shot=${2:?usage: screenshot.sh <forms-demo> <screenshot.png>}
readonly min_colours=64

for tool in Xvfb import convert; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d)
xvfb_pid=""
demo_pid=""
cleanup() {
  [ -n "$demo_pid" ] && kill "$demo_pid" 2>/dev/null && wait "$demo_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks the first free display number itself and writes it to the pipe.
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/displayfd" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display=""
read -r -t 20 display <"$work/displayfd" || true
if [ -z "$display" ]; then
  echo "Xvfb did not start:"; cat "$work/xvfb.log"
  exit 1
fi
export DISPLAY=":$display"
echo "Xvfb on $DISPLAY"

demo_ready() { grep -q '^ready$' "$work/demo.log" || ! kill -0 "$demo_pid" 2>/dev/null; }
# painted: the screen shows the form in many colours.
painted() {
  import -window root "$shot" || return 1
  colours=$(convert "$shot" -format '%k' info:)
  [ "$colours" -ge "$min_colours" ]
}

QT_QPA_PLATFORM=xcb "$demo" --seconds 60 >"$work/demo.log" 2>&1 &
demo_pid=$!
until_true demo_ready || true
if ! grep -q '^ready$' "$work/demo.log"; then
  echo "the demo did not come up:"; cat "$work/demo.log"
  exit 1
fi

colours=0
if ! until_true painted; then
  echo "the screenshot is blank or nearly so ($colours colours)"
  exit 1
fi
echo "screenshot $shot: $colours colours"

kill "$demo_pid"
wait "$demo_pid" 2>/dev/null || true
demo_pid=""
cat "$work/demo.log"
