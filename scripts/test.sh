#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test: once in a
# normal build (unit, widget and real-window tests), once with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSLOWNIK_SANITIZE=ON -DSLOWNIK_BUILD_BENCHMARKS=OFF
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE realwindow

# Every reader under libFuzzer for a bounded time (scripts/fuzz.sh SECONDS runs longer).
bash scripts/fuzz.sh "${SLOWNIK_FUZZ_SECONDS:-45}"
