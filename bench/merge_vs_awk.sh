#!/usr/bin/env bash
# Times the dictionary merge of an online update (ScalSlowniki, through
# bench_merge --merge) side by side with an awk one-liner doing the same
# case-insensitive line merge, on 100 000 downloaded lines merged into
# 100 000, and checks that both give the same bytes.
#   bench/merge_vs_awk.sh [build-dir] [lines]
# awk folds ASCII letters only, so the generated lines differ in ASCII case
# alone; the real merge folds the Polish letters of Windows-1250 as well.
set -euo pipefail
build="${1:-$(dirname "$0")/../build}"
lines="${2:-100000}"
merge="$build/bench/bench_merge"
[ -x "$merge" ] || { echo "build bench_merge first: cmake --build $build --target bench_merge" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The dictionary: word0 .. word(n-1); the download: word(n/2) .. word(n+n/2-1),
# every fourth known line in upper case. CR LF line ends, as the program writes.
awk -v n="$lines" 'BEGIN {
  for (i = 0; i < n; i++) printf "\"word%d\";\"slowo%d\";\"kategoria%d\"\r\n", i, i, i % 40 > "'"$work"'/slownik.txt"
  for (i = int(n / 2); i < n + int(n / 2); i++) {
    line = sprintf("\"word%d\";\"slowo%d\";\"kategoria%d\"", i, i, i % 40)
    if (i < n && i % 4 == 0) line = toupper(line)
    printf "%s\r\n", line > "'"$work"'/slownik_nowy.txt"
  }
}'
cp "$work/slownik.txt" "$work/awk_slownik.txt"
cp "$work/slownik_nowy.txt" "$work/awk_slownik_nowy.txt"

seconds() { echo "$EPOCHREALTIME"; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }

start=$(seconds)
"$merge" --merge "$work/slownik.txt" "$work/slownik_nowy.txt"
end=$(seconds)
real_merge=$(elapsed "$start" "$end")

start=$(seconds)
awk 'BEGIN { RS = "\r\n"; ORS = "\r\n" } { k = tolower($0) } NR == FNR { seen[k] = 1; print; next } !(k in seen) { seen[k] = 1; print }' \
  "$work/awk_slownik.txt" "$work/awk_slownik_nowy.txt" > "$work/awk_wynik.txt"
end=$(seconds)
awk_merge=$(elapsed "$start" "$end")

printf 'lines: %d into %d\n' "$lines" "$lines"
printf 'ScalSlowniki (bench_merge --merge): %s s, %d lines\n' "$real_merge" "$(wc -l < "$work/slownik.txt")"
printf 'awk one-liner (%s):               %s s, %d lines\n' "$(readlink -f "$(command -v awk)" | xargs basename)" "$awk_merge" "$(wc -l < "$work/awk_wynik.txt")"
if cmp -s "$work/slownik.txt" "$work/awk_wynik.txt"; then
  echo "same result: yes"
else
  echo "same result: NO" >&2
  exit 1
fi
