#!/usr/bin/env bash
# Installs what is missing, builds Quintrel and runs the whole test suite: the unit and window
# tests and the end-to-end checks of the real program under Xvfb, then all of them again in a clang
# build with AddressSanitizer and UndefinedBehaviorSanitizer, then a short run of every fuzz target
# (built in that same tree).
set -euo pipefail
QUINTREL_TESTING=1
source "$(dirname "$0")/scripts/setup.sh"

# Between their steps the end-to-end checks wait on the program's pauses and on the screen, so
# three times as many tests run at once as there are processors. Each test runs once: a failure
# fails the suite.
test_jobs=$(($(nproc) * 3))
times=()
phase_start=$SECONDS
phase_done() {
    times+=("$1 $((SECONDS - phase_start)) s")
    phase_start=$SECONDS
}

echo "== Build (g++, RelWithDebInfo)"
quintrel_build "$QUINTREL_ROOT/build" RelWithDebInfo -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld -DBUILD_TESTING=ON \
    -DQUINTREL_E2E=ON -DQUINTREL_TOOLS=ON
phase_done build

echo "== Test"
ctest --test-dir "$QUINTREL_ROOT/build" --output-on-failure -j "$test_jobs"
phase_done test

echo "== Sanitizer build (clang, AddressSanitizer + UndefinedBehaviorSanitizer)"
quintrel_configure_sanitizer
cmake --build "$QUINTREL_ROOT/$QUINTREL_SANITIZER_DIR" -j "$(nproc)"
phase_done "sanitizer build"

echo "== Sanitizer test"
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$QUINTREL_ROOT/$QUINTREL_SANITIZER_DIR" --output-on-failure -j "$test_jobs" -LE install
phase_done "sanitizer test"

echo "== Fuzz targets (short run)"
"$QUINTREL_ROOT/fuzz/run.sh" 10
phase_done fuzz

printf -v summary '%s, ' "${times[@]}"
echo "== Times: ${summary%, }"
