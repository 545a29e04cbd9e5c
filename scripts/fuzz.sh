#!/usr/bin/env bash
# Builds the libFuzzer drivers with clang in build-fuzz and runs each for SECONDS (default 600) over a
# copy of its seed corpus, two drivers at a time (FUZZ_JOBS). Fails on any crash, leak, timeout or
# out-of-memory report; prints the runs and peak memory of every driver. Findings stay in the printed work folder.
#   scripts/fuzz.sh [SECONDS] [DRIVER...]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-600}
shift || true
drivers=("$@")
[ ${#drivers[@]} -gt 0 ] || drivers=(fuzz_language fuzz_menu fuzz_pagedocument fuzz_ribbon fuzz_styledocument
                                    fuzz_themeindex fuzz_widgetnode fuzz_widgetnode_read fuzz_zip)
jobs=${FUZZ_JOBS:-2}
build=${TAVIX_FUZZ_BUILD_DIR:-build-fuzz}

export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
# Line tables are all a sanitizer report needs, and they halve the instrumented build.
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DTAVIX_BUILD_FUZZ=ON -DBUILD_TESTING=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -gline-tables-only -DNDEBUG" >/dev/null
cmake --build "$build" --parallel 2 --target "${drivers[@]}"

export QT_QPA_PLATFORM=offscreen
# Leaks are checked; only Qt's own exit-time allocations are suppressed (fuzz/lsan.supp).
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

work=$(mktemp -d /tmp/tavix-fuzz.XXXXXX)
run() {
    local driver=$1 seeds=$root/fuzz/corpus/$1
    [ "$driver" = fuzz_widgetnode_read ] && seeds=$root/fuzz/corpus/fuzz_widgetnode   # same inputs
    cp -r "$seeds" "$work/$driver"
    # Findings land in the work folder, never in the checked-in corpus.
    "$build/fuzz/$driver" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/$driver-" "$work/$driver" >"$work/$driver.log" 2>&1
}

pids=() names=()
status=0
finish() {   # waits for the oldest running driver and judges its log
    local pid=${pids[0]} driver=${names[0]} rc=0
    pids=("${pids[@]:1}") names=("${names[@]:1}")
    wait "$pid" || rc=$?
    local log=$work/$driver.log
    local runs rate rss
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n1)
    rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log" | tail -n1)
    if [ $rc -ne 0 ] || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:|ALARM: working on' "$log"; then
        printf '%-22s FAILED (exit %d): %s\n' "$driver" "$rc" \
            "$(grep -m1 -E 'ERROR: |runtime error:|ALARM: ' "$log" || echo 'see log')"
        printf '%-22s log %s\n' "" "$log"
        ls "$work/$driver-"* 2>/dev/null | sed 's/^/                       input /' || true
        status=1
    else
        printf '%-22s %12s runs %8s/s %6s MB peak rss\n' "$driver" "${runs:-?}" "${rate:-?}" "${rss:-?}"
    fi
}

for driver in "${drivers[@]}"; do
    [ ${#pids[@]} -ge "$jobs" ] && finish
    run "$driver" &
    pids+=($!) names+=("$driver")
done
while [ ${#pids[@]} -gt 0 ]; do finish; done

if [ $status -eq 0 ]; then
    rm -rf "$work"
else
    echo "findings and logs: $work"
fi
exit $status
