#!/bin/sh
# Builds Tarvo with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs the whole test suite under them; any report fails.
# Usage: tools/sanitize.sh [ctest arguments...]
set -eu
cd "$(dirname "$0")/.."
BUILD=${TARVO_ASAN_BUILD:-build-asan}
JOBS=${JOBS:-2}

cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DTARVO_SANITIZE=ON -DTARVO_BENCHMARKS=OFF
cmake --build "$BUILD" -j "$JOBS"

# Leaks count as findings; a report ends the program with a failing status.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
# The kill tests are long; their full runs are in the plain suite.
export TARVO_RESTORE_KILLS=${TARVO_RESTORE_KILLS:-10}
ctest --test-dir "$BUILD" --output-on-failure -j 1 "$@"
