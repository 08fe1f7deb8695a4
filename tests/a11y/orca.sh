#!/usr/bin/env bash
# Runs Orca under openbox on a private Xvfb display with its own D-Bus
# session, speech-dispatcher's dummy output writing nothing to any sound
# card, and hears PROGRAM's drills through what Orca says (orca_drills.py).
#   bash tests/a11y/orca.sh build/bin/zunobi
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
program="$(realpath "$1")"
if [[ "${ZUNOBI_ORCA_INNER:-}" != 1 ]]; then
  ZUNOBI_ORCA_INNER=1 exec timeout -k 10 170 dbus-run-session -- \
    xvfb-run -a -s "-screen 0 1280x1024x24" bash "${BASH_SOURCE[0]}" "$program"
fi
work="$(mktemp -d)"
pids=()
finish() {
  # Orca first, so that script, its parent, collects it and ends.
  local orca pid
  orca="$(pgrep -P "${pids[-1]}" || true)"
  if [[ -n "$orca" ]]; then
    kill $orca 2>/dev/null || true
    for _ in $(seq 20); do kill -0 "${pids[-1]}" 2>/dev/null || break; sleep 0.1; done
    kill -9 $orca 2>/dev/null || true
  fi
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  sleep 0.3
  for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  # Orca starts speech-dispatcher, which leaves on its own only after a
  # while; one left running makes the next Orca hang at its start.
  for f in "$work"/run/speech-dispatcher/pid/*.pid; do
    [[ -f "$f" ]] && kill -9 "$(cat "$f")" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap finish EXIT

# Speech goes to the dummy module: with a real one and no sound card Orca
# waits on its first word.
mkdir -p "$work/config" "$work/run" "$work/data" "$work/cache"
chmod 700 "$work/run"
cp -r /etc/speech-dispatcher "$work/config/speech-dispatcher"
cat >>"$work/config/speech-dispatcher/speechd.conf" <<'CONF'
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "libao"
CONF
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" \
  XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# A real window manager: windows are activated as on a desktop.
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
log="$work/orca.log"
# Orca writes its debug file line by line only to a terminal: script gives
# it one and copies it to the file as it comes.
script -q -f -e -c "orca --replace --debug-file /dev/tty" "$log" >/dev/null 2>&1 </dev/null &
pids+=($!)
for _ in $(seq 100); do grep -q "SPEECH OUTPUT" "$log" 2>/dev/null && break; sleep 0.1; done
cd "$(dirname "$program")"
rc=0
/usr/bin/python3 "$here/orca_drills.py" "$program" "$log" || rc=$?
if ((rc != 0)) && [[ -n "${ZUNOBI_ORCA_KEEP:-}" ]]; then cp "$log" "$ZUNOBI_ORCA_KEEP"; fi
exit "$rc"
