#!/usr/bin/env bash
# Starts the converter. Without a usable display it starts it on a virtual display (Xvfb),
# saves a screenshot of the window and ends the program again.
set -uo pipefail
exe="$1"
shift || true
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$exe" "$@"
fi
shots="$(cd "$(dirname "$0")/.." && pwd)/screenshots"
mkdir -p "$shots"
disp=":$(( 90 + RANDOM % 100 ))"
echo "No display found: starting the program on the virtual display $disp (Xvfb)."
Xvfb "$disp" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
for _ in $(seq 50); do DISPLAY="$disp" xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
DISPLAY="$disp" "$exe" "$@" &
app=$!
sleep "${RUN_SECONDS:-4}"
if ! kill -0 $app 2>/dev/null; then
  wait $app
  echo "The program ended early (exit code $?)." >&2
  exit 1
fi
DISPLAY="$disp" import -window root -crop 820x562+230+119 "$shots/main-window.png" 2>/dev/null \
  || DISPLAY="$disp" import -window root "$shots/main-window.png"
echo "Screenshot of the window saved to $shots/main-window.png"
kill $app 2>/dev/null
wait $app 2>/dev/null
exit 0
