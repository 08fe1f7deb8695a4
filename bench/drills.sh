#!/usr/bin/env bash
# Every drill with the data that ships and with the largest data the
# program accepts: the time from the click on the drill's menu button to the
# drill window's first paint (on a private Xvfb display), the CPU time of
# the window's load (Google Benchmark), and the program's resident memory
# with the menu alone and with the drill open.
#   bash bench/drills.sh [RUNS]   (default 7 clicks per drill and data set)
# Targets: painted within 16 ms with the shipped data, within 50 ms with the
# largest; memory with the drill open within 1.5 times the menu's.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
self="$root/bench/drills.sh"
runs="${1:-7}"
bin="$root/build/bin"
if [[ ! -x "$bin/drill_watch" || ! -x "$bin/zunobi" || ! -x "$bin/drill_load_bench" ||
  ! -f "$bin/file/クイズ（なぞなぞ）.ran" ]]; then
  bash "$root/tools/setup.sh"
  cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$root/build" --target zunobi drill_watch drill_load_bench zunobi_question_files
fi

median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
maximum() { printf '%s\n' "$@" | sort -g | tail -1; }

# One data set: clicks under Xvfb, then the table with the load benchmark.
inner() {
  local set="$1" folder="$2" limit="$3"
  local loads
  loads="$("$bin/drill_load_bench" --benchmark_format=csv --benchmark_filter="/$set\$" 2>/dev/null)"
  printf '\n%s data (target: painted within %s ms of the click; memory within 1.5 x the menu)\n' "$set" "$limit"
  printf '%-20s %9s %9s %10s %10s %9s %9s %6s  %s\n' drill "paint ms" "max ms" "load ms" "window ms" "menu MB" "drill MB" ratio verdict
  "$bin/drill_load_bench" --buttons | while read -r form x y; do
    local paint=() rssMenu=() rssDrill=()
    "$bin/drill_watch" --click "$x,$y" -- "$folder/zunobi" >/dev/null  # warm the caches once
    for ((i = 0; i < runs; i++)); do
      out="$("$bin/drill_watch" --click "$x,$y" -- "$folder/zunobi")"
      paint+=("$(sed -n 's/click_to_painted_ms=//p' <<<"$out")")
      rssMenu+=("$(sed -n 's/menu_rss_kb=//p' <<<"$out")")
      rssDrill+=("$(sed -n 's/drill_rss_kb=//p' <<<"$out")")
    done
    local p m mm md load window
    p="$(median "${paint[@]}")"
    m="$(maximum "${paint[@]}")"
    mm="$(median "${rssMenu[@]}")"
    md="$(median "${rssDrill[@]}")"
    # CSV rows: "name",iterations,real_time,cpu_time,time_unit,...
    load="$(awk -F, -v n="\"load/$form/$set\"" '$1 == n {printf "%.3f", $4 / 1000}' <<<"$loads")"
    window="$(awk -F, -v n="\"window/$form/$set\"" '$1 == n {printf "%.3f", $4 / 1000}' <<<"$loads")"
    awk -v f="$form" -v p="$p" -v m="$m" -v l="$load" -v w="$window" -v mm="$mm" -v md="$md" -v lim="$limit" 'BEGIN {
      r = md / mm
      v = (p <= lim ? "ok" : "SLOW") (r <= 1.5 ? "" : " MEMORY")
      printf "%-20s %9.1f %9.1f %10s %10s %9.1f %9.1f %6.2f  %s\n", f, p, m, l, w, mm / 1024, md / 1024, r, v
    }'
  done
}

if [[ "${ZUNOBI_BENCH_INNER:-}" == 1 ]]; then
  XDG_RUNTIME_DIR="$(mktemp -d)"  # Qt wants one, private
  export XDG_RUNTIME_DIR
  inner "$2" "$3" "$4"
  rm -rf "$XDG_RUNTIME_DIR"
  exit 0
fi

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
# Each data set in a program folder of its own, with a copy of the program:
# the program reads the data that lies beside it.
mkdir -p "$scratch/shipped" "$scratch/largest"
cp -r "$bin/file" "$bin/bun" "$bin/作業ファイル" "$scratch/shipped/"
"$bin/drill_load_bench" --write-largest "$scratch/largest"
for set in shipped largest; do cp "$bin/zunobi" "$scratch/$set/"; done
echo "largest data: $(du -sh "$scratch/largest" | cut -f1) in $(find "$scratch/largest" -type f | wc -l) files; $runs clicks per drill"

cd "$bin"
for set in shipped largest; do
  limit=16
  [[ "$set" == largest ]] && limit=50
  ZUNOBI_BENCH_INNER=1 QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    bash "$self" "$runs" "$set" "$scratch/$set" "$limit"
done
