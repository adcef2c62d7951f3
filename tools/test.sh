#!/usr/bin/env bash
# Sets up, builds and runs every test (windows are driven headless).
#   bash tools/test.sh              the Release build in build/ (what CI runs)
#   bash tools/test.sh --sanitize   under the address and undefined-behaviour sanitizers
#   bash tools/test.sh --debug      the Debug build
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
kind="${1:-}"
case "$kind" in
    --sanitize) build="${BUILD_DIR:-$top/build-sanitize}" ;;
    --debug) build="${BUILD_DIR:-$top/build-debug}" ;;
    *) kind=""; build="${BUILD_DIR:-$top/build}" ;;
esac
"$top/tools/setup.sh"
BUILD_DIR="$build" "$top/tools/build.sh" $kind
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$top/tools/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
ctest --test-dir "$build" --output-on-failure --timeout 300 -j2
