#!/usr/bin/env bash
# Window placement, minimize/restore and the tray icon under a real X server and window
# manager (Xvfb with openbox), driven with wmctrl and xdotool.
#
#   placement.sh <path of the pellamy executable> <path of shell_GameLaunch_test>
#
# Runs the program several times with a fresh settings folder and checks that windows
# come back exactly where they were left (frame for frame, also after a maximized run),
# that the program minimizes and restores as one, that a game window closed while
# minimized comes back normal, and that "Minimize to Tray" puts a visible icon into an
# XEmbed tray (trayer) whose double click brings the windows back. On smaller screens,
# huge-card windows opened for the first time come up with their frames on the screen, a
# window whose frame is too large for the work area keeps its title bar and client area on
# it, also when stored on a larger screen, and one whose client area is wider than the work
# area, or that and its title bar taller, is refused with the size warning. On each screen
# the launch test sweeps every game at every card size under the window manager.
set -uo pipefail

APP=${1:?usage: placement.sh <pellamy executable> <launch test executable>}
LAUNCH_TEST=${2:?usage: placement.sh <pellamy executable> <launch test executable>}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/pellamy-desktop.XXXXXX")
PIDS=()
APP_PID=""

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "-- $*"; }
cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill "${PIDS[i]}" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

for tool in Xvfb openbox xdotool wmctrl trayer xwininfo xprop import convert; do
  command -v "$tool" >/dev/null || fail "'$tool' is not installed (run scripts/install-deps.sh)"
done
[ -x "$APP" ] || fail "no program at $APP"
[ -x "$LAUNCH_TEST" ] || fail "no launch test at $LAUNCH_TEST"

# ---- X server on a free display (Xvfb picks it), then the window manager -------------
source "$(dirname "${BASH_SOURCE[0]}")/x-session.sh"
start_screen() {  # start_screen <width>x<height>: ends the running X server (and all on it) first
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill "${PIDS[i]}" 2>/dev/null; wait "${PIDS[i]}" 2>/dev/null; done
  PIDS=()
  x_start "$WORK" "$1"
  note "Xvfb $1 on $DISPLAY"
  wm_start "$WORK"
}
start_screen 1280x1024

# ---- the program ----------------------------------------------------------------------
export XDG_CONFIG_HOME="$WORK/config"
INI="$XDG_CONFIG_HOME/Orrindale/Pellamy.ini"
mkdir -p "$(dirname "$INI")"
# No tip of the day to answer; Klondike (list index 16) opens at start with large cards.
printf '[Preferences]\r\nShowTips=0\r\nRestoreLastGame=1\r\nLastGame=16\r\nCardSize=1\r\nDisableSound=1\r\n' >"$INI"

MAIN="" GAME=""
wait_for() {  # wait_for <what> <command...>: retries for up to 5 s
  local what=$1; shift
  for _ in $(seq 100); do "$@" && return 0; sleep 0.05; done
  fail "timed out waiting for $what"
}
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
GAME_NAME=Klondike  # the game the program opens at start
both_shown() { MAIN=$(visible '^Pellamy!$'); GAME=$(visible "^$GAME_NAME"); [ -n "$MAIN" ] && [ -n "$GAME" ]; }
start_app() {
  "$APP" >>"$WORK/app.log" 2>&1 &
  APP_PID=$!
  wait_for "the main window and the $GAME_NAME window" both_shown
  sleep 0.3  # the window manager's last configure
}
quit_app() {  # closes the main window as the player would: its close button
  wmctrl -i -c "$MAIN"
  for _ in $(seq 200); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.05; done
  kill -0 "$APP_PID" 2>/dev/null && fail "the program did not end after its main window was closed"
  wait "$APP_PID" || fail "the program ended with an error: $(tail -5 "$WORK/app.log")"
  APP_PID=""
}
frame_of() {  # the frame's top-left corner: client position less the frame extents
  local id=$1 ax ay l r t b
  ax=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print $4}')
  ay=$(xwininfo -id "$id" | awk '/Absolute upper-left Y/ {print $4}')
  IFS=', ' read -r l r t b <<<"$(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //')"
  echo "$((ax - l)),$((ay - t))"
}
has_state() { xprop -id "$1" _NET_WM_STATE | grep -q "$2"; }
key() { tr -d '\r' <"$INI" | awk -v s="[$1]" -v k="$2" '$0 == s {f = 1; next} /^\[/ {f = 0} f && index($0, k "=") == 1 {print substr($0, length(k) + 2); exit}'; }
keys() { echo "$(key MainWindow NormPos) $(key MainWindow 'NormPos(1280x1024)') $(key Klondike NormPos) $(key Klondike 'NormPos(1280x1024)')"; }
expect_frames() {
  local main game
  main=$(frame_of "$MAIN"); game=$(frame_of "$GAME")
  note "run $1: main window frame at $main, Klondike frame at $game"
  [ "$main" = "99,100" ] || fail "run $1: the main window's frame is at $main, not where it was left (99,100)"
  [ "$game" = "100,300" ] || fail "run $1: the Klondike window's frame is at $game, not where it was left (100,300)"
}

# Run 1: the player moves both windows (by their frames) and quits.
start_app
wmctrl -i -r "$MAIN" -e 1,99,100,-1,-1
wmctrl -i -r "$GAME" -e 1,100,300,-1,-1
sleep 0.3
expect_frames 1
quit_app
KEYS=$(keys)
note "saved: $KEYS"
[ "$(key MainWindow NormPos | cut -d, -f1,2)" = "99,100" ] || fail "[MainWindow] NormPos is $(key MainWindow NormPos), not the frame's 99,100,..."
[ "$(key Klondike NormPos | cut -d, -f1,2)" = "100,300" ] || fail "[Klondike] NormPos is $(key Klondike NormPos), not the frame's 100,300,..."

# Run 2: everything is back where it was; the game window is closed maximized.
start_app
expect_frames 2
wmctrl -i -r "$GAME" -b add,maximized_vert,maximized_horz
wait_for "the Klondike window to maximize" has_state "$GAME" _NET_WM_STATE_MAXIMIZED_HORZ
sleep 0.3
quit_app
[ "$(keys)" = "$KEYS" ] || fail "run 2 moved the saved positions: $KEYS became $(keys)"
[ "$(key Klondike ShowCmd)" = 3 ] || fail "a game window closed maximized saved ShowCmd=$(key Klondike ShowCmd)"

# Run 3: the game window comes back maximized, and restores to its old place. Minimizing
# it takes the whole program down; restoring the main window brings the game back. Then
# the program is quit while minimized.
start_app
has_state "$GAME" _NET_WM_STATE_MAXIMIZED_HORZ || fail "run 3: the Klondike window closed maximized did not come back maximized"
wmctrl -i -r "$GAME" -b remove,maximized_vert,maximized_horz
wait_for "the Klondike window to leave its maximized state" bash -c "! xprop -id $GAME _NET_WM_STATE | grep -q MAXIMIZED"
sleep 0.3
expect_frames 3
xdotool windowminimize "$GAME"
wait_for "the main window to go down with the game" has_state "$MAIN" _NET_WM_STATE_HIDDEN
has_state "$GAME" _NET_WM_STATE_HIDDEN || fail "the minimized Klondike window is not minimized"
wmctrl -i -a "$MAIN"
wait_for "the Klondike window to come back with the main window" bash -c "! xprop -id $GAME _NET_WM_STATE | grep -q HIDDEN"
has_state "$MAIN" _NET_WM_STATE_HIDDEN && fail "the restored main window is still minimized"
sleep 0.3
xdotool windowminimize "$MAIN"
wait_for "the Klondike window to go down with the main window" has_state "$GAME" _NET_WM_STATE_HIDDEN
quit_app
[ "$(keys)" = "$KEYS" ] || fail "run 3 moved the saved positions: $KEYS became $(keys)"
[ "$(key Klondike ShowCmd)" = 1 ] || fail "a game window closed minimized saved ShowCmd=$(key Klondike ShowCmd), not its normal state"

# Run 4: the game window closed while minimized comes back normal, in its place.
start_app
has_state "$GAME" _NET_WM_STATE_HIDDEN && fail "run 4: the Klondike window came back minimized"
expect_frames 4
quit_app
[ "$(keys)" = "$KEYS" ] || fail "run 4 moved the saved positions: $KEYS became $(keys)"

# ---- which window a restore brings to the front; quick minimize/restore; dialogs ---------
hex_id() { printf '0x%x' "$1"; }
active_window() { xdotool getactivewindow 2>/dev/null; }
# The higher of the two program windows in the window manager's stacking order.
top_window() {
  xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr ',' '\n' | tr -d ' ' |
    grep -x -e "$(hex_id "$MAIN")" -e "$(hex_id "$GAME")" | tail -1
}
in_front() { [ "$(active_window)" = "$1" ] && [ "$(xdotool getwindowfocus)" = "$1" ] && [ "$(top_window)" = "$(hex_id "$1")" ]; }
expect_front() {  # expect_front <window> <its name> <after what>
  wait_for "the $2 window on top with the focus $3" in_front "$1"
  sleep 0.3
  in_front "$1" || fail "$3 the $2 window lost the front again (active $(active_window), on top $(top_window))"
  has_state "$MAIN" _NET_WM_STATE_HIDDEN && fail "$3 the main window stayed minimized"
  has_state "$GAME" _NET_WM_STATE_HIDDEN && fail "$3 the Klondike window stayed minimized"
  note "$3: the $2 window is on top with the focus"
}
both_hidden() { has_state "$MAIN" _NET_WM_STATE_HIDDEN && has_state "$GAME" _NET_WM_STATE_HIDDEN; }
# One cycle: restore from a task-bar entry, 0.1 s later minimize a window; both windows
# must go down and stay down.
quick_cycle() {  # quick_cycle <window to restore> <window to minimize>
  wmctrl -i -a "$1"
  sleep 0.1
  xdotool windowminimize "$2"
  for _ in $(seq 60); do both_hidden && break; sleep 0.05; done
  sleep 0.3
  both_hidden
}
# Shows a dialog with a key in the game window and prints its frame's top-left corner and
# outer size; the dialog is closed with its close box.
dialog_frame() {  # dialog_frame <key> <title pattern>
  local dlg="" ax ay w h l r t b
  xdotool windowactivate --sync "$GAME" >/dev/null 2>&1
  xdotool key "$1"
  for _ in $(seq 100); do
    dlg=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | grep -vx "$GAME" | head -1)
    [ -n "$dlg" ] && xprop -id "$dlg" _NET_FRAME_EXTENTS | grep -q = && break
    sleep 0.05
  done
  [ -n "$dlg" ] || fail "no dialog came up for $1"
  sleep 0.3  # the window manager's last configure
  ax=$(xwininfo -id "$dlg" | awk '/Absolute upper-left X/ {print $4}')
  ay=$(xwininfo -id "$dlg" | awk '/Absolute upper-left Y/ {print $4}')
  w=$(xwininfo -id "$dlg" | awk '/Width:/ {print $2}')
  h=$(xwininfo -id "$dlg" | awk '/Height:/ {print $2}')
  IFS=', ' read -r l r t b <<<"$(xprop -id "$dlg" _NET_FRAME_EXTENTS | sed 's/.*= //')"
  wmctrl -i -c "$dlg"
  for _ in $(seq 100); do xwininfo -id "$dlg" 2>/dev/null | grep -q IsViewable || break; sleep 0.05; done
  echo "$((ax - l)),$((ay - t)) $((w + l + r))x$((h + t + b))"
}
# A dialog sits centred on the screen's work area by its outer frame, the first time in a
# run as at the next time.
expect_centred_dialog() {  # expect_centred_dialog <key> <title pattern> <name>
  local first second wx wy ww wh ow oh
  first=$(dialog_frame "$1" "$2") || exit 1
  second=$(dialog_frame "$1" "$2") || exit 1
  IFS=', ' read -r wx wy ww wh _ <<<"$(xprop -root _NET_WORKAREA | sed 's/.*= //')"
  IFS=x read -r ow oh <<<"${first#* }"
  note "$3: first showing at ${first% *}, second at ${second% *} (outer ${first#* })"
  [ "${first% *}" = "${second% *}" ] || fail "$3 jumped between showings: ${first% *} first, ${second% *} after"
  [ "${first% *}" = "$((wx + (ww - ow) / 2)),$((wy + (wh - oh) / 2))" ] ||
    fail "$3 is not centred by its frame: at ${first% *}, centred is $((wx + (ww - ow) / 2)),$((wy + (wh - oh) / 2))"
}

# Restore run: a restore from a window's task-bar entry brings that window to the front;
# quick minimize/restore cycles with the game window maximized; dialog placement.
start_app
wmctrl -i -r "$GAME" -b add,maximized_vert,maximized_horz
wait_for "the Klondike window to maximize" has_state "$GAME" _NET_WM_STATE_MAXIMIZED_HORZ
xdotool windowactivate --sync "$MAIN" >/dev/null 2>&1
xdotool windowminimize "$MAIN"
wait_for "the program to go down" both_hidden
wmctrl -i -a "$GAME"
expect_front "$GAME" Klondike "after a restore from the game's task-bar entry"
xdotool windowminimize "$GAME"
wait_for "the program to go down" both_hidden
wmctrl -i -a "$MAIN"
expect_front "$MAIN" main "after a restore from the main window's task-bar entry"
GOOD=0 BAD=""
for i in $(seq 20); do
  # Every pairing: restore from either task-bar entry, minimize either window.
  if (( i % 2 )); then restore=$GAME; else restore=$MAIN; fi
  if (( (i - 1) / 2 % 2 )); then minimize=$GAME; else minimize=$MAIN; fi
  if quick_cycle "$restore" "$minimize"; then GOOD=$((GOOD + 1)); else BAD="$BAD $i"; fi
done
note "quick minimize 0.1 s after a restore: $GOOD of 20 cycles ended with both windows minimized"
[ -z "$BAD" ] || fail "quick minimize/restore went wrong in cycles$BAD"
wmctrl -i -a "$GAME"
expect_front "$GAME" Klondike "after the quick cycles"
has_state "$GAME" _NET_WM_STATE_MAXIMIZED_HORZ || fail "the Klondike window lost its maximized state in the quick cycles"
wmctrl -i -r "$GAME" -b remove,maximized_vert,maximized_horz
wait_for "the Klondike window to leave its maximized state" bash -c "! xprop -id $GAME _NET_WM_STATE | grep -q MAXIMIZED"
sleep 0.3
expect_frames "restore"
expect_centred_dialog ctrl+g '^Klondike$' "the Select Game dialog"
expect_centred_dialog ctrl+o '^Pellamy Options$' "the Options dialog"
quit_app
[ "$(keys)" = "$KEYS" ] || fail "the restore run moved the saved positions: $KEYS became $(keys)"

# Run 5: "Minimize to Tray" with an XEmbed tray running.
sed -i 's/^\[Preferences\]\r$/[Preferences]\r\nMinimizeToTray=1\r/' "$INI"
trayer --edge top --align right --widthtype pixel --width 96 --height 32 \
  --transparent false --tint 0x000000 >"$WORK/trayer.log" 2>&1 &
PIDS+=($!)
tray_panel() { xwininfo -root -tree | awk '/"panel": \("panel" "trayer"\)/ {print $1; exit}'; }
has_panel() { [ -n "$(tray_panel)" ]; }
wait_for "trayer's panel" has_panel
start_app
expect_frames 5
xdotool windowminimize "$MAIN"
tray_icon() { xwininfo -id "$(tray_panel)" -tree | awk '/"Pellamy!"/ {print $1; exit}'; }
has_icon() { [ -n "$(tray_icon)" ]; }
wait_for "an icon in the tray" has_icon
hidden() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
wait_for "the main window to leave the screen" hidden '^Pellamy!$'
wait_for "the Klondike window to leave the screen" hidden '^Klondike'
wmctrl -l | grep -q -e 'Pellamy!$' -e 'Klondike' && fail "a window minimized to the tray is still in the window list: $(wmctrl -l)"
sleep 0.5  # the icon's first paint
ICON=$(tray_icon)
import -window "$ICON" "$WORK/icon.png" 2>/dev/null || fail "could not grab the tray icon"
COLOURS=$(convert "$WORK/icon.png" -format %k info:)
note "tray icon $ICON: $(convert "$WORK/icon.png" -format '%wx%h' info:), $COLOURS colours"
[ "$COLOURS" -ge 8 ] || fail "the tray icon is blank ($COLOURS colours)"
eval "$(xdotool getwindowgeometry --shell "$ICON")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
sleep 0.2
xdotool click --repeat 2 --delay 60 1
wait_for "the windows to come back from the tray" both_shown
[ -z "$(tray_icon)" ] || fail "the tray icon stayed after the windows came back"
sleep 0.3
expect_frames 5
quit_app
[ "$(keys)" = "$KEYS" ] || fail "run 5 moved the saved positions: $KEYS became $(keys)"

# Tray restore run: the game window, active before the minimize, comes back in front.
start_app
xdotool windowactivate --sync "$GAME" >/dev/null 2>&1
xdotool windowminimize "$GAME"
wait_for "an icon in the tray" has_icon
wait_for "the main window to leave the screen" hidden '^Pellamy!$'
sleep 0.5  # the icon's first paint
eval "$(xdotool getwindowgeometry --shell "$(tray_icon)")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
sleep 0.2
xdotool click --repeat 2 --delay 60 1
wait_for "the windows to come back from the tray" both_shown
expect_front "$GAME" Klondike "after a restore from the tray"
quit_app
[ "$(keys)" = "$KEYS" ] || fail "the tray restore run moved the saved positions: $KEYS became $(keys)"

# ---- Run 6: rectangles saved on a larger monitor ---------------------------------------
# [Klondike] holds a 2498x1375 rectangle and [MainWindow] a position past the bottom-right
# corner of this 1280x1024 screen. Both windows come up with their whole frames (title
# bars, the game's status bar) inside the work area, the game window no larger than it,
# and the fitted rectangle is what is saved again.
set_key() {  # set_key <section> <key> <value>: replaces the key's line in its section
  awk -v s="[$1]" -v k="$2" -v v="$3" 'BEGIN {ORS = "\r\n"} {sub(/\r$/, "")}
    $0 == s {f = 1; print; next} /^\[/ {f = 0}
    f && index($0, k "=") == 1 {print k "=" v; next} {print}' "$INI" >"$INI.new" && mv "$INI.new" "$INI"
}
for k in NormPos 'NormPos(1280x1024)'; do
  set_key Klondike "$k" 200,150,2698,1525
  set_key MainWindow "$k" 1100,900,3000,2000
done
[ "$(key Klondike NormPos)" = 200,150,2698,1525 ] || fail "run 6: could not write the large rectangle"
frame_rect() {  # left,top,right,bottom of the frame; with "shown", of the title bar and client area
  local id=$1 ax ay w h l r t b
  eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print "ax=" $4} /Absolute upper-left Y/ {print "ay=" $4}
    /^ *Width:/ {print "w=" $2} /^ *Height:/ {print "h=" $2}')"
  IFS=', ' read -r l r t b <<<"$(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //')"
  [ "${2:-}" = shown ] && l=0 r=0 b=0
  echo "$((ax - l)),$((ay - t)),$((ax + w + r)),$((ay + h + b))"
}
IFS=', ' read -r WX WY WW WH _ <<<"$(xprop -root _NET_WORKAREA | sed 's/.*= //')"
inside_workarea() {  # inside_workarea <what> <left,top,right,bottom> [run]
  local x1 y1 x2 y2
  IFS=, read -r x1 y1 x2 y2 <<<"$2"
  [ "$x1" -ge "$WX" ] && [ "$y1" -ge "$WY" ] && [ "$x2" -le $((WX + WW)) ] && [ "$y2" -le $((WY + WH)) ] ||
    fail "${3:-run 6}: the $1 $2 is not inside the work area $WX,$WY,$((WX + WW)),$((WY + WH))"
}
# The game window's title bar and client area lie inside the work area, and its whole frame
# too where the frame fits.
expect_placed() {  # expect_placed <what> <run>
  local frame x1 y1 x2 y2
  frame=$(frame_rect "$GAME")
  IFS=, read -r x1 y1 x2 y2 <<<"$frame"
  inside_workarea "$1's title bar and client area" "$(frame_rect "$GAME" shown)" "$2"
  if [ $((x2 - x1)) -le "$WW" ] && [ $((y2 - y1)) -le "$WH" ]; then inside_workarea "$1's frame" "$frame" "$2"; fi
  return 0
}
start_app
GAME_RECT=$(frame_rect "$GAME"); MAIN_RECT=$(frame_rect "$MAIN")
note "run 6: Klondike frame $GAME_RECT, main window frame $MAIN_RECT"
inside_workarea "Klondike window's frame" "$GAME_RECT"
inside_workarea "main window's frame" "$MAIN_RECT"
[ "$GAME_RECT" = "$WX,$WY,$((WX + WW)),$((WY + WH))" ] ||
  fail "run 6: the Klondike window $GAME_RECT does not fill the work area it was too large for"
quit_app
[ "$(key Klondike NormPos)" = "$GAME_RECT" ] && [ "$(key Klondike 'NormPos(1280x1024)')" = "$GAME_RECT" ] ||
  fail "run 6: saved [Klondike] NormPos=$(key Klondike NormPos), not the fitted $GAME_RECT"
[ "$(key MainWindow NormPos)" = "$MAIN_RECT" ] ||
  fail "run 6: saved [MainWindow] NormPos=$(key MainWindow NormPos), not the fitted $MAIN_RECT"

# ---- Run 7: huge cards on smaller screens, nothing stored -------------------------------
# Windows larger than the screen, opened for the first time, come up with the whole frame
# on it. Huge Pyramid's minimum window is taller than a 1366x768 screen's work area: it is
# refused with the screen-size warning and stores nothing; huge Klondike opens.
open_fresh() {  # open_fresh <game name> <list index> [card size]: a fresh settings folder
  local size=${3:-2}  # huge cards unless told
  export XDG_CONFIG_HOME="$WORK/config-$1-$size"
  INI="$XDG_CONFIG_HOME/Orrindale/Pellamy.ini"
  mkdir -p "$(dirname "$INI")"
  printf '[Preferences]\r\nShowTips=0\r\nRestoreLastGame=1\r\nLastGame=%s\r\nCardSize=%s\r\nDisableSound=1\r\n' "$2" "$size" >"$INI"
  GAME_NAME=$1
}
opens_inside() {  # opens_inside <run> <what> <open_fresh arguments...>: placed inside the work area
  local run=$1 what=$2
  shift 2
  open_fresh "$@"
  start_app
  IFS=', ' read -r WX WY WW WH _ <<<"$(xprop -root _NET_WORKAREA | sed 's/.*= //')"
  note "$run: $what on $SCREEN: frame $(frame_rect "$GAME"), title bar and client area $(frame_rect "$GAME" shown)"
  expect_placed "$what window" "$run"
  quit_app
}
# The window of the last opens_inside, stored far down and right on a larger screen, comes
# back placed inside the work area.
reopens_inside() {  # reopens_inside <run> <what> <settings section>
  local size k
  size=$(xwininfo -root | awk '/^ *Width:/ {w = $2} /^ *Height:/ {h = $2} END {print w "x" h}')
  for k in NormPos "NormPos($size)"; do set_key "$3" "$k" 300,200,2900,2200; done
  start_app
  note "$1: $2 stored on a larger screen: frame $(frame_rect "$GAME"), title bar and client area $(frame_rect "$GAME" shown)"
  expect_placed "$2 window" "$1"
  quit_app
}
# The launch test's sweep of every game at every card size on this screen, under this
# window manager: no window whose client area and title bar fit is refused, and none opens
# with either off the work area.
sweep() {
  QT_QPA_PLATFORM=xcb "$LAUNCH_TEST" --gtest_filter='*EveryAdmittedWindowFitsTheWorkArea' >"$WORK/sweep.log" 2>&1 ||
    fail "the launch sweep on $SCREEN: $(grep -A4 Failure "$WORK/sweep.log" | head -40)"
  note "$SCREEN: the launch sweep refuses no window that fits and opens none off the work area"
}
dialog_shown() {  # the screen-size warning: a dialog of the program
  local w
  for w in $(xdotool search --onlyvisible --name '^Pellamy!$' 2>/dev/null); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q DIALOG && WARNING=$w && return 0
  done
  return 1
}
dismiss_warning() {  # a click on the warning's OK button; MAIN is the main window again
  xdotool windowactivate --sync "$WARNING" mousemove --window "$WARNING" 116 278 click 1
  wait_for "the warning to close" bash -c "! xdotool search --onlyvisible --name '^Pellamy!$' 2>/dev/null |
    xargs -r -I{} xprop -id {} _NET_WM_WINDOW_TYPE | grep -q DIALOG"
  MAIN=$(visible '^Pellamy!$')
}
# The program started with the fresh settings of open_fresh shows the screen-size warning
# instead of the game window, and the game stores nothing (its placement section is also
# its settings section with large cards).
expect_refused() {  # expect_refused <what> <settings section> [screenshot name]
  "$APP" >>"$WORK/app.log" 2>&1 &
  APP_PID=$!
  wait_for "the screen-size warning for $1" dialog_shown
  [ -n "${3:-}" ] && [ -n "${PELLAMY_SHOTS:-}" ] && import -window root "$PELLAMY_SHOTS/$3.png"
  [ -z "$(visible "^$GAME_NAME")" ] || fail "$1 opened on a ${SCREEN} screen"
  note "$1 refused on $SCREEN with the screen-size warning"
  dismiss_warning
  [ -z "$(visible "^$GAME_NAME")" ] || fail "$1 opened after its warning"
  quit_app
  grep -qi "^\[$2\]" "$INI" && fail "the refused $1 window stored something: $(cat "$INI")"
  return 0
}
start_screen 1366x768
SCREEN=1366x768
sweep
opens_inside "run 7" "huge Double Yukon" "Double Yukon" 8
opens_inside "run 7" "huge Klondike" Klondike 16
open_fresh Pyramid 20
expect_refused "huge Pyramid" hPyramid pyramid-refused
start_screen 1024x768
SCREEN=1024x768
sweep
opens_inside "run 7" "huge Nestor" Nestor 19

# ---- Run 8: windows as wide as the screen or wider; a panel; the height the warning names
# A window whose minimum client area is wider than the work area is refused too, on a
# screen as wide as its game's width minimum asks: large Montana on 1024x768, large Eight
# Off on 800x600 (where large Klondike opens). Small Montana on 800x600, huge Indian
# Patience on 1280x1024 and huge Montana on 1600x1200 are as wide as the screen: they open
# with their side borders past its edges, also from a rectangle stored on a larger screen.
open_fresh Montana 18 1
expect_refused "large Montana" Montana montana-refused
start_screen 800x600
SCREEN=800x600
sweep
open_fresh "Eight Off" 9 1
expect_refused "large Eight Off" EightOff eight-off-refused
opens_inside "run 8" "large Klondike" Klondike 16 1
opens_inside "run 8" "small Montana" Montana 18 0
reopens_inside "run 8" "small Montana" sMontana
start_screen 1280x1024
SCREEN=1280x1024
sweep
opens_inside "run 8" "huge Indian Patience" "Indian Patience" 15
reopens_inside "run 8" "huge Indian Patience" hIndianPatience
start_screen 1600x1200
SCREEN=1600x1200
sweep
opens_inside "run 8" "huge Montana" Montana 18
reopens_inside "run 8" "huge Montana" hMontana

# With a 24-pixel panel at the top of a 1366x768 screen, every huge game its width minimum
# allows is launched from the main window's list in one run: each window that opens has
# its title bar and client area inside the work area, below the panel, and its whole frame
# where that fits. Huge Forty Thieves and Indian Patience open with their bottom edges
# below the screen; the taller windows are refused.
start_screen 1366x768
SCREEN="1366x768 (24-pixel panel)"
panel_strut() { xprop -root _NET_WORKAREA | grep -q '= 0, 24, 1366, 744'; }
# A window manager just started may miss the panel's first map request: start it again.
for _ in 1 2 3; do
  trayer --edge top --align left --widthtype percent --width 100 --heighttype pixel --height 24 \
    --SetDockType true --SetPartialStrut true --transparent false --tint 0x000000 >"$WORK/trayer.log" 2>&1 &
  PANEL=$!
  for _ in $(seq 40); do panel_strut && break; sleep 0.05; done
  panel_strut && break
  kill "$PANEL"; wait "$PANEL" 2>/dev/null
done
PIDS+=("$PANEL")
panel_strut || fail "the panel took no 24 pixels off the work area: $(xprop -root _NET_WORKAREA)"
IFS=', ' read -r WX WY WW WH _ <<<"$(xprop -root _NET_WORKAREA | sed 's/.*= //')"
sweep
open_fresh Klondike 16
start_app
# The game window launched last (not the one it replaced), or the warning.
launched() {
  local w
  dialog_shown && GAME="" && return 0
  for w in $(xdotool search --onlyvisible --name "^${GAMES[i]}" 2>/dev/null); do
    [ "$w" = "$PREV" ] && continue
    xprop -id "$w" _NET_FRAME_EXTENTS | grep -q = || continue
    GAME=$w WARNING=""
    return 0
  done
  return 1
}
GAMES=(
  "Aces Up" "Australian Patience" "Baker's Dozen" "Baker's Game" "Beleaguered Castle" "Canfield"
  "Double Klondike" "Double Scorpion" "Double Yukon" "Eight Off" "Flower Garden" "Forty Thieves"
  "FreeCell" "Giza" "Golf" "Indian Patience" "Klondike" "La Belle Lucie" "Montana" "Nestor"
  "Pyramid" "Pyramid Golf" "Queen of Italy" "Russian Pellamy" "Scorpion" "Scorpion II"
  "Sea Towers" "Simple Simon" "Spider" "Yukon"
)
REFUSED=""
for i in "${!GAMES[@]}"; do
  case $i in 6 | 13 | 18) continue ;; esac  # 1400 and 1600 pixels wide at least
  PREV=$GAME
  xdotool windowactivate --sync "$MAIN" >/dev/null 2>&1
  xdotool key Home
  [ "$i" -gt 0 ] && xdotool key --repeat "$i" --delay 10 Down
  xdotool key Return
  wait_for "huge ${GAMES[i]} or its warning" launched
  if [ -n "$WARNING" ]; then
    REFUSED="$REFUSED${REFUSED:+, }${GAMES[i]}"
    dismiss_warning
    GAME=$PREV
    continue
  fi
  sleep 0.3  # the window manager's last configure
  expect_placed "huge ${GAMES[i]} window" "run 8 (24-pixel panel)"
done
note "run 8: with a 24-pixel panel on 1366x768 refused: $REFUSED; every other huge window is placed inside the work area"
[ "$REFUSED" = "Baker's Dozen, Beleaguered Castle, La Belle Lucie, Pyramid, Pyramid Golf, Queen of Italy" ] ||
  fail "run 8: with a 24-pixel panel on 1366x768 the launch refused $REFUSED"
quit_app
opens_inside "run 8" "huge Forty Thieves" "Forty Thieves" 11
reopens_inside "run 8" "huge Forty Thieves" hFortyThieves

# The width and height the warnings name are the client area's and, for the height, a game
# window's title bar, read from the warnings by the launch test under this window manager.
if ! QT_QPA_PLATFORM=xcb "$LAUNCH_TEST" \
  --gtest_filter='*WiderThanTheWorkArea*:*TallerThanTheWorkArea*:*TheHeightNamedCountsTheTitleBarOfAGameWindow' \
  >"$WORK/launch-test.log" 2>&1; then
  fail "the launch test under openbox: $(tail -20 "$WORK/launch-test.log")"
fi
note "run 8: the warnings name the client area's width and its height with a game window's title bar (launch test under openbox)"

echo "PASS"
