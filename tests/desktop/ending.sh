#!/usr/bin/env bash
# The program ended from outside while another copy holds the settings file's lock: by
# SIGTERM (a shutdown, kill), and by its X server going away (a logout). The writes of a
# first start (card size, sound version, sound mask) are then kept back in memory; the
# other copy lets go of the lock 3 s later, and the writes must be in the file once the
# program has ended.
#
#   ending.sh <pellamy executable> <settings writer of the platform tests (IniWriter)>
set -uo pipefail

APP=${1:?usage: ending.sh <pellamy executable> <IniWriter>}
WRITER=${2:?usage: ending.sh <pellamy executable> <IniWriter>}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/pellamy-ending.XXXXXX")
PIDS=()

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "-- $*"; }
cleanup() {
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill -9 "${PIDS[i]}" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || fail "'$tool' is not installed (run scripts/install-deps.sh)"
done
[ -x "$APP" ] || fail "no program at $APP"
[ -x "$WRITER" ] || fail "no settings writer at $WRITER"

wait_for() {  # wait_for <what> <command...>: retries for up to 10 s
  local what=$1; shift
  for _ in $(seq 200); do "$@" >/dev/null && return 0; sleep 0.05; done
  fail "timed out waiting for $what"
}
ended() { ! kill -0 "$1" 2>/dev/null; }
key() {  # key <file> <section> <key>: the value, or nothing
  tr -d '\r' <"$1" | awk -v s="[$2]" -v k="$3" '$0 == s {f = 1; next} /^\[/ {f = 0} f && index($0, k "=") == 1 {print substr($0, length(k) + 2); exit}'
}

# run <case> <how>: how is "term" (SIGTERM to the program) or "xloss" (Xvfb killed).
run() {
  local name=$1 how=$2 dir="$WORK/$1"
  local ini="$dir/config/Orrindale/Pellamy.ini"
  mkdir -p "$(dirname "$ini")"

  exec 3>"$dir/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
  local xvfb=$!
  PIDS+=("$xvfb")
  exec 3>&-
  wait_for "Xvfb" test -s "$dir/display"
  export DISPLAY=":$(head -1 "$dir/display")"

  # The other copy takes the lock and keeps it until it reads a line.
  mkfifo "$dir/go"
  "$WRITER" "$ini" hold <"$dir/go" >"$dir/holder.log" 2>&1 &
  local holder=$!
  PIDS+=("$holder")
  exec 4>"$dir/go"
  wait_for "the other copy to hold the lock" grep -q held "$dir/holder.log"

  # A first run: the start-up writes are made before the tip of the day shows.
  XDG_CONFIG_HOME="$dir/config" QT_QPA_PLATFORM=xcb "$APP" >"$dir/app.log" 2>&1 &
  local app=$!
  PIDS+=("$app")
  wait_for "the tip of the day" xdotool search --onlyvisible --name '^Pellamy! Tips$'

  if [ "$how" = term ]; then
    kill -TERM "$app"
  else
    kill -9 "$xvfb"
    wait "$xvfb" 2>/dev/null
  fi
  sleep 3
  ended "$app" || note "$name: the program waits for the lock"
  echo >&4
  exec 4>&-
  wait "$holder" || fail "$name: the other copy could not write: $(cat "$dir/holder.log")"
  for _ in $(seq 200); do ended "$app" && break; sleep 0.05; done
  ended "$app" || fail "$name: the program did not end within 10 s of the lock's release"
  wait "$app"
  local status=$?
  if [ "$how" = term ]; then
    kill -9 "$xvfb"
    wait "$xvfb" 2>/dev/null
  fi

  [ -f "$ini" ] || fail "$name: no settings file (status $status): $(cat "$dir/app.log")"
  local keys
  keys=$(tr -d '\r' <"$ini" | grep -c '=')
  note "$name: status $status, $keys keys on disk: $(tr -d '\r' <"$ini" | tr '\n' ' ')"
  if [ "$how" = term ]; then
    [ "$status" = 0 ] || fail "$name: ended with status $status, not as Quit does"
  else
    [ "$status" -lt 128 ] || fail "$name: killed by signal $((status - 128)) without saving"
  fi
  for k in CardSize SndVer SoundMask; do
    [ -n "$(key "$ini" Preferences "$k")" ] || fail "$name: [Preferences] $k is not in the file: $(cat "$dir/app.log")"
  done
  [ "$(key "$ini" Holder Key)" = 1 ] || fail "$name: the other copy's write is lost"
  grep -q "not saved" "$dir/app.log" && fail "$name: $(cat "$dir/app.log")"
  return 0
}

run sigterm term
run xloss xloss
echo "PASS"
