#!/usr/bin/env bash
# Starts Xvfb on a free display, shows the forms demo there, screenshots the
# whole screen and checks that the picture is not blank.
# Usage: screenshot.sh <forms-demo> <screenshot.png>. Exit 77 (skip) without Xvfb or ImageMagick.
set -euo pipefail
source "$(dirname "$(readlink -f "$0")")/../lib.sh"

demo=${1:?usage: screenshot.sh <forms-demo> <screenshot.png>}
shot=${2:?usage: screenshot.sh <forms-demo> <screenshot.png>}
readonly min_colours=64

need Xvfb import convert

demo_pid=
stop_demo() { stop_process "$demo_pid"; }
at_exit+=(stop_demo)

start_screen 1024x768x24
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
