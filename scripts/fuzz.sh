#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) and runs each
# for the given number of seconds (default 60): first over its kept
# regression inputs, then fuzzing from its committed seed corpus. Prints the
# runs per target; fails when any target finds a crash.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
CXX=clang++-14 cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"
mkdir -p build-fuzz/findings
summary=()
status=0
for exe in build-fuzz/fuzz_*; do
  [ -f "$exe" ] && [ -x "$exe" ] || continue
  name=$(basename "$exe")
  seeds="fuzz/corpus/$name"
  regressions="fuzz/regressions/$name"
  work="build-fuzz/corpus/$name"
  mkdir -p "$work" "$seeds"
  if [ -d "$regressions" ] && [ -n "$(ls -A "$regressions")" ]; then
    "$exe" "$regressions"/* >/dev/null 2>&1 || { echo "$name: a kept regression input fails again"; status=1; }
  fi
  log="build-fuzz/$name.log"
  if "$exe" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$name-" \
      -rss_limit_mb=4096 -timeout=10 "$work" "$seeds" >"$log" 2>&1; then
    result=ok
  else
    result=CRASH
    status=1
    tail -n 40 "$log"
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  summary+=("$(printf '%-28s %12s runs in %ss  %s' "$name" "$runs" "$seconds" "$result")")
done
printf '%s\n' "${summary[@]}"
exit $status
