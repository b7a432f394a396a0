#!/usr/bin/env bash
# run.sh [SECONDS]: builds the libFuzzer targets in the sanitizer tree (the one test.sh tests too)
# and runs each on a copy of its seed corpus for SECONDS (default 20), all of them at once: a short
# run is over sooner, and a long one shares the processors evenly. Exits non-zero when any target finds a crash, a hang or a leak; the input that caused
# it is left in that tree's fuzz/artifacts.
set -euo pipefail
seconds=${1:-20}
QUINTREL_TESTING=1
source "$(dirname "$0")/../scripts/setup.sh"
build=$QUINTREL_ROOT/$QUINTREL_SANITIZER_DIR

names=()
for source in "$QUINTREL_ROOT"/fuzz/fuzz_*.cpp; do
    [ -e "$source" ] || { echo "run.sh: no fuzz targets in fuzz/" >&2; exit 1; }
    name=$(basename "$source" .cpp)
    [ -d "$QUINTREL_ROOT/fuzz/corpus/${name#fuzz_}" ] ||
        { echo "run.sh: $name has no seeds in fuzz/corpus/${name#fuzz_}" >&2; exit 1; }
    names+=("$name")
done

quintrel_configure_sanitizer
cmake --build "$build" --target "${names[@]}" -j "$(nproc)" >"$build/fuzz-build.log" 2>&1 || {
    cat "$build/fuzz-build.log"
    exit 1
}

# fuzz NAME: one target's run; its report goes to $build/fuzz/NAME.report.
fuzz() {
    local name=$1 short=${1#fuzz_}
    local exe=$build/fuzz/$name seeds=$QUINTREL_ROOT/fuzz/corpus/$short work=$build/fuzz/corpus/$short
    local log=$build/fuzz/$name.log report=$build/fuzz/$name.report
    mkdir -p "$work" "$build/fuzz/artifacts"
    # Every seed runs once at full length first; the fuzzing itself stays below 64 KiB so that a
    # megabyte seed does not slow every mutation down to a crawl.
    if ! "$exe" "$seeds"/* >"$build/fuzz/$name.seeds.log" 2>&1; then
        { tail -n 60 "$build/fuzz/$name.seeds.log"; echo "$name: FAILED on a seed"; } >"$report"
        return 1
    fi
    local result=ok status=0
    if ! "$exe" -max_total_time="$seconds" -max_len=65536 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/fuzz/artifacts/$name-" "$work" "$seeds" >"$log" 2>&1; then
        result=FAILED
        status=1
    fi
    {
        [ $status = 0 ] || tail -n 60 "$log"
        local executions rate coverage
        executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
        coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 || true)
        echo "$name: $result, ${executions:-?} executions (${rate:-?}/s), $coverage, corpus $(ls "$work" | wc -l) files"
    } >"$report"
    return $status
}

jobs=${#names[@]}
echo "== ${names[*]}: ${seconds}s each, $jobs at a time"
status=0
for ((i = 0; i < ${#names[@]}; i += jobs)); do
    batch=("${names[@]:i:jobs}")
    pids=()
    for name in "${batch[@]}"; do
        fuzz "$name" &
        pids+=($!)
    done
    for j in "${!batch[@]}"; do
        wait "${pids[j]}" || status=1
        cat "$build/fuzz/${batch[j]}.report"
    done
done
exit $status
