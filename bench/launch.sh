#!/usr/bin/env bash
# Launch time of the menu against a bare Qt Widgets window and against the
# same menu built from stock Qt widgets, in one run on a private Xvfb
# display, taking turns; then the CPU the program uses while idle on the
# menu and on a drill window with its one-second clock.
#   bash bench/launch.sh [RUNS]   (default 30)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
self="$root/bench/launch.sh"
runs="${1:-30}"
bin="$root/build/bin"
if [[ ! -x "$bin/launch_watch" || ! -x "$bin/zunobi" || ! -x "$bin/bare_window" ||
  ! -x "$bin/reference_menu" ]]; then
  bash "$root/tools/setup.sh"
  cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$root/build" --target zunobi bare_window reference_menu launch_watch \
    zunobi_question_files
fi

inner() {
  local bare=() menu=() bareMap=() menuMap=() ref=() refMap=()
  "$bin/launch_watch" -- "$bin/bare_window" >/dev/null  # warm the caches once
  "$bin/launch_watch" -- "$bin/zunobi" >/dev/null
  "$bin/launch_watch" -- "$bin/reference_menu" >/dev/null
  for ((i = 0; i < runs; i++)); do
    out="$("$bin/launch_watch" -- "$bin/bare_window")"
    bareMap+=("$(sed -n 's/mapped_ms=//p' <<<"$out")")
    bare+=("$(sed -n 's/painted_ms=//p' <<<"$out")")
    out="$("$bin/launch_watch" -- "$bin/reference_menu")"
    refMap+=("$(sed -n 's/mapped_ms=//p' <<<"$out")")
    ref+=("$(sed -n 's/painted_ms=//p' <<<"$out")")
    out="$("$bin/launch_watch" -- "$bin/zunobi")"
    menuMap+=("$(sed -n 's/mapped_ms=//p' <<<"$out")")
    menu+=("$(sed -n 's/painted_ms=//p' <<<"$out")")
  done
  median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
  local mb mm
  mb="$(median "${bare[@]}")"
  mm="$(median "${menu[@]}")"
  echo "bare Qt window mapped:     median $(median "${bareMap[@]}") ms, painted: median ${mb} ms over ${runs} runs"
  echo "stock-widget menu mapped:  median $(median "${refMap[@]}") ms, painted: median $(median "${ref[@]}") ms over ${runs} runs"
  echo "zunobi menu mapped:        median $(median "${menuMap[@]}") ms, painted: median ${mm} ms over ${runs} runs"
  # Each round's menu against the same round's bare window, so that a slow
  # stretch of the machine weighs on both sides alike.
  local pairs=()
  for ((i = 0; i < runs; i++)); do
    pairs+=("$(awk -v m="${menu[i]}" -v b="${bare[i]}" 'BEGIN {printf "%.4f", m / b}')")
  done
  echo "ratio painted menu / bare: $(median "${pairs[@]}") (median of the rounds' ratios; target at most 1.30)"
  awk -v m="$mm" -v r="$(median "${ref[@]}")" 'BEGIN {printf "ratio painted menu / stock-widget menu: %.2f\n", m / r}'
  # Idle: the menu has no timer; a drill window ticks once a second.
  echo "menu idle CPU over 10 s:   $("$bin/launch_watch" --idle 10 -- "$bin/zunobi" | sed -n 's/idle_cpu_ms=//p') ms"
  # The "計算問題" button: its centre in window pixels, below the menu bar.
  local menubar=21
  echo "drill idle CPU over 10 s:  $("$bin/launch_watch" --idle 10 --click "$(((7680 + 907) / 15)),$(((1320 + 427) / 15 + menubar))" -- "$bin/zunobi" | sed -n 's/idle_cpu_ms=//p') ms (clock ticking)"
}

cd "$bin"
if [[ "${ZUNOBI_BENCH_INNER:-}" == 1 ]]; then
  inner
else
  ZUNOBI_BENCH_INNER=1 QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    bash "$self" "$runs"
fi
