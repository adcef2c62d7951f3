#!/usr/bin/env bash
# Sets up, builds and runs every test (windows are driven headless).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/tools/setup.sh"
"$top/tools/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BUILD_DIR:-$top/build}" --output-on-failure --timeout 300 -j2
