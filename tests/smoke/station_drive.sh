#!/usr/bin/env bash
# Drives the station as an operator would, on a virtual X display with a fresh
# user profile: enters through the splash window, starts a test with F9 on the
# simulated mouse, installs its filter, waits for it to finish and saves a picture of the screen.
# Given a second picture, it then chooses the zoom-in tool with Z, closes the
# hint, clicks the plot twice and saves the zoomed view too.
#   station_drive.sh <program> <picture.png> [seconds to wait for the test] [zoomed.png]
# MQT_XVFB_DISPLAY=:93 runs the virtual display under that number.
# Needs Xvfb, xdotool and ImageMagick (scripts/install-deps.sh installs them).
set -euo pipefail
program="$1"
picture="$2"
test_seconds="${3:-14}"
zoomed="${4:-}"
lng="$(dirname "$program")/Lng/English.lng"

work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

if [ -n "${MQT_XVFB_DISPLAY:-}" ]; then
  Xvfb "$MQT_XVFB_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null &
  echo "${MQT_XVFB_DISPLAY#:}" >"$work/display"
  sleep 1
else
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
fi
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

text_of() { sed -n "s/^$1[[:space:]]*=[[:space:]]*//p" "$lng" | head -n 1 | tr -d '\r'; }
window_of() {
  for _ in $(seq 200); do
    id="$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1 || true)"
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "no window \"$1\"" >&2
  return 1
}

"$program" >"$work/station.log" 2>&1 &
pids+=($!)
splash="$(window_of "$(text_of 'FirstForm->Caption')")"
main="$(window_of "$(text_of 'MainForm->Caption')")"
sleep 1

# The Enter picture lies at (203, 288) in the splash window.
eval "$(xdotool getwindowgeometry --shell "$splash")"
xdotool mousemove $((X + 203 + 40)) $((Y + 288 + 15)) click 1
# The driver warning comes with the start-up timers; OK closes it. Record is
# enabled once the capture driver check has run.
sleep 2
xdotool key Return
sleep 1
# With no window manager to maximise it, the main window is sized to the screen.
xdotool windowsize --sync "$main" 100% 100%
xdotool windowfocus --sync "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
# The device list comes with its text empty: choose the first mouse, the
# simulated one.
xdotool mousemove $((X + WIDTH - 200)) $((Y + 32)) click 1
sleep 0.3
xdotool key Down
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) key F9
# A fresh profile: the filter is offered (Yes), then "Install ok" (OK); the
# test starts after the list was read again.
sleep 1
xdotool key Return
sleep 1
xdotool key Return
sleep "$test_seconds"
import -window root "$picture"
echo "saved $picture"

if [ -n "$zoomed" ]; then
  # The toolbar's Zoom In button.
  xdotool mousemove $((X + 193)) $((Y + 31)) click 1
  sleep 1
  # The hint comes up over the plot; its OK button is the default one.
  xdotool key Return
  sleep 0.5
  xdotool windowfocus --sync "$main"
  # Twice around the same point of the plot: factor 4.
  xdotool mousemove $((X + 540)) $((Y + 200)) click 1
  sleep 0.5
  xdotool click 1
  sleep 1
  import -window root "$zoomed"
  echo "saved $zoomed"
fi
