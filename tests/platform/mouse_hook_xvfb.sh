#!/usr/bin/env bash
# Runs the mouse hook's rate check on a virtual X display; skips (77) where
# Xvfb or xdotool is missing.
#   mouse_hook_xvfb.sh <mouse_hook_rate_check>
set -euo pipefail
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || exit 77
work="$(mktemp -d)"
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"
chmod 700 "$work"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || exit 77
export DISPLAY=":$(cat "$work/display")"
"$1"
