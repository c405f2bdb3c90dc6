#!/usr/bin/env bash
# Runs every benchmark program built into the given folder, one after another,
# then measures the saver's processor time per frame beside fireworkx's
# (bench/saver_cpu.sh).
set -euo pipefail
bin=${1:?usage: bench/run.sh <bin folder>}
found=0
for b in "$bin"/bench-*; do
  [ -x "$b" ] || continue
  found=1
  echo "== $(basename "$b")"
  "$b"
done
[ $found -eq 1 ] || echo "no benchmarks built yet"
echo "== saver-cpu"
bash "$(dirname "$0")/saver_cpu.sh" "$bin"
