#!/usr/bin/env bash
# Drives the station as an operator would, on a virtual X display with a fresh
# user profile: enters through the splash window, starts a test with F9 on the
# simulated mouse, waits for the score, saves a picture of the screen and
# leaves through File > Exit. Prints "score: N" (or says that none was shown)
# and the picture's path.
#   station_drive.sh <program> <picture.png> [seconds to wait for the score]
set -euo pipefail
program="$1"
picture="$2"
test_seconds="${3:-30}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=station_lib.sh
source "$here/station_lib.sh"

start_station station
wait_for_window "$main_title"
enter_station
record_test
if score="$(wait_for_score station "$test_seconds")"; then
  shown=1
else
  shown=0
fi
# The plot is drawn when the test ends, just before the score.
sleep 1
import -window root "$picture"
exit_station
if [ "$shown" -eq 1 ]; then
  echo "score: $score"
else
  echo "no score was shown within $test_seconds s" >&2
fi
echo "picture: $picture"
[ "$shown" -eq 1 ]
