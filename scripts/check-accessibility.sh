#!/usr/bin/env bash
# Starts the program on a virtual display with its own session bus and checks what a screen
# reader finds over AT-SPI (scripts/atspi_dump.py): the main window, then with the profile
# picker open. Usage: scripts/check-accessibility.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
if [ -z "${VC_ATSPI_INNER:-}" ]; then
  export VC_ATSPI_INNER=1
  exec dbus-run-session -- "$0" "$build"
fi

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# A free display: Xvfb picks it and writes its number.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 20 -u "$fd" display
export DISPLAY=":$display"
if command -v openbox >/dev/null; then
  openbox >"$work/openbox.log" 2>&1 &
  pids+=($!)
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 XDG_CONFIG_HOME="$work/config"
unset QT_QPA_PLATFORM
mkdir -p "$XDG_CONFIG_HOME"
"$build/bin/VideoConverter" >"$work/program.log" 2>&1 &
pids+=($!)

echo "== the main window"
/usr/bin/python3 scripts/atspi_dump.py "Video Converter" 60 >"$work/main.txt" || {
  cat "$work/main.txt"
  exit 1
}
cat "$work/main.txt"
if command -v xdotool >/dev/null; then
  echo "== the profile picker open"
  wid=$(xdotool search --sync --name "^Video Converter$" | head -1)
  xdotool windowactivate --sync "$wid" 2>/dev/null || xdotool windowfocus --sync "$wid"
  xdotool key F5
  sleep 1
  /usr/bin/python3 scripts/atspi_dump.py "Video Converter" 20 >"$work/picker.txt" || {
    cat "$work/picker.txt"
    exit 1
  }
  # What the picker adds to the tree.
  diff <(sed 's/^ *//' "$work/main.txt" | sort) <(sed 's/^ *//' "$work/picker.txt" | sort) |
    grep '^>' || true
  grep -q "push button: 'General Video'" "$work/picker.txt" || {
    echo "the picker is not in the accessibility tree" >&2
    exit 1
  }
fi
echo "accessibility: every object the user can act on has a name"
