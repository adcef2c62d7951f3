#!/usr/bin/env bash
# Builds the libFuzzer harnesses (fuzz/) into build-fuzz/ with clang, address and undefined-
# behaviour sanitizers, and runs each in turn (one process, one at a time) for the given
# seconds (default 60):
#   tools/fuzz.sh [seconds-per-harness] [harness...]
# Each harness starts from its seeds (fuzz/corpus/<name>/) and keeps what it finds in
# build-fuzz/corpus/<name>/; an input that crashes, hangs or leaks is written to
# build-fuzz/crashes/<name>/ and named at the end. The exit status is 1 when any was found.
set -uo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${FUZZ_BUILD_DIR:-$top/build-fuzz}"
seconds="${1:-60}"
shift || true
harnesses=("$@")
[ ${#harnesses[@]} -eq 0 ] && harnesses=(filter picture listformat settings commandline datafile)

CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DWITH_FUZZ=ON -DWITH_TESTS=OFF -DWITH_BENCHMARKS=OFF -DTQ_PCH=OFF >/dev/null || exit 2
cmake --build "$build" --target fuzzers -j"$(nproc)" || exit 2

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
found=0
printf '%-12s %8s %10s %8s %s\n' harness seconds exec/s corpus result
for name in "${harnesses[@]}"; do
    corpus="$build/corpus/$name"
    crashes="$build/crashes/$name"
    log="$build/fuzz-$name.log"
    mkdir -p "$corpus" "$crashes"
    start=$(date +%s)
    "$build/fuzz/fuzz_$name" "$corpus" "$top/fuzz/corpus/$name" -dict="$top/fuzz/$name.dict" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$crashes/" >"$log" 2>&1
    status=$?
    took=$(( $(date +%s) - start ))
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    size=$(find "$corpus" -type f | wc -l)
    result=ok
    if [ $status -ne 0 ] || [ -n "$(ls -A "$crashes")" ]; then
        result="FOUND: $(ls "$crashes" | tr '\n' ' ')(see $log)"
        found=1
    fi
    printf '%-12s %8s %10s %8s %s\n' "$name" "$took" "${rate:-?}" "$size" "$result"
done
exit $found
