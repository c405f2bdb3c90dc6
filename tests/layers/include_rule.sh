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

# found <lines>: prints each include that breaks a rule, with why, and counts it.
broken=0
found() {
  [ -n "$1" ] || return 0
  echo "$1"
  broken=$((broken + $(wc -l <<<"$1")))
}

found "$(grep -rnoE '^#include "[a-z0-9_/]+\.h"' core corvane platform settings renderer host dialogs app |
  sed -E 's/#include "(.*)"$/\1/' | awk -F: -v rooms="$rooms" '
    BEGIN { n = split(rooms, line, "\n"); for (i = 1; i <= n; ++i) if (split(line[i], f, " ") == 2) rank[f[1]] = f[2] }
    function room(path,   r, best) { for (r in rank) if (index(path, r "/") == 1 && length(r) > length(best)) best = r; return best }
    { from = room($1); to = room($3) }
    from != "" && to != "" && from != to && rank[to] >= rank[from] {
      print $1 ":" $2 " includes " $3 " (" from " may not include " to ")"
    }')"

# The forms layer and Qt Widgets (the names in Qt's QtWidgets folder when it
# is given, and always the module's own paths and its two commonest classes)
# are for the windows' code alone: dialogs/, platform/forms/, app/ and the
# tools that show windows. Everything else is scanned.
widgets=$([ -d "$widgets_dir" ] && ls "$widgets_dir" || printf 'QWidget\nQApplication')
found "$(grep -rnoE '^#include [<"][^>"]+[>"]' core corvane platform settings renderer host tools bench |
  grep -vE '^(platform/forms|tools/dialog-shot|tools/forms-demo)/' | sed -E 's/#include //' |
  awk -F: -v names="$widgets" 'BEGIN { n = split(names, list, "\n"); for (i = 1; i <= n; ++i) widget[list[i]] = 1 }
    { name = substr($3, 2, length($3) - 2) }
    name ~ /^platform\/forms\// || name ~ /^QtWidgets(\/|$)/ || name in widget {
      print $1 ":" $2 " includes " $3 " (only the windows may include the forms layer or Qt Widgets)"
    }')"

# The host sees the window system only through platform/display's own
# types: nothing under host/ includes SDL.
found "$(grep -rnoE '^#include [<"](SDL2/)?SDL[^>"]*[>"]' host | sed -E 's/^([^:]*:[0-9]+):#include (.*)$/\1 includes \2 (host may not include SDL)/')"

echo "include rule: $broken broken"
[ "$broken" -eq 0 ]
