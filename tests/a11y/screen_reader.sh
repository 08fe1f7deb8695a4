#!/usr/bin/env bash
# Starts PROGRAM under a private Xvfb display with its own D-Bus session and
# accessibility bus, and reads it through AT-SPI as a screen reader does.
#   bash tests/a11y/screen_reader.sh build/bin/zunobi
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
program="$(realpath "$1")"
if [[ "${ZUNOBI_A11Y_INNER:-}" != 1 ]]; then
  # The session bus starts the accessibility bus (at-spi-bus-launcher) and
  # its registry on demand. Nothing may outlive the time given.
  ZUNOBI_A11Y_INNER=1 exec timeout -k 10 150 dbus-run-session -- \
    xvfb-run -a -s "-screen 0 1280x1024x24" bash "${BASH_SOURCE[0]}" "$program"
fi
export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
cd "$(dirname "$program")"
# Debian's python, which holds pyatspi, whatever python comes first in PATH.
# It starts the program itself, once it listens.
timeout 120 /usr/bin/python3 "$here/screen_reader.py" "$program"
