#!/usr/bin/env bash
# The properties dialog's menus on their own Xvfb screen with fresh settings
# folders (the user marked as set up, so no welcome window shows).
#   menus.sh <case> <orbweave> <settings-tool> <shot folder>
# Cases:
#   advanced  Alt+E A opens "Advanced Settings"; a picture of it (with a
#             stored message in the preview boxes) is saved;
#             5 typed into the message size box and Return store 8
#   copy      "Galaxy Color Multiplier" copied with 1500 and accepted: every
#             galaxy type stores 1500
#   reset     Edit, Reset Properties, Yes: "propsave.owv" is written to the
#             data folder
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail
case_name=$1 program=$2 settings_tool=$3 shots=$4
source "$(dirname "$0")/../dialog/session.sh"
setting() { "$settings_tool" "$@"; }

need Xvfb xdotool xwininfo import compare
start_xvfb
mkdir -p "$shots"
setting set General ResetSettings 1

# The advanced dialog's tab order from txtAdv(0), which has the focus when it
# opens, to the message size box txtMessage(0).
readonly tabs_to_message_size=10
# The properties dialog's tab order from txtUni(0) to the property list. The
# screen lists no 640 * 480 mode, so the factory size is a custom one and its
# two boxes take the focus too.
readonly tabs_to_property_list=9
# "Galaxy Color Multiplier" is entry 21 of the list, which starts without a
# selection: the first Down selects entry 0.
readonly downs_to_colour_multiplier=22

no_window() { [ "$(windows "$1")" -eq 0 ]; }
type_into_box() {
  xdotool key End shift+Home
  xdotool type --delay 20 "$1"
}

# The advanced case shows a message in the preview boxes; settings already
# stored keep the dialog from loading the factory ones over it.
if [ "$case_name" = advanced ]; then
  setting set General AnimationType 0
  setting set Advanced LockMessage "Class will resume in X."
  setting set Advanced Adv_ZeroText "Welcome back."
fi
start_dialog /C
wait_dialog && focus_dialog || { fail "no dialog to focus"; exit 1; }

case $case_name in
advanced)
  xdotool key alt+e a
  until_true has_window "Advanced Settings" || fail "Alt+E A opened no 'Advanced Settings'"
  id=$(window_id "Advanced Settings")
  [ -n "$id" ] && timeout $guard xdotool windowfocus --sync "$id"
  settled=
  import -window "$id" "$shots/advanced.png" && settled=1
  [ -n "$settled" ] || fail "no picture of the advanced settings"
  xdotool key --repeat $tabs_to_message_size --delay 20 Tab
  type_into_box 5
  xdotool key Return
  until_true no_window "Advanced Settings" || fail "Return did not close the advanced settings"
  size=$(setting get Advanced Adv_FontSize)
  [ "$size" = 8 ] || fail "Adv_FontSize is '$size', not 8"
  focus_dialog && xdotool key Escape
  wait_end || fail "Escape did not close the dialog"
  ;;
copy)
  xdotool key --repeat $tabs_to_property_list --delay 20 Tab
  xdotool key --repeat $downs_to_colour_multiplier --delay 20 Down
  xdotool key Tab
  type_into_box 1500
  # Tab leaves the value box for the Copy button (the hidden editors take no focus).
  xdotool key Tab space
  settled_shot "$shots/copy.png" || fail "no picture of the copy"
  xdotool key alt+a
  wait_end || fail "Alt+A did not close the dialog"
  wrong=0
  for type in $(seq 0 49); do
    got=$(setting get "Universe\\Galaxy$type" Galaxy_ColorMult)
    [ "$got" = 1500 ] || { echo "galaxy type $type: '$got'"; wrong=$((wrong + 1)); }
  done
  [ $wrong -eq 0 ] || fail "$wrong galaxy types did not store 1500"
  ;;
reset)
  xdotool key alt+e r
  until_true has_window Orbweave || fail "no reset question"
  id=$(window_id Orbweave)
  [ -n "$id" ] && timeout $guard xdotool windowfocus --sync "$id"
  xdotool key alt+y
  until_true test -s "$XDG_DATA_HOME/orbweave/propsave.owv" || fail "no propsave.owv in $XDG_DATA_HOME/orbweave"
  until_true no_window Orbweave || fail "the question stayed"
  focus_dialog && xdotool key Escape
  wait_end || fail "Escape did not close the dialog"
  ;;
*) echo "unknown case $case_name"; exit 2 ;;
esac

[ $failures -eq 0 ] && echo "$case_name: passed"
exit $((failures > 0))
