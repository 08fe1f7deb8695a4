#!/usr/bin/env bash
# Writes a PNG of every window, at load and once started, and of each
# drill's text labels holding the tallest texts of the data files, into DIR
# (default build/screenshots), under a private Xvfb display. With PERCENT
# (125 to 200) every window is enlarged so, on a screen large enough for it.
#   bash tools/screenshots.sh [DIR] [PERCENT]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$root/build/screenshots}"
percent="${2:-100}"
screen="1280x1024x24"
((percent <= 100)) || screen="2560x1600x24"
if [[ ! -x "$root/build/bin/zunobi-shots" || ! -x "$root/build/bin/zunobi-preview" ]]; then
  bash "$root/tools/setup.sh"
  cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
  cmake --build "$root/build" --target zunobi-shots zunobi-preview zunobi_question_files
fi
mkdir -p "$out"
cd "$root/build/bin"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 $screen" \
  sh -c './zunobi-shots "$1" "$2" && ./zunobi-preview show "$1" --percent="$2"' screenshots "$out" "$percent"
echo "screenshots in $out"
