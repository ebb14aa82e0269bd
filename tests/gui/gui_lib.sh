# Shared steps of the end-to-end tests: the clock under Wine on the test display.
set -euo pipefail
DIST=$1
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WINE_RUN=$HERE/../../tools/wine-run
EXE=$DIST/OrmelClock.exe
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

win_path() { echo "Z:$(realpath -m "$1" | sed 's|/|\\|g')"; }

# Waits for the clock's window; prints its id.
wait_for_window() {
  local i id
  for i in $(seq 150); do
    id=$(xdotool search --name '^Ormel Clock$' 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Waits up to $2 tenths of a second for process $1 to end; returns its exit code.
wait_for_exit() {
  local pid=$1 i
  for i in $(seq "$2"); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid"; return $?; }
    sleep 0.1
  done
  return 124
}
