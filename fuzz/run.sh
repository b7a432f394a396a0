#!/bin/sh
# Builds the libFuzzer targets with clang in build-fuzz and runs each one on a copy of its seed
# corpus for the given number of seconds (default 20). Exits non-zero when any target finds a crash,
# a hang or a leak; the input that caused it is left in build-fuzz/artifacts.
set -eu

seconds=${1:-20}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz

# The libraries are instrumented too (fuzzer-no-link), so the fuzzer sees which of their branches
# an input reaches; address and undefined-behaviour checks come from QUINTREL_SANITIZE.
mkdir -p "$build"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUINTREL_SANITIZE=ON -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >"$build/configure.log" 2>&1 || {
  cat "$build/configure.log"
  exit 1
}
if ! grep -q '^CMAKE_CXX_COMPILER:.*clang' "$build/CMakeCache.txt"; then
  echo "run.sh: $build was configured with another compiler; remove it and run again" >&2
  exit 1
fi

status=0
found=0
for source in "$root"/fuzz/fuzz_*.cpp; do
  [ -e "$source" ] || continue
  found=1
  name=$(basename "$source" .cpp)
  short=${name#fuzz_}
  cmake --build "$build" --target "$name" -j2 >"$build/$name.build.log" 2>&1 || {
    cat "$build/$name.build.log"
    exit 1
  }
  work=$build/corpus/$short
  seeds=$root/fuzz/corpus/$short
  mkdir -p "$work" "$build/artifacts"
  [ -d "$seeds" ] || seeds=$work
  log=$build/$name.log
  echo "== $name: ${seconds}s"
  # Every seed runs once at full length first; the fuzzing itself stays below 64 KiB so that a
  # megabyte seed does not slow every mutation down to a crawl.
  set -- "$seeds"/*
  if [ -e "$1" ] && ! "$build/fuzz/$name" "$@" >"$build/$name.seeds.log" 2>&1; then
    status=1
    tail -n 60 "$build/$name.seeds.log"
    echo "$name: FAILED on a seed"
    continue
  fi
  if "$build/fuzz/$name" -max_total_time="$seconds" -max_len=65536 -timeout=10 -print_final_stats=1 \
       -artifact_prefix="$build/artifacts/$name-" "$work" "$seeds" >"$log" 2>&1; then
    result=ok
  else
    result=FAILED
    status=1
    tail -n 60 "$log"
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)
  echo "$name: $result, ${executions:-?} executions (${rate:-?}/s), $coverage, corpus $(ls "$work" | wc -l) files"
done

[ "$found" = 1 ] || { echo "run.sh: no fuzz targets" >&2; exit 1; }
exit $status
