#!/usr/bin/env bash
# Sets everything up and starts Roadquiz 2015. Arguments are passed to the program
# (for example a saved test file to open).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${RQ_BUILD_DIR:-$ROOT/build}"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  # No desktop session: run on a virtual display so the program still starts.
  bash "$ROOT/scripts/setup.sh" xvfb xauth
  exec xvfb-run -a -s "-screen 0 1366x768x24" "$BUILD/bin/roadquiz2015" "$@"
fi
bash "$ROOT/scripts/setup.sh"
exec "$BUILD/bin/roadquiz2015" "$@"
