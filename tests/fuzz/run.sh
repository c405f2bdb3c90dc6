#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build at once, each for a number of seconds,
# from a work corpus under the build folder that starts as a copy of the
# committed corpus (tests/fuzz/corpus/<target>, only read; its ".hex" files,
# inputs that are not text, decoded) and keeps what the run discovers.
#   tests/fuzz/run.sh <build folder> <seconds>
# Prints each target's last line ("#N DONE ... exec/s") and the inputs that
# failed; the exit status is 1 when any target failed.
set -uo pipefail

build=${1:?build folder}
seconds=${2:?seconds}
source_dir=$(cd "$(dirname "$0")" && pwd)
targets=(template_text command_line setting_numbers point_text)

# seed_corpus <target>: the committed inputs into the work corpus.
seed_corpus() {
  local file
  for file in "$source_dir/corpus/$1"/*; do
    case $file in
    *.hex) perl -0777 -ne 's/\s//g; print pack("H*", $_)' "$file" >"$build/corpus/$1/$(basename "$file" .hex)" ;;
    *) cp "$file" "$build/corpus/$1/" ;;
    esac
  done
}

pids=()
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target" "$build/crashes/$target" "$build/logs"
  seed_corpus "$target"
  "$build/bin/fuzz-$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$target/" \
    "$build/corpus/$target" >"$build/logs/$target.log" 2>&1 &
  pids+=($!)
done

status=0
for i in "${!targets[@]}"; do
  target=${targets[$i]}
  if wait "${pids[$i]}"; then
    echo "$target: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$build/logs/$target.log" | tail -1)"
  else
    status=1
    echo "$target: FAILED (log: $build/logs/$target.log)"
    grep -E 'ERROR|fuzz check failed|Test unit written' "$build/logs/$target.log" | sed 's/^/  /'
  fi
done
if [ "$status" -ne 0 ]; then
  echo "Copy each failing input into tests/fuzz/corpus/<target>/ once it is fixed (as <name>.hex when it is not"
  echo "text: perl -0777 -ne 'print unpack(\"H*\", \$_)' <input >name.hex), so that make test replays it."
fi
exit "$status"
