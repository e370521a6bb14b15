# Sourced by the desktop tests: an X server on a display it picks, and openbox on it.
# The caller defines fail and the PIDS array (what its cleanup kills).
#
# Xvfb runs with -noreset: without it the server resets whenever its last client leaves,
# and a window manager connecting during that reset fails with "Failed to open the display".

x_start() {  # x_start <folder> <width>x<height>: sets DISPLAY and XVFB once the server answers
  local dir=$1 size=$2
  rm -f "$dir/display"
  exec 3>"$dir/display"
  Xvfb -displayfd 3 -noreset -screen 0 "${size}x24" -nolisten tcp >"$dir/xvfb.log" 2>&1 &
  XVFB=$!
  PIDS+=("$XVFB")
  exec 3>&-
  for _ in $(seq 200); do [ -s "$dir/display" ] && break; sleep 0.05; done
  [ -s "$dir/display" ] || fail "Xvfb did not start: $(cat "$dir/xvfb.log")"
  export DISPLAY=":$(head -1 "$dir/display")"
  for _ in $(seq 200); do xprop -root _NET_SUPPORTED >/dev/null 2>&1 && return 0; sleep 0.05; done
  fail "Xvfb on $DISPLAY does not answer: $(cat "$dir/xvfb.log")"
}

wm_start() {  # wm_start <folder>: openbox on DISPLAY, started again should it give up; sets WM
  local dir=$1
  for _ in 1 2 3; do
    openbox >"$dir/openbox.log" 2>&1 &
    WM=$!
    PIDS+=("$WM")
    for _ in $(seq 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
      kill -0 "$WM" 2>/dev/null || break
      sleep 0.05
    done
    kill "$WM" 2>/dev/null
    wait "$WM" 2>/dev/null
  done
  fail "openbox did not start on $DISPLAY: $(cat "$dir/openbox.log")"
}

x_stop() {  # x_stop: ends the window manager and the X server of the last x_start
  [ -n "${WM:-}" ] && { kill "$WM" 2>/dev/null; wait "$WM" 2>/dev/null; }
  kill "$XVFB" 2>/dev/null
  wait "$XVFB" 2>/dev/null
  WM=""
}
