#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test: once in a
# normal build (unit, widget and real-window tests), once with
# AddressSanitizer and UndefinedBehaviorSanitizer, then every reader under
# libFuzzer for a bounded time. Prints how long each phase took.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
phases=()
phase() {
  local name=$1 start=$SECONDS
  shift
  "$@"
  phases+=("$(printf '%-34s %4d s' "$name" $((SECONDS - start)))")
}

phase "install packages" bash scripts/setup.sh

phase "configure + build" bash -c "cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo && cmake --build build -j$jobs"
phase "tests" ctest --test-dir build --output-on-failure -j"$jobs"

phase "configure + build, ASan + UBSan" bash -c "cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSLOWNIK_SANITIZE=ON -DSLOWNIK_BUILD_BENCHMARKS=OFF && cmake --build build-asan -j$jobs"
phase "tests, ASan + UBSan" ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE realwindow

# scripts/fuzz.sh SECONDS runs the targets longer.
phase "fuzz targets" bash scripts/fuzz.sh "${SLOWNIK_FUZZ_SECONDS:-45}"

printf '%s\n' "${phases[@]}"
