#!/usr/bin/env bash
# Start-up figures: time from launching pellamy under Xvfb with an empty settings folder
# until its main window is mapped (median of several runs), and its resident memory three
# seconds later. Usage: bench/startup.sh [path-to-pellamy] [runs]
# SETTINGS=<file> starts every run with a copy of that settings file instead (for example
# a 50 MiB one); the copy rests two seconds first, as a file from an earlier session.
set -euo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/src/app/pellamy}
runs=${2:-7}
[ -x "$binary" ] || { echo "build the program first (make program)"; exit 1; }

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display

times=()
rss=""
for run in $(seq "$runs"); do
  config=$(mktemp -d)
  if [ -n "${SETTINGS:-}" ]; then
    mkdir -p "$config/Orrindale"
    cp "$SETTINGS" "$config/Orrindale/Pellamy.ini"
    sleep 2
  fi
  start=$(date +%s%N)
  XDG_CONFIG_HOME=$config "$binary" >/dev/null 2>&1 &
  pid=$!
  until xwininfo -root -tree 2>/dev/null | grep -q '"Pellamy!"'; do sleep 0.002; done
  mapped=$(date +%s%N)
  times+=($(( (mapped - start) / 1000000 )))
  if [ "$run" -eq 1 ]; then
    sleep 3
    rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -rf "$config"
done

sorted=($(printf '%s\n' "${times[@]}" | sort -n))
median=${sorted[$(( ${#sorted[@]} / 2 ))]}
echo "main window mapped: median ${median} ms over ${runs} runs (${times[*]} ms)"
echo "resident memory after 3 s: $(( rss / 1024 )) MiB (${rss} KiB)"
