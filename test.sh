#!/usr/bin/env bash
# Installs what is missing, builds Quintrel and runs the whole test suite: the unit and window
# tests, the end-to-end checks of the real program under Xvfb, the same suite again in an
# AddressSanitizer + UndefinedBehaviorSanitizer build, and a short run of the fuzz targets.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
jobs=$(nproc)

echo "== Build and test"
quintrel_build "$QUINTREL_ROOT/build" RelWithDebInfo
ctest --test-dir "$QUINTREL_ROOT/build" --output-on-failure -j "$jobs"

echo "== Sanitizer build and test"
quintrel_build "$QUINTREL_ROOT/build-asan" Debug -DQUINTREL_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$QUINTREL_ROOT/build-asan" --output-on-failure -j "$jobs" -LE no-sanitizer

if [ -x "$QUINTREL_ROOT/fuzz/run.sh" ]; then
    echo "== Fuzz targets (short run)"
    "$QUINTREL_ROOT/fuzz/run.sh" 15
fi
