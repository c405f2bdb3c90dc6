#!/usr/bin/env bash
# Every include of ours points down the layers: a file includes its own room
# and the rooms below it, never a room above it or a sibling of its own rank.
# Prints each include that breaks the rule and fails when there is one.
set -u
root=${1:?usage: include_rule.sh <source root> [Qt Widgets include folder]}
widgets_dir=${2:-}
cd "$root" || exit 1

# room rank, lowest first. A file belongs to the longest room its path starts
# with; a file directly under renderer/ belongs to the renderer's top room.
rooms='
core 0
corvane 0
platform 1
settings 2
renderer/display 3
renderer/galaxy 4
renderer/universe 5
renderer 5
renderer/headless 6
host 7
dialogs/common 8
dialogs/properties 9
dialogs/editors 9
dialogs/info 9
app 10
'

room_of() {
  local path=$1 best= name rank
  while read -r name rank; do
    [ -n "$name" ] || continue
    case $path in
      "$name"/*) [ ${#name} -gt ${#best} ] && best=$name ;;
    esac
  done <<<"$rooms"
  echo "$best"
}
rank_of() { awk -v room="$1" '$1 == room { print $2 }' <<<"$rooms"; }

broken=0
while IFS=: read -r file line target; do
  from=$(room_of "$file")
  to=$(room_of "$target")
  [ -n "$from" ] && [ -n "$to" ] || continue
  [ "$from" = "$to" ] && continue
  [ "$(rank_of "$to")" -lt "$(rank_of "$from")" ] && continue
  echo "$file:$line includes $target ($from may not include $to)"
  broken=$((broken + 1))
done < <(grep -rnoE '^#include "[a-z0-9_/]+\.h"' core corvane platform settings renderer host dialogs app |
         sed -E 's/#include "(.*)"$/\1/')

# The host drives the dialogs' windows only through functions it is handed:
# nothing under host/ includes the forms layer or a Qt Widgets header (the
# names in Qt's QtWidgets folder when it is given, and always the module's
# own paths and the two classes the host once used).
widgets_headers='QWidget
QApplication'
if [ -n "$widgets_dir" ] && [ -d "$widgets_dir" ]; then
  widgets_headers=$(ls "$widgets_dir")
fi
while IFS=: read -r file line target; do
  case $target in
    '"platform/forms/'* | '<QtWidgets>' | '<QtWidgets/'*) ;;
    *) grep -qxF "${target:1:-1}" <<<"$widgets_headers" || continue ;;
  esac
  echo "$file:$line includes $target (host may not include the forms layer or Qt Widgets)"
  broken=$((broken + 1))
done < <(grep -rnoE '^#include [<"][^>"]+[>"]' host | sed -E 's/#include //')

# The host sees the window system only through platform/display's own
# types: nothing under host/ includes SDL.
while IFS=: read -r file line target; do
  echo "$file:$line includes $target (host may not include SDL)"
  broken=$((broken + 1))
done < <(grep -rnoE '^#include [<"](SDL2/)?SDL[^>"]*[>"]' host | sed -E 's/#include //')

echo "include rule: $broken broken"
[ "$broken" -eq 0 ]
