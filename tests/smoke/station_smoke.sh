#!/usr/bin/env bash
# The station as built, on a virtual X display with a fresh user profile:
# the first copy comes up with its main window and splash window; a second
# copy is refused with the "Verify" box and opens no window of its own; the
# operator enters, runs a test with F9 on the simulated mouse and gets a score;
# a picture of the screen is saved; File > Exit ends the station cleanly.
#   station_smoke.sh <program> [picture.png]
set -euo pipefail
[ -n "${MQT_TRACE:-}" ] && { PS4='+ $SECONDS '; set -x; }
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=station_lib.sh
source "$here/station_lib.sh"
picture="${2:-$work/result.png}"

start_station first
first=$station_pid
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
# The refused copy ends once its box is answered.
xdotool key --window "$(window_of Verify)" Return 2>/dev/null || true

enter_station
record_test
score_shown=1
score="$(wait_for_score first 40)" || score_shown=0
sleep 1
import -window root "$picture"
[ -s "$picture" ] || { echo "no picture saved" >&2; exit 1; }
exit_station
echo "the station ended cleanly after File > Exit"
if [ "$score_shown" -eq 0 ]; then
  echo "no score was shown after the test" >&2
  exit 1
fi
echo "score shown: $score"
