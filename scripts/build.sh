#!/usr/bin/env bash
# Configures and builds one build tree: scripts/build.sh <build-dir> [cmake options...]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="$1"; shift
jobs="${MQT_JOBS:-$(nproc)}"
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$build_dir" -G Ninja "$@"
else
  cmake "$build_dir" "$@" >/dev/null
fi
cmake --build "$build_dir" -j "$jobs"
