#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it from its ready
# application folder (build/app: the executables with slownik.txt beside
# them). Without a display it runs the strip under Xvfb for a few seconds
# (the first entry comes in from beyond the right edge) and writes a
# screenshot, slownik-screenshot.png, instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target slownik update
cd build/app
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec ./slownik
fi
echo "No display: running the strip under Xvfb and taking a screenshot."
tmp=$(mktemp -d)
Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp 5>"$tmp/display" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$tmp"' EXIT
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$tmp/display")" XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp"
openbox --sm-disable >/dev/null 2>&1 &
sleep 1
./slownik &
app_pid=$!
sleep 12
import -window root -crop 400x100+150+175 ../../slownik-screenshot.png
kill "$app_pid" 2>/dev/null || true
echo "Screenshot written to $(cd ../.. && pwd)/slownik-screenshot.png"
