#!/usr/bin/env bash
# The station as built, on a virtual X display with a fresh user profile:
# the first copy comes up with its main window and splash window; a second
# copy is refused with the "Verify" box and opens no window of its own, and
# the first copy goes on.
#   station_smoke.sh <program>
set -euo pipefail
program="$1"
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

"$program" >"$work/first.log" 2>&1 &
first=$!
pids+=("$first")
wait_for_window "$main_title"
wait_for_window "$splash_title"

"$program" >"$work/second.log" 2>&1 &
second=$!
pids+=("$second")
wait_for_window "Verify"
if [ "$(windows_named "$main_title")" -ne 1 ]; then
  echo "the second copy opened a main window" >&2
  exit 1
fi
kill -0 "$first" || { echo "the first copy ended" >&2; exit 1; }
echo "first copy running, second copy refused with \"Verify\""
