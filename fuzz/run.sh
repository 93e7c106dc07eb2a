#!/bin/sh
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a
# bounded time (default 60 s) from the committed seeds. Any finding (crash,
# sanitizer report, violated property, timeout, memory blow-up) fails the
# run and leaves its input in build-fuzz/artifacts/.
# Usage: fuzz/run.sh [seconds per target] [target...]
set -eu
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-60}
[ $# -gt 0 ] && shift
BUILD=${TARVO_FUZZ_BUILD:-build-fuzz}
JOBS=${JOBS:-2}

# libFuzzer comes with clang's runtime package; install them when missing.
CXX_FUZZ=${CXX_FUZZ:-clang++-14}
if ! command -v "$CXX_FUZZ" >/dev/null || [ ! -d /usr/lib/llvm-14/lib/clang/14.0.6/lib/linux ]; then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang-14 libclang-rt-14-dev
fi
cmake -S . -B "$BUILD" -DCMAKE_CXX_COMPILER="$CXX_FUZZ" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTARVO_FUZZ=ON -DBUILD_TESTING=OFF -DTARVO_BENCHMARKS=OFF >/dev/null
cmake --build "$BUILD" -j "$JOBS" --target fuzz_all

TARGETS=${*:-$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')}
mkdir -p "$BUILD/artifacts"
# The targets write their scratch files many times a second; in memory the
# writer's fsync costs nothing and the disk is spared.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
printf '%-20s %12s %8s %10s %s\n' target executions seconds exec/s result > "$BUILD/fuzz-summary.txt"
for t in $TARGETS; do
  # The seeds stay as committed; what the fuzzer finds goes to a working copy.
  work="$BUILD/corpus/$t"
  mkdir -p "$work"
  [ -d "fuzz/corpus/$t" ] && cp -n fuzz/corpus/$t/* "$work/" 2>/dev/null || true
  log="$BUILD/$t.log"
  echo "== $t for ${SECONDS_EACH}s"
  if "$BUILD/fuzz/$t" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
       -print_final_stats=1 -artifact_prefix="$BUILD/artifacts/$t-" "$work" >"$log" 2>&1; then
    result=ok
  else
    result=FINDING
    status=1
    grep -E "property violated|ERROR|SUMMARY|Test unit written" "$log" | head -20
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  printf '%-20s %12s %8s %10s %s\n' "$t" "${runs:-?}" "${took:-?}" "${rate:-?}" "$result" >> "$BUILD/fuzz-summary.txt"
done
cat "$BUILD/fuzz-summary.txt"
exit $status
