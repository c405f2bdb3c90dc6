# Sourced by every end-to-end script: the clock and the one wait they share.
# Scripts wait for a state (a window, a picture, a line, the end of a
# process), never for a time; the guard only keeps a hung run from hanging
# the test.

# Seconds before a wait gives up: far beyond any run, however loaded the machine.
readonly guard=60

now_ms() { date +%s%3N; }

# until_true <command...>: true once the command holds, false after the guard.
until_true() {
  local end=$(($(now_ms) + guard * 1000))
  until "$@"; do
    [ "$(now_ms)" -lt "$end" ] || return 1
    sleep 0.05
  done
}
