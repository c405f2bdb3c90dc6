#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build at once, each for a number of seconds,
# from its committed corpus (tests/fuzz/corpus/<target>, only read) and a work
# corpus under the build folder that keeps what the run discovers.
#   tests/fuzz/run.sh <build folder> <seconds>
# Prints each target's last line ("#N DONE ... exec/s") and the inputs that
# failed; the exit status is 1 when any target failed.
set -uo pipefail

build=${1:?build folder}
seconds=${2:?seconds}
source_dir=$(cd "$(dirname "$0")" && pwd)
targets=(template_text command_line setting_numbers point_text)

pids=()
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target" "$build/crashes/$target" "$build/logs"
  "$build/bin/fuzz-$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$target/" \
    "$build/corpus/$target" "$source_dir/corpus/$target" >"$build/logs/$target.log" 2>&1 &
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
  echo "Copy each failing input into tests/fuzz/corpus/<target>/ once it is fixed, so that make test replays it."
fi
exit "$status"
