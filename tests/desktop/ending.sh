#!/usr/bin/env bash
# The program ended from outside while another copy holds the settings file's lock: by
# SIGTERM followed by SIGHUP (a logout sends both), and by its X server going away. The
# writes of a first start (card size, sound version, sound mask) are then kept back in
# memory; the other copy lets go of the lock 3 s later, and the writes must be in the file
# once the program has ended. A second Ctrl+C while it waits ends it at once, naming the
# settings it could not save.
#
# Then, under openbox, SIGTERM while a game window shows a question, one of its dialogs,
# its own close question, a menu or a drag: the program ends as Quit answered "end" does, with
# status 0, the deal counted and every window's place stored. It ends by answering what is
# open, at once: not by its fallback, which leaves every event loop 3 s after the signal.
#
# Last, a start on a share that refuses reads while another copy holds the lock (SMB), the
# other copy holding it 3 s: start-up waits for the file and the player's settings hold.
#
#   ending.sh <pellamy executable> <settings writer of the platform tests (IniWriter)>
#             <library of the share's read rule, to preload>
set -uo pipefail

APP=${1:?usage: ending.sh <pellamy executable> <IniWriter>}
WRITER=${2:?usage: ending.sh <pellamy executable> <IniWriter> <share rules>}
SHARE=${3:?usage: ending.sh <pellamy executable> <IniWriter> <share rules>}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/pellamy-ending.XXXXXX")
PIDS=()
# In a sanitizer build the preloaded share rules come before the sanitizer's runtime,
# which it refuses to start with unless told that the order is meant.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "-- $*"; }
cleanup() {
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill -9 "${PIDS[i]}" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

for tool in Xvfb openbox xdotool xprop; do
  command -v "$tool" >/dev/null || fail "'$tool' is not installed (run scripts/install-deps.sh)"
done
[ -x "$APP" ] || fail "no program at $APP"
[ -x "$WRITER" ] || fail "no settings writer at $WRITER"
[ -f "$SHARE" ] || fail "no share rules library at $SHARE"

wait_for() {  # wait_for <what> <command...>: retries for up to 10 s
  local what=$1; shift
  for _ in $(seq 200); do "$@" >/dev/null && return 0; sleep 0.05; done
  fail "timed out waiting for $what"
}
ended() { ! kill -0 "$1" 2>/dev/null; }
now_us() { local t=$EPOCHREALTIME; echo "${t//[!0-9]/}"; }
key() {  # key <file> <section> <key>: the value, or nothing
  tr -d '\r' <"$1" | awk -v s="[$2]" -v k="$3" '$0 == s {f = 1; next} /^\[/ {f = 0} f && index($0, k "=") == 1 {print substr($0, length(k) + 2); exit}'
}

source "$(dirname "${BASH_SOURCE[0]}")/x-session.sh"

# hold <folder> <settings file> [library to preload]: another copy takes the lock and keeps
# it until a line is written to descriptor 4; sets HOLDER.
hold() {
  local dir=$1 ini=$2 preload=${3:-}
  mkfifo "$dir/go"
  LD_PRELOAD="$preload" "$WRITER" "$ini" hold <"$dir/go" >"$dir/holder.log" 2>&1 &
  HOLDER=$!
  PIDS+=("$HOLDER")
  exec 4>"$dir/go"
  wait_for "the other copy to hold the lock" grep -q held "$dir/holder.log"
}

# run <case> <how>: how is "term" (SIGTERM, then SIGHUP, to the program), "int2" (Ctrl+C
# twice) or "xloss" (Xvfb killed).
run() {
  local name=$1 how=$2 dir="$WORK/$1"
  local ini="$dir/config/Orrindale/Pellamy.ini"
  mkdir -p "$(dirname "$ini")"

  x_start "$dir" 1280x1024
  local xvfb=$XVFB

  hold "$dir" "$ini"
  local holder=$HOLDER

  # A first run: the start-up writes are made before the tip of the day shows. A script
  # starts its background jobs with Ctrl+C ignored; a terminal's would not be.
  XDG_CONFIG_HOME="$dir/config" QT_QPA_PLATFORM=xcb env --default-signal=INT "$APP" >"$dir/app.log" 2>&1 &
  local app=$!
  PIDS+=("$app")
  wait_for "the tip of the day" xdotool search --onlyvisible --name '^Pellamy! Tips$'

  case $how in
    term) kill -TERM "$app"; sleep 0.3; kill -HUP "$app" ;;
    int2)
      kill -INT "$app"
      sleep 0.5
      ended "$app" && fail "$name: the first Ctrl+C did not wait for the settings"
      local start
      start=$(now_us)
      kill -INT "$app"
      for _ in $(seq 50); do ended "$app" && break; sleep 0.02; done
      ended "$app" || fail "$name: a second Ctrl+C did not end the program at once"
      local took=$((($(now_us) - start) / 1000))
      wait "$app"
      local status=$?
      note "$name: status $status, ended ${took} ms after the second Ctrl+C: $(grep "not saved" "$dir/app.log")"
      [ "$status" = 130 ] || fail "$name: ended with status $status, not as by Ctrl+C (130)"
      # What it could not save is named, as the flush at a normal end names it.
      grep -F "settings not saved to $ini" "$dir/app.log" | grep -qF "[Preferences]" ||
        fail "$name: the kept-back settings were dropped without a word: $(cat "$dir/app.log")"
      echo >&4
      exec 4>&-
      wait "$holder"
      kill -9 "$xvfb"
      wait "$xvfb" 2>/dev/null
      return 0
      ;;
    *) kill -9 "$xvfb"; wait "$xvfb" 2>/dev/null ;;
  esac
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

# in_state <case> <state>: Aces Up opens at start; two rows dealt from its stock are eight
# moves. Then the state is brought about and SIGTERM sent.
in_state() {
  local name=$1 state=$2 dir="$WORK/$1"
  local ini="$dir/config/Orrindale/Pellamy.ini"
  mkdir -p "$(dirname "$ini")"
  printf '[Preferences]\r\nShowTips=0\r\nRestoreLastGame=1\r\nLastGame=0\r\nCardSize=1\r\nDisableSound=1\r\n' >"$ini"
  x_start "$dir" 1280x1024
  wm_start "$dir"

  XDG_CONFIG_HOME="$dir/config" QT_QPA_PLATFORM=xcb "$APP" >"$dir/app.log" 2>&1 &
  local app=$! game
  PIDS+=("$app")
  wait_for "the Aces Up window" xdotool search --onlyvisible --name '^Aces Up'
  game=$(xdotool search --onlyvisible --name '^Aces Up' | head -1)
  windows() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l; }
  more_windows() { [ "$(windows)" -gt "$1" ]; }
  sleep 0.5
  xdotool windowactivate --sync "$game"
  local shown
  shown=$(windows)
  xdotool mousemove --window "$game" 60 60
  for _ in 1 2; do sleep 0.6; xdotool click 1; done  # apart, so no double click
  sleep 0.3
  case $state in
    newgame) xdotool key ctrl+n ;;
    restart) xdotool key ctrl+y ;;
    options) xdotool key ctrl+o ;;
    statistics) xdotool key ctrl+s ;;
    selectgame) xdotool key ctrl+g ;;
    closequestion) xdotool key alt+F4 ;;
    menu) xdotool mousemove --window "$game" 600 300 click 3 ;;
    drag)
      xdotool mousemove --window "$game" 200 100 mousedown 1
      for at in 220,130 260,200 320,300; do sleep 0.1; xdotool mousemove --window "$game" "${at%,*}" "${at#*,}"; done
      ;;
  esac
  [ "$state" = drag ] || wait_for "the $state window" more_windows "$shown"
  sleep 0.3
  local start took
  start=$(now_us)
  kill -TERM "$app"
  for _ in $(seq 500); do ended "$app" && break; sleep 0.02; done
  ended "$app" || fail "$name: the program did not end within 10 s of SIGTERM"
  took=$((($(now_us) - start) / 1000))
  wait "$app"
  local status=$?
  xdotool mouseup 1 2>/dev/null
  x_stop
  note "$name: status $status, ended ${took} ms after SIGTERM; [AcesUp] GamesAttempted=$(key "$ini" AcesUp GamesAttempted)" \
       "NormPos=$(key "$ini" AcesUp NormPos); [MainWindow] NormPos=$(key "$ini" MainWindow NormPos)"
  [ "$status" = 0 ] || fail "$name: ended with status $status, not as Quit does: $(tail -3 "$dir/app.log")"
  # Answering what is open ends the program at once; the fallback waits 3 s and says so.
  # The margin is for a busy machine.
  grep -q "did not return within" "$dir/app.log" && fail "$name: the fallback ended it: $(cat "$dir/app.log")"
  [ "$took" -le 2000 ] || fail "$name: ended $took ms after SIGTERM, not at once"
  [ "$(key "$ini" AcesUp GamesAttempted)" = 1 ] || fail "$name: the deal in progress was not counted once"
  [ -n "$(key "$ini" AcesUp NormPos)" ] || fail "$name: the game window's place was not stored"
  [ -n "$(key "$ini" MainWindow NormPos)" ] || fail "$name: the main window's place was not stored"
  return 0
}

# end_by_term <case> <program> <folder> <settings file>: SIGTERM, and the program ends as
# Quit does within 10 s; then its X server goes.
end_by_term() {
  local name=$1 app=$2 dir=$3 ini=$4
  kill -TERM "$app"
  for _ in $(seq 200); do ended "$app" && break; sleep 0.05; done
  ended "$app" || fail "$name: the program did not end within 10 s of SIGTERM"
  wait "$app"
  local status=$?
  x_stop
  note "$name: status $status: $(tr -d '\r' <"$ini" | tr '\n' ' ')"
  [ "$status" = 0 ] || fail "$name: ended with status $status: $(cat "$dir/app.log")"
}

# on_share: the player turned the tip of the day off and chose small cards; the program
# starts while another copy holds the lock for 3 s, every process under the share's rule.
on_share() {
  local name=share dir="$WORK/share"
  local ini="$dir/config/Orrindale/Pellamy.ini"
  mkdir -p "$(dirname "$ini")"
  printf '[Preferences]\r\nShowTips=0\r\nCardSize=0\r\nRestoreLastGame=0\r\n' >"$ini"
  x_start "$dir" 1280x1024
  hold "$dir" "$ini" "$SHARE"
  local holder=$HOLDER
  XDG_CONFIG_HOME="$dir/config" LD_PRELOAD="$SHARE" QT_QPA_PLATFORM=xcb "$APP" >"$dir/app.log" 2>&1 &
  local app=$!
  PIDS+=("$app")
  sleep 3
  echo >&4
  exec 4>&-
  wait "$holder" || fail "$name: the other copy could not write: $(cat "$dir/holder.log")"
  wait_for "the main window" xdotool search --onlyvisible --name '^Pellamy!$'
  sleep 1
  xdotool search --onlyvisible --name '^Pellamy! Tips$' >/dev/null &&
    fail "$name: the tip of the day shows, though the player turned it off"
  end_by_term "$name" "$app" "$dir" "$ini"
  # The read waited for the file: it never gave up and went on with defaults.
  grep -q "stays locked" "$dir/app.log" && fail "$name: start-up took defaults: $(cat "$dir/app.log")"
  for k in ShowTips CardSize RestoreLastGame; do
    [ "$(key "$ini" Preferences "$k")" = 0 ] || fail "$name: the player's $k was replaced: $(tr -d '\r' <"$ini")"
  done
  [ "$(key "$ini" Holder Key)" = 1 ] || fail "$name: the other copy's write is lost"
}

# defaults_on_share <case> <change>: the player's settings differ from the defaults; the
# program starts on the share while another copy holds the lock for 7 s, longer than
# start-up waits, so it goes on with defaults. Once the lock is free the player closes the
# tip of the day, opens the options and closes them: unchanged ("none"), or with the first
# card back chosen ("back"). No stored value but that choice is replaced, the main window's
# place included.
defaults_on_share() {
  local name=$1 change=$2 dir="$WORK/$1"
  local ini="$dir/config/Orrindale/Pellamy.ini"
  mkdir -p "$(dirname "$ini")"
  printf '[Preferences]\r\nShowTips=0\r\nCardSize=0\r\nBackIndex=3\r\nDisableSound=1\r\nRestoreLastGame=0\r\nDoAnimation=0\r\nSkipConfirms=1\r\nAutoplaySpeed=120\r\n[MainWindow]\r\nNormPos=20,30,342,359\r\n' >"$ini"
  cp "$ini" "$dir/before.ini"
  x_start "$dir" 1280x1024
  wm_start "$dir"
  hold "$dir" "$ini" "$SHARE"
  local holder=$HOLDER start
  start=$(now_us)
  XDG_CONFIG_HOME="$dir/config" LD_PRELOAD="$SHARE" QT_QPA_PLATFORM=xcb "$APP" >"$dir/app.log" 2>&1 &
  local app=$!
  PIDS+=("$app")
  wait_for "start-up to go on with defaults" grep -q "stays locked" "$dir/app.log"
  while [ $((($(now_us) - start) / 1000)) -lt 7000 ]; do sleep 0.1; done
  echo >&4
  exec 4>&-
  wait "$holder" || fail "$name: the other copy could not write: $(cat "$dir/holder.log")"
  wait_for "the tip of the day" xdotool search --onlyvisible --name '^Pellamy! Tips$'
  xdotool windowactivate --sync "$(xdotool search --onlyvisible --name '^Pellamy! Tips$' | head -1)" key Return
  local main options
  wait_for "the main window alone" eval '! xdotool search --onlyvisible --name "^Pellamy! Tips$"'
  main=$(xdotool search --onlyvisible --name '^Pellamy!$' | head -1)
  xdotool windowactivate --sync "$main" mousemove --window "$main" 270 80 click 1
  wait_for "the options" xdotool search --onlyvisible --name '^Pellamy Options$'
  options=$(xdotool search --onlyvisible --name '^Pellamy Options$' | head -1)
  sleep 0.3
  # The first back's radio button, below its picture on the first page.
  [ "$change" = back ] && xdotool mousemove --window "$options" 58 177 click 1 && sleep 0.3
  xdotool windowactivate --sync "$options" key Return
  wait_for "the options to close" eval '! xdotool search --onlyvisible --name "^Pellamy Options$"'
  end_by_term "$name" "$app" "$dir" "$ini"
  local replaced=()
  while IFS=$'\t' read -r s k v; do
    [ "$change" = back ] && [ "$k" = BackIndex ] && v=0
    [ "$(key "$ini" "$s" "$k")" = "$v" ] || replaced+=("[$s] $k=$v became '$(key "$ini" "$s" "$k")'")
  done < <(tr -d '\r' <"$dir/before.ini" | awk -F= '/^\[/ {s = substr($0, 2, length($0) - 2); next} NF > 1 {print s "\t" $1 "\t" substr($0, length($1) + 2)}')
  [ ${#replaced[@]} = 0 ] || fail "$name: ${#replaced[@]} stored values replaced: ${replaced[*]}"
  [ "$(key "$ini" Holder Key)" = 1 ] || fail "$name: the other copy's write is lost"
}

# quick_ctrl_c <case> <seconds>: Klondike opens at start; then another copy takes the lock
# and keeps it. Ctrl+C, and a second one that many seconds later, while the first write
# of the ending still waits for the lock: the program ends at once and names what it
# could not save.
quick_ctrl_c() {
  local name=$1 delay=$2 dir="$WORK/$1"
  local ini="$dir/config/Orrindale/Pellamy.ini"
  mkdir -p "$(dirname "$ini")"
  printf '[Preferences]\r\nShowTips=0\r\nRestoreLastGame=1\r\nLastGame=16\r\nCardSize=1\r\nDisableSound=1\r\n' >"$ini"
  x_start "$dir" 1280x1024
  XDG_CONFIG_HOME="$dir/config" QT_QPA_PLATFORM=xcb env --default-signal=INT "$APP" >"$dir/app.log" 2>&1 &
  local app=$!
  PIDS+=("$app")
  wait_for "the Klondike window" xdotool search --onlyvisible --name '^Klondike'
  hold "$dir" "$ini"
  local holder=$HOLDER
  kill -INT "$app"
  sleep "$delay"
  kill -INT "$app"
  for _ in $(seq 100); do ended "$app" && break; sleep 0.02; done
  ended "$app" || fail "$name: a second Ctrl+C did not end the program at once"
  wait "$app"
  local status=$?
  note "$name: status $status: $(grep "not saved" "$dir/app.log")"
  [ "$status" = 130 ] || fail "$name: ended with status $status, not as by Ctrl+C (130)"
  grep -F "settings not saved to $ini" "$dir/app.log" | grep -qF "[Klondike]" ||
    fail "$name: the unsaved settings were dropped without a word: $(cat "$dir/app.log")"
  echo >&4
  exec 4>&-
  wait "$holder"
  x_stop
}

run sigterm term
run ctrl-c-twice int2
run xloss xloss
for state in newgame restart options statistics selectgame closequestion menu drag; do in_state "$state" "$state"; done
on_share
defaults_on_share defaults-unchanged none
defaults_on_share defaults-one-change back
quick_ctrl_c ctrl-c-0.1s 0.1
quick_ctrl_c ctrl-c-0.3s 0.3

# file_size_limit <start|end>: the process's file-size limit (ulimit -f) is below the size
# of the settings file, which the player padded with notes of their own. The first save
# comes at start-up ("start": a first start's preferences) or at the ending ("end": the
# main window's place). Each save fails as on a full disk: the program runs on and ends as
# Quit does, the player's file whole and nothing left beside it.
file_size_limit() {
  local name="file-size-limit-$1" dir="$WORK/file-size-limit-$1"
  local ini="$dir/config/Orrindale/Pellamy.ini"
  mkdir -p "$(dirname "$ini")"
  {
    printf '[Preferences]\r\nShowTips=0\r\nRestoreLastGame=0\r\n'
    [ "$1" = end ] && printf 'CardSize=1\r\nSndVer=1\r\nSoundMask=3711\r\n'
    printf '[My notes]\r\n'
    for i in $(seq 60); do printf '; note %02d, kept here by the player, long enough to make the file grow\r\n' "$i"; done
  } >"$ini"
  cp "$ini" "$dir/player.ini"
  x_start "$dir" 1280x1024
  # bash counts the limit in blocks of 1024 bytes: 2 KB, below the file's 4 KB.
  (ulimit -f 2 && XDG_CONFIG_HOME="$dir/config" QT_QPA_PLATFORM=xcb exec "$APP") >"$dir/app.log" 2>&1 &
  local app=$!
  PIDS+=("$app")
  for _ in $(seq 200); do
    ended "$app" && break
    xdotool search --onlyvisible --name '^Pellamy!$' >/dev/null && break
    sleep 0.05
  done
  ended "$app" || { sleep 0.5; kill -TERM "$app"; }
  for _ in $(seq 200); do ended "$app" && break; sleep 0.05; done
  ended "$app" || fail "$name: the program did not end within 10 s of SIGTERM"
  wait "$app"
  local status=$? beside
  x_stop
  beside=$(ls -A "$(dirname "$ini")" | tr '\n' ' ')
  note "$name: status $status; in the settings folder: $beside"
  [ "$status" = 0 ] || fail "$name: ended with status $status, not as Quit does: $(cat "$dir/app.log")"
  cmp -s "$ini" "$dir/player.ini" || fail "$name: the player's settings file changed: $(tr -d '\r' <"$ini" | head -8)"
  [ "$beside" = "Pellamy.ini " ] || fail "$name: left beside the settings file: $beside"
}
file_size_limit start
file_size_limit end

echo "PASS"
