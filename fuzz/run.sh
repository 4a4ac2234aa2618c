#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang/libFuzzer in build-fuzz and runs each for FUZZ_SECONDS
# (default 60). New inputs go to build-fuzz/corpus/<target> (the seeds in fuzz/corpus stay as
# they are); a crash, hang or leak lands in build-fuzz/crashes/<target>/. One summary line per
# target; the exit status is non-zero when any target failed.
#   FUZZ_SECONDS=300 fuzz/run.sh            every target
#   fuzz/run.sh wmf avi                     some of them
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${FUZZ_BUILD:-$ROOT/build-fuzz}
SECONDS_EACH=${FUZZ_SECONDS:-60}
JOBS=${JOBS:-$(nproc)}

cmake -S "$ROOT/fuzz" -B "$BUILD" -DCMAKE_CXX_COMPILER="${FUZZ_CXX:-clang++}" >/dev/null || exit 1
cmake --build "$BUILD" -j "$JOBS" >/dev/null || { cmake --build "$BUILD" -j 1; exit 1; }

if [ $# -gt 0 ]; then
    targets="$*"
else
    targets=$(cd "$ROOT/fuzz" && ls fuzz_*.cpp | sed 's/^fuzz_//; s/\.cpp$//')
fi

failed=0
for t in $targets; do
    corpus="$BUILD/corpus/$t"
    crashes="$BUILD/crashes/$t"
    log="$BUILD/logs/$t.log"
    mkdir -p "$corpus" "$crashes" "$BUILD/logs" "$ROOT/fuzz/corpus/$t"
    # The kept regressions are seeds too, so a fixed crash is checked again on every run.
    seeds="$ROOT/fuzz/corpus/$t"
    [ -d "$ROOT/fuzz/regressions/$t" ] && seeds="$seeds $ROOT/fuzz/regressions/$t"
    ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1 \
    "$BUILD/fuzz_$t" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=1536 \
        -max_len=65536 -print_final_stats=1 -artifact_prefix="$crashes/" \
        "$corpus" $seeds >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | sed 's/cov: //')
    found=$(find "$crashes" -type f | wc -l)
    if [ "$status" -eq 0 ]; then
        result=clean
    else
        result="FAILED (exit $status, see $log)"
        failed=1
    fi
    printf '%-11s %8s runs in %ss, coverage %s, corpus %s, artifacts %s: %s\n' \
        "$t" "${runs:-?}" "$SECONDS_EACH" "${cov:-?}" "$(ls "$corpus" | wc -l)" "$found" "$result"
done
exit $failed
