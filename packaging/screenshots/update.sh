#!/usr/bin/env bash
# Remakes the AppStream screenshots from tools/screenshots.sh: the menu and
# a mental-arithmetic run, each cut to its window. The metainfo names no
# screenshots until the project has a home of its own to publish them at.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
shots="$(mktemp -d)"
trap 'rm -rf "$shots"' EXIT
bash "$here/../../tools/screenshots.sh" "$shots" >/dev/null
# The Xvfb screen around the window is black: trim it away.
convert "$shots/frm1Main.png" -trim +repage -strip "$here/menu.png"
convert "$shots/frm2Keisan-started.png" -trim +repage -strip "$here/keisan.png"
echo "screenshots in $here"
