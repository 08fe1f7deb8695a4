#!/usr/bin/env bash
# The release check by hand (as root, not in CI): installs the package in a
# clean Debian 12 made by debootstrap, starts it as an ordinary user the way
# its desktop entry's Exec line says, on an Xvfb display of this machine,
# opens the mental-arithmetic drill with a click on its menu button, and
# writes screenshots of the menu and the drill.
#
#   bash tools/check-in-chroot.sh build/zunobi_<version>_amd64.deb [CHROOT] [OUT]
set -euo pipefail
deb="$(realpath "$1")"
dir="${2:-/tmp/zunobi-chroot}"
out="${3:-$(dirname "$deb")/chroot-check}"
mirror="${MIRROR:-http://deb.debian.org/debian}"
mkdir -p "$out"

if [[ ! -x "$dir/usr/bin/apt-get" ]]; then
  echo "== debootstrap bookworm $dir"
  debootstrap bookworm "$dir" "$mirror" >"$out/debootstrap.log"
fi
mountpoint -q "$dir/proc" || mount -t proc proc "$dir/proc"
mkdir -p "$dir/tmp/.X11-unix"
mountpoint -q "$dir/tmp/.X11-unix" || mount --bind /tmp/.X11-unix "$dir/tmp/.X11-unix"
xvfb_pid=""
cleanup() {
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  umount "$dir/tmp/.X11-unix" 2>/dev/null || true
  umount "$dir/proc" 2>/dev/null || true
}
trap cleanup EXIT

echo "== apt install ./$(basename "$deb") in the chroot"
cp "$deb" "$dir/tmp/"
chroot "$dir" apt-get update -qq
chroot "$dir" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y "./tmp/$(basename "$deb")" >"$out/apt.log" 2>&1 || { tail -30 "$out/apt.log"; exit 1; }
grep -E '^(Setting up|The following NEW)' "$out/apt.log" | head -3
chroot "$dir" id user >/dev/null 2>&1 || chroot "$dir" useradd -m user

entry="$(chroot "$dir" dpkg -L zunobi | grep '^/usr/share/applications/.*\.desktop$')"
exec_line="$(sed -n 's/^Exec=//p' "$dir$entry")"
echo "== Exec=$exec_line, as an ordinary user"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
sleep 1
# The desktop runs the Exec line through the user's PATH.
chroot --userspec=user:user "$dir" env -i HOME=/home/user LANG=C.UTF-8 \
  PATH=/usr/local/bin:/usr/bin:/bin:/usr/games DISPLAY="$display" $exec_line \
  >"$out/program.log" 2>&1 &
program_pid=$!

menu=""
for _ in $(seq 100); do
  menu="$(DISPLAY="$display" xdotool search --onlyvisible --name ズノビ 2>/dev/null | head -1)" && [[ -n "$menu" ]] && break
  sleep 0.2
done
[[ -n "$menu" ]] || { cat "$out/program.log"; echo "no menu window" >&2; exit 1; }
menu_name="$(DISPLAY="$display" xdotool getwindowname "$menu")"
echo "menu window: $menu_name"
sleep 1
DISPLAY="$display" import -window root "$out/menu.png"

# 計算問題: left 7680, top 1320 twips, 1815 x 855, below the menu bar.
DISPLAY="$display" xdotool mousemove --window "$menu" 572 139 click 1
drill=""
for _ in $(seq 50); do
  for w in $(DISPLAY="$display" xdotool search --onlyvisible --name . 2>/dev/null); do
    name="$(DISPLAY="$display" xdotool getwindowname "$w" 2>/dev/null || true)"
    [[ -n "$name" && "$name" != "$menu_name" ]] && drill="$name" && break 2
  done
  sleep 0.2
done
sleep 2
DISPLAY="$display" import -window root "$out/drill.png"
kill "$program_pid" 2>/dev/null || true
[[ -n "$drill" ]] || { cat "$out/program.log"; echo "no drill window opened" >&2; exit 1; }
echo "drill window: $drill"
echo "screenshots: $out/menu.png $out/drill.png"
