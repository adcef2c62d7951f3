#!/usr/bin/env bash
# Configures and builds everything. The first argument may name the kind of build:
#   (none)      Release into build/ (or $BUILD_DIR): the program, the tests, CI, benchmarks
#   --debug     Debug into build-debug/: no optimisation, full debug info, for a debugger
#   --sanitize  address and undefined-behaviour sanitizers into build-sanitize/
# Further arguments go to CMake.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
kind=release
case "${1:-}" in
    --debug) kind=debug; shift ;;
    --sanitize) kind=sanitize; shift ;;
esac
case "$kind" in
    release) build="${BUILD_DIR:-$top/build}"; options=(-DCMAKE_BUILD_TYPE=Release) ;;
    debug) build="${BUILD_DIR:-$top/build-debug}"; options=(-DCMAKE_BUILD_TYPE=Debug) ;;
    sanitize) build="${BUILD_DIR:-$top/build-sanitize}"
              options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DWITH_SANITIZE=ON -DWITH_BENCHMARKS=OFF) ;;
esac
cmake -S "$top" -B "$build" -G Ninja "${options[@]}" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
