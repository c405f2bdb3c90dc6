#!/usr/bin/env bash
# An element editor opened from "orbweave /C" on its own Xvfb screen with
# fresh settings folders.
#   editors.sh <case> <orbweave> <settings-tool> <shot folder>
# Cases:
#   molecule  factory type 42 ("UD-ATOM:  Cubic Hydrocarbon"): its molecule
#             editor, theme "Methane", Return (Preview is the default
#             button) draws the molecule in several colours; Escape stops,
#             OK and Accept store Galaxy_Atoms = 5
#   ifs       factory type 39: its IFS editor, theme "Fractal Fern", the
#             preview, OK and Accept store Galaxy_IFS_Points = 2
#   levels    factory type 0: its levels editor, every field typed or
#             toggled, the preview, OK and Accept store each of them
# The welcome window of a first run is kept away by a stored
# "General\ResetSettings". Exit 77 (skipped) when Xvfb, xdotool or
# ImageMagick is missing.
set -uo pipefail
case_name=$1 program=$2 settings_tool=$3 shots=$4
source "$(dirname "$(readlink -f "$0")")/../dialog/session.sh"
setting() { "$settings_tool" "$@"; }

need Xvfb xdotool xwininfo import convert
start_xvfb
mkdir -p "$shots"

# Places in the properties dialog, in pixels from its window's top left
# corner, at 15 twips per pixel: the middle of the galaxy-type list, "Show
# Props", the editor button of the IFS and molecule styles at the foot of
# the galaxy frame, and the "..." beside the standard style's level count.
readonly props_list=(410 110) props_show=(566 70) props_editor=(446 432) props_levels=(522 248)

# window_id <name prefix>: the id of the first window whose name starts so.
window_id() { xwininfo -root -tree | awk -v p="\"$1" 'index($0, p) { print $1; exit }'; }
window_size() { xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }'; }
editor_open() { [ -n "$(window_id "$editor_name")" ]; }
editor_gone() { [ -z "$(window_id "$editor_name")" ]; }

# click <window> <x> <y>: a left click at a place inside the window.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
# click_twips <x> <y>: a click in the editor's client area, given in twips
# from its control tables; the menu bar above it is the window's height less
# the client height the editor opens with.
click_twips() {
  click "$editor" $((($1 + 7) / 15)) $((menu_bar + ($2 + 7) / 15))
}

# choose_galaxy_type <n>: selects type n in the list and shows its properties.
choose_galaxy_type() {
  local dialog; dialog=$(dialog_id)
  click "$dialog" "${props_list[@]}"
  xdotool key Home
  [ "$1" -gt 0 ] && xdotool key --repeat "$1" --delay 20 Down
  click "$dialog" "${props_show[@]}"
}

# open_editor <props place...>: clicks the button and waits for the editor.
open_editor() {
  click "$(dialog_id)" "$@"
  until_true editor_open || { fail "no window named '$editor_name...'"; return 1; }
  editor=$(window_id "$editor_name")
  local size; size=($(window_size "$editor"))
  menu_bar=$((size[1] - min_client_height / 15))
  echo "editor window $editor: ${size[0]} x ${size[1]}, menu bar $menu_bar"
  timeout $guard xdotool windowfocus --sync "$editor"
}

# choose_theme <theme frame top> <entry>: picks the theme list's entry.
choose_theme() {
  click_twips 1920 $(($1 + 400))
  xdotool key --repeat "$2" --delay 20 Down
  xdotool key Return
}

# preview_drawn <x> <y>: a picture of the editor whose preview area (200 x
# 150 pixels from that place) has lit pixels in several colours.
preview_drawn() {
  import -window "$editor" "$shots/$case_name.png" || return 1
  convert "$shots/$case_name.png" -crop "200x150+$1+$2" +repage "$work/preview.png"
  lit=$(convert "$work/preview.png" -colorspace gray -threshold 20% -format '%[fx:round(mean*w*h)]' info:)
  colours=$(convert "$work/preview.png" -colors 64 -unique-colors -format '%w' info:)
  [ "${lit:-0}" -gt 100 ] && [ "${colours:-0}" -gt 8 ]
}
# check_preview <x> <y>: waits for the preview to draw.
check_preview() {
  local lit colours
  until_true preview_drawn "$1" "$2" || fail "the preview lit ${lit:-no} pixels in ${colours:-no} colours"
  echo "preview: $lit lit pixels, $colours colours"
}

# finish <OK x> <OK y>: Escape stops the preview, OK closes the editor, the
# dialog returns to universe mode (Alt+R) and is accepted (Alt+A). The
# editor stays locked until its preview has wound down and drops an OK
# clicked meanwhile, so OK is clicked until the editor is gone.
finish() {
  xdotool key Escape
  press_until editor_gone click_twips "$1" "$2" || fail "OK left the editor open"
  focus_dialog || fail "the dialog took no focus"
  xdotool key alt+r
  # Alt+A accepts once the dialog has relabelled its button for universe
  # mode; until then it does nothing, so it is pressed until the dialog ends.
  press_until dialog_ended xdotool key alt+a
  wait_end || fail "Alt+A did not close the dialog"
}
dialog_ended() { ! running; }
# retype: replaces the focused box's text with the argument, then moves on.
retype() {
  xdotool key End shift+Home
  xdotool type "$1"
  xdotool key Tab
}

expect_setting() {
  local got; got=$(setting get "$1" "$2")
  [ "$got" = "$3" ] || fail "$1\\$2 is '$got', not '$3'"
}

setting set General ResetSettings 1 || fail "settings-tool could not write"
start_dialog /C
wait_dialog && focus_dialog || fail "no dialog to focus"

case $case_name in
molecule)
  editor_name='User Defined Molecular Structure:  ' min_client_height=6420
  choose_galaxy_type 42
  open_editor "${props_editor[@]}" || exit 1
  choose_theme 3120 1
  xdotool key Return
  check_preview 270 245
  finish 8220 345
  expect_setting 'Universe\Galaxy42' Galaxy_Atoms 5
  ;;
ifs)
  editor_name='User Defined Iterated Function System (IFS):  ' min_client_height=5700
  choose_galaxy_type 39
  open_editor "${props_editor[@]}" || exit 1
  # The theme frame sits 1.25 rows below the fifth row of points.
  choose_theme 2265 6
  xdotool key Return
  check_preview 270 195
  finish 6960 345
  expect_setting 'Universe\Galaxy39' Galaxy_IFS_Points 2
  ;;
levels)
  editor_name='Galaxy Levels:  ' min_client_height=4230
  choose_galaxy_type 0
  open_editor "${props_levels[@]}" || exit 1
  # The boxes and check boxes in tab order from the level count.
  click_twips 3120 440
  retype 4
  retype 1234
  retype 2.5
  xdotool key space Tab space Tab space Tab
  retype 2500
  xdotool key End shift+Home
  xdotool type 1500
  xdotool key Return
  check_preview 265 45
  finish 630 3945
  for expected in 'Galaxy_StdLevels 4' 'Galaxy_StdLevDRad 1234' 'Galaxy_StdLevHSca 2.5' \
    'Galaxy_StdLevB_HS 1' 'Galaxy_StdLevB_A0 1' 'Galaxy_StdLevB_A1 1' 'Galaxy_Radius 2500' 'Galaxy_Distance 1500'; do
    expect_setting 'Universe\Galaxy0' $expected
  done
  ;;
*)
  echo "unknown case $case_name"; exit 2 ;;
esac

[ $failures -eq 0 ] && echo "$case_name: passed"
exit $((failures > 0))
