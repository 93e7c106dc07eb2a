#!/usr/bin/env bash
# Builds Tarvo with its tests and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh test
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DTARVO_BENCHMARKS=OFF
cmake --build build -j"$(nproc)"
cd build
# The kill tests kill fewer times here than on their own (200 and 100),
# enough to catch a fault in most runs; .ci/run gives them their full counts.
export TARVO_KILLS=${TARVO_KILLS:-50} TARVO_RESTORE_KILLS=${TARVO_RESTORE_KILLS:-12}
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
