# Shared by the station scripts: a virtual X display with a fresh user profile,
# the station's windows found by their English captions, and the operator's
# steps. Source it with `program` set; needs Xvfb, xdotool, xwininfo and
# ImageMagick (scripts/install-deps.sh installs them).

work="$(mktemp -d)"
# The station edits its filter INF beside itself when it installs the filter,
# so it runs from a copy of its folder: the tree it came from stays as built
# for the tests that read it. The launcher in bin/ is a link to the program.
station_dir="$(dirname "$(readlink -f "$program")")"
cp -a "$station_dir" "$work/station"
program="$work/station/$(basename "$(readlink -f "$program")")"
lng="$work/station/Lng/English.lng"
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
# The station echoes each score it shows as "score: N" (src/app/score_echo.h).
export MQT_PRINT_SCORE=1

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

text_of() { sed -n "s/^$1[[:space:]]*=[[:space:]]*//p" "$lng" | head -n 1 | tr -d '\r'; }
main_title="$(text_of 'MainForm->Caption')"
splash_title="$(text_of 'FirstForm->Caption')"

windows_named() { xwininfo -root -tree 2>/dev/null | grep -cF "\"$1\": (" || true; }
wait_for_window() {
  for _ in $(seq 200); do
    [ "$(windows_named "$1")" -ge 1 ] && return 0
    sleep 0.1
  done
  echo "no window \"$1\" appeared" >&2
  return 1
}
window_of() {
  wait_for_window "$1" || return 1
  xdotool search --name "^$1\$" 2>/dev/null | head -n 1
}

# Starts a copy of the station; its output goes to $work/<name>.log.
start_station() {
  "$program" >"$work/$1.log" 2>&1 &
  station_pid=$!
  pids+=("$station_pid")
}

# Through the splash window: the Enter picture lies at (203, 288) in it.
enter_station() {
  local splash
  splash="$(window_of "$splash_title")"
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$splash")"
  xdotool mousemove $((X + 203 + 40)) $((Y + 288 + 15)) click 1
  # The driver warning comes with the start-up timers; OK closes it. Record is
  # enabled once the capture driver check has run.
  sleep 2
  xdotool key Return
  sleep 1
}

# F9 on the main window; with no window manager to maximise it, the window is
# sized to the screen first. A fresh profile lists the mice with the text
# empty: the first one, the simulated mouse, is chosen, its filter offered
# (Yes) and installed ("Install ok", OK); the test starts after the list was
# read again.
record_test() {
  local main
  main="$(window_of "$main_title")"
  xdotool windowsize --sync "$main" 100% 100%
  xdotool windowfocus --sync "$main"
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove $((X + WIDTH - 200)) $((Y + 32)) click 1
  sleep 0.3
  xdotool key Down
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) key F9
  sleep 1
  xdotool key Return
  sleep 1
  xdotool key Return
}

# Waits for the score line of the log `$1`, at most `$2` seconds; prints the
# score. Fails when none was shown in time.
wait_for_score() {
  local deadline=$((SECONDS + $2))
  while [ "$SECONDS" -lt "$deadline" ]; do
    if grep -q '^score: ' "$work/$1.log"; then
      sed -n 's/^score: //p' "$work/$1.log" | tail -n 1
      return 0
    fi
    sleep 0.2
  done
  return 1
}

# File > Exit through the keyboard, as the operator would; waits for the
# station to end and fails unless it ended by itself with status 0.
exit_station() {
  local main i status
  main="$(window_of "$main_title")"
  xdotool windowfocus --sync "$main"
  xdotool key alt+f
  sleep 0.5
  xdotool key x
  for i in $(seq 100); do
    kill -0 "$station_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$station_pid" 2>/dev/null; then
    echo "the station did not end after File > Exit" >&2
    return 1
  fi
  status=0
  wait "$station_pid" || status=$?
  if [ "$status" -ne 0 ]; then
    echo "the station ended with status $status" >&2
    return 1
  fi
}
