#!/usr/bin/env bash
# The saver's processor time per frame, the program's and the X server's
# together, on a private Xvfb at 1920x1080x24 and 3840x2160x24, beside the
# peer screen saver fireworkx ("fireworkx -root", Debian's
# xscreensaver-data-extra, installed here when missing) in the same run. The
# two run in turn, ROUNDS times each, so both see the same load on a shared
# machine; processor time (utime + stime from /proc), not wall time, is
# compared. One line per run and one summary per size:
#   saver-cpu <W>x<H> round <n>: orbweave_ms=<ms> (<program> + X <server>) fps=<frames/s>
#     fireworkx_ms=<ms> (<program> + X <server>) fps=<frames/s> ratio=<o/f> load=<1-minute load>
#   saver-cpu <W>x<H>: orbweave_ms=<ms> fireworkx_ms=<ms> ratio=<o/f> (<n> rounds)
# Frames are counted by the programs themselves: orbweave's trace
# (ORBWEAVE_TRACE) writes a line per frame, and the peer, which shows each
# frame with one XPutImage, is counted by put-image-counter.so.
#   saver_cpu.sh <bin folder> [<earlier bin folder>]
# With an earlier build's folder (orbweave and libcorvane.so), that build runs
# in each round too, as "before_ms", and the line ends with "after/before".
# ROUNDS, SIZES ("1920x1080 ..."), WARM_FRAMES and MEASURED_FRAMES override
# the defaults.
set -uo pipefail
bin=${1:?usage: bench/saver_cpu.sh <bin folder> [<earlier bin folder>]}
before_bin=${2:-}
bin=$(cd "$bin" && pwd) || exit 1
[ -z "$before_bin" ] || before_bin=$(cd "$before_bin" && pwd) || exit 1
readonly rounds=${ROUNDS:-2}
read -ra sizes <<<"${SIZES:-1920x1080 3840x2160}"
# Frames before measuring (the first universe forms during the first ones),
# then frames measured.
readonly warm_frames=${WARM_FRAMES:-200}
readonly measured_frames=${MEASURED_FRAMES:-400}
# Seconds before a wait gives up: far beyond any run, however loaded the machine.
readonly guard=300

program=$bin/orbweave
counter=$bin/put-image-counter.so
for need in Xvfb; do
  command -v "$need" >/dev/null || { echo "saver-cpu: skipped, $need is missing"; exit 0; }
done
[ -x "$program" ] && [ -e "$bin/libcorvane.so" ] || { echo "saver-cpu: skipped, orbweave is not built"; exit 0; }
[ -z "$before_bin" ] || [ -x "$before_bin/orbweave" ] || { echo "saver-cpu: no orbweave in $before_bin"; exit 1; }

find_peer() {
  local path
  for path in /usr/libexec/xscreensaver/fireworkx /usr/lib/xscreensaver/fireworkx "$(command -v fireworkx)"; do
    [ -n "$path" ] && [ -x "$path" ] && { echo "$path"; return 0; }
  done
  return 1
}
install_peer() {
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo -n)
  echo "saver-cpu: installing xscreensaver-data-extra for fireworkx"
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    xscreensaver-data-extra >/dev/null 2>&1 ||
    { "${sudo[@]}" apt-get update -qq >/dev/null 2>&1 &&
      DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        xscreensaver-data-extra >/dev/null 2>&1; }
}
peer=$(find_peer) || { install_peer; peer=$(find_peer); } || peer=
[ -n "$peer" ] && [ ! -e "$counter" ] && { echo "saver-cpu: put-image-counter.so is not built"; peer=; }
[ -n "$peer" ] || echo "saver-cpu: fireworkx is not available, the saver is measured alone"

work=$(mktemp -d)
xvfb_pid= run_pid=
stop() { [ -n "$1" ] && kill "$1" 2>/dev/null && wait "$1" 2>/dev/null; }
cleanup() {
  stop "$run_pid"; stop "$xvfb_pid"
  rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME=$work/config XDG_CONFIG_DIRS=$work/machine XDG_DATA_HOME=$work/data
unset XDG_RUNTIME_DIR
mkdir -p "$work/run"
readonly ticks_per_second=$(getconf CLK_TCK)

now_ms() { date +%s%3N; }
# cpu_ticks <pid>: utime + stime, read after the name (which may hold blanks).
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
running() { [ -n "$run_pid" ] && kill -0 "$run_pid" 2>/dev/null; }
# frames: what the running program has counted so far (see the header).
frames() {
  if [ "$kind" != fireworkx ]; then
    awk '{ n = $1 } END { print n + 0 }' "$work/trace"
  else
    awk '{ n = $1 } END { print n + 0 }' "$work/count" 2>/dev/null || echo 0
  fi
}
# wait_frames <n>: true once the program has counted n frames.
wait_frames() {
  local end=$(($(now_ms) + guard * 1000))
  until [ "$(frames)" -ge "$1" ]; do
    running && [ "$(now_ms)" -lt "$end" ] || return 1
    sleep 0.05
  done
}

start_program() {
  if [ "$kind" != fireworkx ]; then
    local saver=$program
    [ "$kind" = before ] && saver=$before_bin/orbweave
    : >"$work/trace"
    (cd "$work/run" && ORBWEAVE_TRACE=$work/trace exec "$saver" /S) >"$work/out.log" 2>&1 &
  else
    rm -f "$work/count"
    PUT_IMAGE_COUNT=$work/count LD_PRELOAD=$counter "$peer" -root >"$work/out.log" 2>&1 &
  fi
  run_pid=$!
}

# measure <kind>: prints "<ms per frame> <frames per second> <program's ms>
# <server's ms>", or nothing when the program failed.
measure() {
  kind=$1
  start_program
  if ! wait_frames "$warm_frames"; then
    echo "saver-cpu: $kind did not reach frame $warm_frames" >&2; cat "$work/out.log" >&2
    stop "$run_pid"; run_pid=; return
  fi
  local f0 p0 x0 t0 f1 p1 x1 t1
  f0=$(frames) p0=$(cpu_ticks "$run_pid") x0=$(cpu_ticks "$xvfb_pid") t0=$(now_ms)
  if wait_frames $((f0 + measured_frames)); then
    f1=$(frames) p1=$(cpu_ticks "$run_pid") x1=$(cpu_ticks "$xvfb_pid") t1=$(now_ms)
    awk -v f=$((f1 - f0)) -v own=$((p1 - p0)) -v server=$((x1 - x0)) -v hz="$ticks_per_second" -v ms=$((t1 - t0)) \
      'BEGIN { printf "%.2f %.1f %.2f %.2f\n", 1000 * (own + server) / hz / f, 1000 * f / ms, 1000 * own / hz / f, 1000 * server / hz / f }'
  else
    echo "saver-cpu: $kind ended before frame $((f0 + measured_frames))" >&2; cat "$work/out.log" >&2
  fi
  stop "$run_pid"; run_pid=
}

start_xvfb() {
  rm -f "$work/displayfd"; mkfifo "$work/displayfd"
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$work/displayfd" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  local display=
  read -r -t 60 display <"$work/displayfd" || true
  [ -n "$display" ] || { echo "saver-cpu: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
  export DISPLAY=:$display SDL_VIDEODRIVER=x11 QT_QPA_PLATFORM=offscreen
}

for size in "${sizes[@]}"; do
  start_xvfb "$size"
  own_total=0 peer_total=0 counted=0
  for round in $(seq 1 "$rounds"); do
    read -r own own_fps own_program own_server <<<"$(measure orbweave)"
    line="saver-cpu $size round $round: orbweave_ms=${own:-failed} (${own_program:-0} + X ${own_server:-0}) fps=${own_fps:-0}"
    if [ -n "$before_bin" ]; then
      read -r before before_fps before_program before_server <<<"$(measure before)"
      line+=" before_ms=${before:-failed} (${before_program:-0} + X ${before_server:-0}) fps=${before_fps:-0}"
      [ -n "$own" ] && [ -n "$before" ] &&
        line+=" after/before=$(awk -v a="$own" -v b="$before" 'BEGIN { printf "%.3f", a / b }')"
    fi
    if [ -n "$peer" ]; then
      read -r other other_fps other_program other_server <<<"$(measure fireworkx)"
      line+=" fireworkx_ms=${other:-failed} (${other_program:-0} + X ${other_server:-0}) fps=${other_fps:-0}"
      if [ -n "$own" ] && [ -n "$other" ]; then
        line+=" ratio=$(awk -v a="$own" -v b="$other" 'BEGIN { printf "%.3f", a / b }')"
        own_total=$(awk -v s="$own_total" -v a="$own" 'BEGIN { print s + a }')
        peer_total=$(awk -v s="$peer_total" -v a="$other" 'BEGIN { print s + a }')
        counted=$((counted + 1))
      fi
    fi
    # Other work on the machine moves every figure: the load goes with them.
    echo "$line load=$(cut -d' ' -f1 /proc/loadavg)"
  done
  if [ "$counted" -gt 0 ]; then
    awk -v s="$size" -v a="$own_total" -v b="$peer_total" -v n="$counted" \
      'BEGIN { printf "saver-cpu %s: orbweave_ms=%.2f fireworkx_ms=%.2f ratio=%.3f (%d rounds)\n", s, a / n, b / n, a / b, n }'
  fi
  stop "$xvfb_pid"; xvfb_pid=
done
