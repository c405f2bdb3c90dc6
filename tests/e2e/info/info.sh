#!/usr/bin/env bash
# The information windows of "orbweave /C" on their own Xvfb screen with
# fresh settings folders.
#   info.sh <case> <orbweave> <settings-tool> <shot folder>
# Cases:
#   welcome      a new user's first "/C" shows the welcome window (green
#                title, cyan text on the painted backdrop); Return closes it
#                and the dialog follows
#   about        Help, About: the tour draws a galaxy; the credits draw
#                stars and text; Escape closes them and the tour goes on;
#                Escape closes the About box
#   diagnostics  Help, Diagnostics shows the figures; Return closes it
#   template     File, Save Template As, "night", Return: night.OWV in the
#                folder shown holds "[Admin]"; File, Open Template loads it
# Pictures go to the shot folder for people to look at. Exit 77 (skipped)
# when Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail
case_name=$1 program=$2 settings_tool=$3 shots=$4
source "$(dirname "$0")/../dialog/session.sh"

need Xvfb xdotool xwininfo import compare convert
start_xvfb
mkdir -p "$shots"

shown() { [ -n "$(window_id "$1")" ] || ! running; }
gone() { [ -z "$(window_id "$1")" ] || ! running; }
# wait_window <name>: true once the running program shows it.
wait_window() { until_true shown "$1" && running && [ -n "$(window_id "$1")" ]; }
wait_gone() { until_true gone "$1" && [ -z "$(window_id "$1")" ]; }
focus_window() { timeout $guard xdotool windowfocus --sync "$(window_id "$1")"; }
# shot <name> <png>: a picture of that window as it is now.
shot() { import -window "$(window_id "$1")" "$2"; }
# count_colour <png> <colour>: how many pixels have exactly that colour.
count_colour() { convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:; }
# lit <png> <geometry>: how many pixels of that part are brighter than a fifth.
lit() { convert "$1" -crop "$2" +repage -colorspace gray -threshold 20% -format '%[fx:round(mean*w*h)]' info:; }
# settled <name> <png>: a picture of that window once two grabs in a row are alike.
settled() {
  shot "$1" "$work/settle-a.png" && shot "$1" "$2" || return 1
  compare -metric AE "$work/settle-a.png" "$2" null: 2>/dev/null
}
# welcome_painted: the welcome window shows its green title and cyan text.
welcome_painted() {
  shot "$welcome_name" "$shots/welcome.png" || return 1
  green=$(count_colour "$shots/welcome.png" '#00FF00')
  cyan=$(count_colour "$shots/welcome.png" '#00FFFF')
  [ "${green:-0}" -gt 200 ] && [ "${cyan:-0}" -gt 500 ]
}
# tour_drawn: the About box's picture box (224 x 168 pixels at (16, 16)) shows a galaxy.
tour_drawn() {
  shot "$about" "$shots/about-tour.png" || return 1
  tour=$(lit "$shots/about-tour.png" 224x168+16+16)
  [ "${tour:-0}" -gt 100 ]
}
# credits_drawn: stars and text in the credits window.
credits_drawn() {
  shot "$credits" "$shots/credits.png" || return 1
  stars=$(lit "$shots/credits.png" 100%x100%)
  [ "${stars:-0}" -gt 300 ]
}
# tour_moves: two pictures of the About box in a row differ.
tour_moves() {
  shot "$about" "$shots/about-resumed.png" && shot "$about" "$shots/about-later.png" || return 1
  ! compare -metric AE "$shots/about-resumed.png" "$shots/about-later.png" null: 2>/dev/null
}
# open_dialog: a new user's "/C", past the welcome window, with the dialog focused.
open_dialog() {
  start_dialog /C
  dismiss_welcome || fail "no welcome window"
  wait_dialog && focus_dialog || fail "no dialog to focus"
}
# close_dialog: Escape, and the run ends cleanly.
close_dialog() {
  focus_dialog && xdotool key Escape
  wait_end || fail "the dialog did not end cleanly"
}

readonly about='About Orbweave' credits='Credits' diagnostics='System Diagnostics'
readonly save_title='Enter or Select Template to Save' open_title='Select Template to Open'

case $case_name in
welcome)
  start_dialog /C
  wait_window "$welcome_name" || fail "no welcome window"
  [ "$(windows "$dialog_name")" -eq 0 ] || fail "the dialog came before the welcome window"
  until_true welcome_painted || fail "no green title or no cyan text"
  echo "welcome: $green green title pixels, $cyan cyan text pixels"
  focus_window "$welcome_name" && xdotool key Return
  wait_gone "$welcome_name" || fail "Return did not close the welcome window"
  wait_dialog || fail "no dialog after the welcome window"
  close_dialog
  ;;
about)
  open_dialog
  xdotool key alt+h a
  wait_window "$about" || fail "no About box"
  until_true tour_drawn || fail "the tour shows no galaxy"
  echo "about: $tour lit pixels in the tour"
  focus_window "$about" && xdotool key alt+c
  wait_window "$credits" || fail "no credits window"
  until_true credits_drawn || fail "no stars or text in the credits"
  echo "credits: $stars lit pixels"
  focus_window "$credits" && xdotool key Escape
  wait_gone "$credits" || fail "Escape did not close the credits"
  until_true tour_moves || fail "the tour did not go on after the credits"
  focus_window "$about" && xdotool key Escape
  wait_gone "$about" || fail "Escape did not close the About box"
  close_dialog
  ;;
diagnostics)
  open_dialog
  xdotool key alt+h d
  wait_window "$diagnostics" || fail "no diagnostics window"
  until_true settled "$diagnostics" "$shots/diagnostics.png" || fail "no picture of the diagnostics"
  focus_window "$diagnostics" && xdotool key Return
  wait_gone "$diagnostics" || fail "Return did not close the diagnostics"
  close_dialog
  ;;
template)
  # The chooser starts in the program's current folder.
  mkdir -p "$work/templates" && cd "$work/templates" || exit 1
  open_dialog
  xdotool key alt+f a
  wait_window "$save_title" || fail "no save chooser"
  focus_window "$save_title" && xdotool type --delay 20 night
  shot "$save_title" "$shots/template-save.png"
  xdotool key Return
  wait_gone "$save_title" || fail "Return did not close the save chooser"
  grep -q '^\[Admin\]' "$work/templates/night.OWV" || fail "night.OWV holds no [Admin]"
  folder=$("$settings_tool" get Template Path_Dir)
  [ "$folder" = "$work/templates" ] || fail "the stored folder is '$folder'"
  focus_dialog && xdotool key alt+f o
  wait_window "$open_title" || fail "no open chooser"
  focus_window "$open_title" && xdotool type --delay 20 night.OWV
  shot "$open_title" "$shots/template-open.png"
  xdotool key Return
  wait_gone "$open_title" || fail "Return did not close the open chooser"
  close_dialog
  ;;
*)
  echo "unknown case $case_name"; exit 2 ;;
esac

[ $failures -eq 0 ] && echo "$case_name: passed"
exit $((failures > 0))
