#!/usr/bin/env bash
# The properties dialog's previews and list editors on a real X server.
#   preview.sh <case> <orbweave> <settings-tool> <close-window> <shot folder>
# Cases:
#   preview  "Preview Universe" animates picPreview (many lit pixels in
#            several colours, changing between two shots); Escape stops it
#            and the dialog stays; a second preview closed with the close
#            box (WM_DELETE_WINDOW) ends the program with status 0 in 2 s
#            and stores no settings
#   commit   Up in the galaxy count, a galaxy type renamed and committed,
#            Alt+A: both reach the store, and "/S" then draws galaxies
# Every run must leave standard error empty (no sanitizer report). Exit 77
# (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail
case_name=$1 program=$2 settings_tool=$3 close_window=$4 shots=$5
source "$(dirname "$0")/session.sh"
setting() { "$settings_tool" "$@"; }

# Tab presses from the star count, which has the focus when the dialog
# opens, along the dialog's tab order on the first universe page. Change
# them when that order changes.
readonly tabs_to_galaxies=1
readonly tabs_from_galaxies_to_type_name=18
readonly tabs_from_type_name_to_commit=2
readonly tabs_to_preview_universe=32

# picPreview inside the dialog's window at 96 dots per inch: a rectangle
# well inside the picture box, whatever the window's decorations.
readonly preview_area=220x130+30+280

tab() { xdotool key --repeat "$1" --delay 20 Tab; }

# preview_shot <name>: the preview area of the dialog's window, saved.
preview_shot() {
  import -window "$(dialog_id)" -crop "$preview_area" +repage "$shots/$1.png"
}
lit() { convert "$shots/$1.png" -colorspace gray -threshold 20% -format '%[fx:round(mean*w*h)]' info:; }
colours() { convert "$shots/$1.png" -format '%k' info:; }
differ() { ! compare -metric AE "$shots/$1.png" "$shots/$2.png" null: 2>/dev/null; }
# preview_animates: the preview area is lit in several colours and changes
# between two shots.
preview_animates() {
  preview_shot running-a && preview_shot running-b || return 1
  [ "$(lit running-a)" -gt 500 ] && [ "$(colours running-a)" -gt 8 ] && differ running-a running-b
}
# preview_still: three shots of the preview area in a row are alike.
preview_still() {
  preview_shot stopped-a && preview_shot stopped-b && preview_shot stopped-c || return 1
  ! differ stopped-a stopped-b && ! differ stopped-b stopped-c
}

need Xvfb xdotool xwininfo import compare convert
start_xvfb
mkdir -p "$shots"

case $case_name in
preview)
  start_dialog /C
  dismiss_welcome || fail "no welcome window on the first opening"
  wait_dialog && focus_dialog || fail "no dialog to focus"
  tab $tabs_to_preview_universe
  xdotool key space
  until_true preview_animates || fail "the preview did not draw many lit pixels in several colours, changing"
  echo "running: $(lit running-a) lit pixels, $(colours running-a) colours"

  xdotool key Escape
  until_true preview_still || fail "the preview went on after Escape"
  running || fail "Escape closed the dialog"
  [ "$(lit stopped-c)" -gt 500 ] || fail "the last frame did not stay"

  # The stopped button keeps the focus: start again, then close the window.
  # The dialog stays locked until the stopped loop has returned; a still
  # picture says it has, so this space is not dropped (a second press would
  # stop the preview again).
  xdotool key space
  until_true preview_animates || fail "the second preview did not start"
  # The window must be gone within 2 s; the process then ends after the
  # sanitizers' leak check, whose time is the test build's, not the dialog's.
  begun=$(now_ms)
  "$close_window" "$(dialog_id)" || fail "no window to close"
  until_true eval '[ "$(windows "$dialog_name")" -eq 0 ]' || fail "the window stayed"
  took=$(($(now_ms) - begun))
  echo "closed during a preview in $took ms"
  [ "$took" -le 2000 ] || fail "closing took $took ms"
  wait_end || fail "closing during a preview did not end the program cleanly"
  for name in 'Universe Universe_Stars' 'General AnimationType'; do
    got=$(setting get $name)
    [ "$got" = "<missing>" ] || fail "closing stored $name '$got'"
  done
  ;;
commit)
  start_dialog /C
  dismiss_welcome || fail "no welcome window on the first opening"
  wait_dialog && focus_dialog || fail "no dialog to focus"
  tab $tabs_to_galaxies
  xdotool key Up
  tab $tabs_from_galaxies_to_type_name
  xdotool type --delay 20 "Woven Spiral"
  tab $tabs_from_type_name_to_commit
  xdotool key space
  settled_shot "$shots/commit.png" || fail "no picture of the commit"
  xdotool key alt+a
  wait_end || fail "Alt+A did not close the dialog"
  for expected in 'Universe Universe_Galaxy 201' 'Universe\Galaxy0 _UniGalName Woven Spiral'; do
    IFS='|' read -r section name value <<<"$(sed 's/ /|/; s/ /|/' <<<"$expected")"
    got=$(setting get "$section" "$name")
    [ "$got" = "$value" ] || fail "$section\\$name is '$got', not '$value'"
  done
  # The saver draws the accepted universe.
  ORBWEAVE_TRACE=$work/trace "$program" /S >/dev/null 2>"$work/saver.err" &
  saver=$!
  saver_drew() { [ "$(awk '{ n = $1 } END { print n + 0 }' "$work/trace" 2>/dev/null)" -ge 60 ] || ! kill -0 $saver 2>/dev/null; }
  until_true saver_drew && import -window root "$shots/saver.png" || fail "the saver drew no 60 frames"
  kill $saver 2>/dev/null; wait $saver 2>/dev/null
  saver_lit=$(lit saver)
  echo "the saver lit $saver_lit pixels"
  [ "${saver_lit:-0}" -gt 500 ] || fail "the saver drew no galaxies"
  ;;
*)
  echo "unknown case $case_name"; exit 2 ;;
esac

[ $failures -eq 0 ] && echo "$case_name: passed"
exit $((failures > 0))
