#!/usr/bin/env bash
# Saves a picture of the properties dialog, opened with "orbweave /C" on a
# private Xvfb screen (96 dots per inch) with fresh settings, for people to
# look at.
#   shot.sh <orbweave> <picture.png> [key...]
# Each key (xdotool's names: Tab, Down, alt+a, ...) is sent to the dialog in
# turn before the picture is taken, e.g. to show another page:
#   tests/e2e/dialog/shot.sh build/test/bin/orbweave /tmp/page3.png Tab Tab Down Down Down
# The picture is taken once the window has stopped changing. Exit 77 when
# Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail
program=${1:?usage: shot.sh <orbweave> <picture.png> [key...]}
picture=${2:?usage: shot.sh <orbweave> <picture.png> [key...]}
shift 2
source "$(dirname "$0")/session.sh"

need Xvfb xdotool xwininfo import compare
start_xvfb
start_dialog /C
dismiss_welcome || { echo "no welcome window"; cat "$work/err.log"; exit 1; }
wait_dialog || { echo "no dialog window"; cat "$work/err.log"; exit 1; }
focus_dialog || { echo "the dialog took no focus"; exit 1; }
for key in "$@"; do
  xdotool key "$key"
done
settled_shot "$picture" || { echo "the dialog did not settle"; exit 1; }
echo "$picture: $(identify -format '%wx%h' "$picture")"
