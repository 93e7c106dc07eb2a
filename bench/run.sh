#!/usr/bin/env bash
# Builds Tarvo's benchmark in Release and prints its table (a few minutes).
# Extra arguments go to the benchmark, e.g. --benchmark_filter=LoadProject
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
if ! dpkg-query -W -f='${Status}' libbenchmark-dev 2>/dev/null | grep -q 'install ok installed'; then
  echo "Installing: libbenchmark-dev"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends libbenchmark-dev
fi
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTARVO_BENCHMARKS=ON
cmake --build build-bench -j"$(nproc)" --target tarvo_bench
QT_QPA_PLATFORM=offscreen build-bench/tarvo_bench "$@"
