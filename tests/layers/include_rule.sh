#!/usr/bin/env bash
# The include rules of docs/architecture.md. Every include of ours points down
# the layers: a file includes its own room and the rooms below it, never a room
# above it or a sibling of its own rank. Only the windows' code includes the
# forms layer or Qt Widgets, and the host includes no SDL. Prints each include
# that breaks a rule and fails when there is one.
set -u
root=${1:?usage: include_rule.sh <source root> [Qt Widgets include folder]}
widgets_dir=${2:-}
cd "$root" || exit 1

# room rank, lowest first. A file belongs to the longest room its path starts
# with; a file directly under renderer/ belongs to the renderer's top room.
rooms='
core 0
corvane 0
platform/system 1
platform/window 1
platform/registry 2
platform/display 2
platform/forms 2
settings 3
renderer/display 4
renderer/galaxy 5
renderer/universe 6
renderer 6
renderer/headless 7
host 8
dialogs/common 9
dialogs/properties 10
dialogs/editors 10
dialogs/info 10
app 11
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

# The forms layer and Qt Widgets (the names in Qt's QtWidgets folder when it
# is given, and always the module's own paths and its two commonest classes)
# are for the windows' code alone: dialogs/, platform/forms/, app/ and the
# tools that show windows. Everything else is scanned.
widgets_headers='QWidget
QApplication'
if [ -n "$widgets_dir" ] && [ -d "$widgets_dir" ]; then
  widgets_headers=$(ls "$widgets_dir")
fi
widgets_includes=$(grep -rnoE '^#include [<"][^>"]+[>"]' core corvane platform settings renderer host tools bench |
  grep -vE '^(platform/forms|tools/dialog-shot|tools/forms-demo)/' |
  awk -F: -v names="$widgets_headers" '
    BEGIN { n = split(names, list, "\n"); for (i = 1; i <= n; ++i) widgets[list[i]] = 1 }
    { target = substr($3, 10); name = substr(target, 2, length(target) - 2) }
    name ~ /^platform\/forms\// || name ~ /^QtWidgets(\/|$)/ || name in widgets {
      print $1 ":" $2 " includes " target " (only the windows may include the forms layer or Qt Widgets)"
    }')
if [ -n "$widgets_includes" ]; then
  echo "$widgets_includes"
  broken=$((broken + $(wc -l <<<"$widgets_includes")))
fi

# The host sees the window system only through platform/display's own
# types: nothing under host/ includes SDL.
while IFS=: read -r file line target; do
  echo "$file:$line includes $target (host may not include SDL)"
  broken=$((broken + 1))
done < <(grep -rnoE '^#include [<"](SDL2/)?SDL[^>"]*[>"]' host | sed -E 's/#include //')

echo "include rule: $broken broken"
[ "$broken" -eq 0 ]
