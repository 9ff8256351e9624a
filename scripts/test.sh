#!/usr/bin/env bash
# Sets everything up and runs every test. Tests need no display: they use Qt's
# offscreen platform and a temporary per-user folder.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${RQ_BUILD_DIR:-$ROOT/build}"

bash "$ROOT/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
cd "$BUILD"
ctest --output-on-failure --timeout 600
