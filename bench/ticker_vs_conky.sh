#!/usr/bin/env bash
# Runs the built strip program and conky side by side on one private X
# display, both scrolling the same dictionary text at about the same speed,
# and prints the CPU time and peak memory of each, as whole processes.
#
#   bench/ticker_vs_conky.sh [application folder] [seconds] [screenshot.png]
#
# The application folder defaults to build/app (the program with its
# slownik.txt). The strip runs at its first-run defaults: 2 px every 120 ms,
# about 16.7 px/s. conky moves its text one character every 0.48 s, about the
# same speed in the same bold 13 px typeface. conky (Debian package
# conky-std) is installed when missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
app_dir=$(cd "${1:-$root/build/app}" && pwd)
seconds=${2:-30}
shot=${3:-}

for f in slownik slownik.txt; do
  [ -e "$app_dir/$f" ] || { echo "no $f in $app_dir: build the slownik target first" >&2; exit 1; }
done
if ! command -v conky >/dev/null; then
  echo "Installing conky-std ..."
  apt-get install -y conky-std >/dev/null
fi
for tool in Xvfb openbox python3; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/setup.sh" >&2; exit 1; }
done

tmp=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT

Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp 5>"$tmp/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$tmp/display")" XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp" HOME="$tmp"
mkdir -p "$tmp/config" "$tmp/app"
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
sleep 1

cp "$app_dir/slownik" "$app_dir/slownik.txt" "$tmp/app/"

# The same text as the strip: its first entries ("Polski- Angielski", the
# file's last line first), as UTF-8, in a conky configuration.
python3 - "$app_dir/slownik.txt" >"$tmp/conky.conf" <<'EOF'
import csv, sys
with open(sys.argv[1], encoding="cp1250", newline="") as f:
    rows = [r for r in csv.reader(f, delimiter=";", quotechar='"') if len(r) >= 3]
text = "    ".join(f"{r[1]}- {r[0]}" for r in reversed(rows[-60:])).replace("$", "$$")
print("""conky.config = {
  out_to_x = true, out_to_console = false, background = false,
  own_window = true, own_window_type = 'normal', own_window_hints = 'undecorated,above',
  own_window_colour = '1A99CC', double_buffer = true,
  use_xft = true, font = 'DejaVu Sans:bold:pixelsize=13', default_color = 'FFFFFF',
  draw_shades = false, draw_outline = false, draw_borders = false,
  alignment = 'top_left', gap_x = 200, gap_y = 300, minimum_width = 306, maximum_width = 306,
  update_interval = 0.48, total_run_times = 0, text_buffer_size = 16384,
}
conky.text = [[${scroll 38 1 %s}]]""" % text)
EOF

(cd "$tmp/app" && exec ./slownik) >/dev/null 2>&1 &
slownik_pid=$!
pids+=("$slownik_pid")
conky -c "$tmp/conky.conf" >/dev/null 2>&1 &
conky_pid=$!
pids+=("$conky_pid")

# Start-up is over after a few seconds; the rest of the run is scrolling.
settle=5
ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{print $12+$13+$14+$15}'; }
sleep "$settle"
slownik_settled=$(ticks "$slownik_pid")
conky_settled=$(ticks "$conky_pid")
sleep $((seconds - settle))
[ -n "$shot" ] && import -window root -crop 500x200+150+150 "$shot"

# utime + stime (+ waited-for children) in clock ticks, peak resident set.
measure() {
  local pid=$1 name=$2 settled=$3
  [ -r "/proc/$pid/stat" ] || { printf '%-10s  (not running)\n' "$name"; return; }
  local ticks start uptime hz
  hz=$(getconf CLK_TCK)
  read -r ticks start < <(sed 's/.*) //' "/proc/$pid/stat" | awk '{print $12+$13+$14+$15, $20}')
  uptime=$(cut -d' ' -f1 /proc/uptime)
  local hwm rss
  hwm=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status")
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
  awk -v n="$name" -v t="$ticks" -v t0="$settled" -v hz="$hz" -v s="$start" -v up="$uptime" -v hwm="$hwm" \
      -v rss="$rss" -v settle="$settle" 'BEGIN {
    life = up - s / hz; cpu = t / hz
    printf "%-10s %8.1f %10.2f %9.2f %14.2f %14.1f %10.1f\n", n, life, cpu, 100 * cpu / life,
      100 * (t - t0) / hz / (life - settle), hwm / 1024, rss / 1024 }'
}
printf '%-10s %8s %10s %9s %14s %14s %10s\n' program "run [s]" "CPU [s]" "CPU [%]" "scrolling [%]" "peak RSS [MB]" "RSS [MB]"
measure "$slownik_pid" slownik "$slownik_settled"
measure "$conky_pid" conky "$conky_settled"
echo "CPU [%]: whole process over its run; scrolling [%]: after the first ${settle} s (one core = 100)."
