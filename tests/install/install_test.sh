#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR under /usr, as the package does,
# and checks what a desktop and a user would meet there: the program folder
# with its data, the links in bin/, the desktop entry, the icons, the
# AppStream data and the manual pages; then starts the installed program as
# its desktop entry says, under Xvfb, until its menu window shows.
set -euo pipefail
build="$(cd "$1" && pwd)"
app_id="$2"

root="$(mktemp -d)"
trap 'chmod -R u+w "$root"; rm -rf "$root"' EXIT
chmod 755 "$root"  # the ordinary user below must reach it
usr="$root/usr"
prog="$usr/lib/zunobi"
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

echo "== layout"
for f in \
  bin/zunobi bin/zunobi-data lib/zunobi/zunobi lib/zunobi/zunobi-data \
  "lib/zunobi/file/クイズ（なぞなぞ）.ran" "lib/zunobi/file/クイズ（思い出し）.ran" \
  lib/zunobi/file/二字熟語.csv lib/zunobi/file/記憶用文章.csv \
  lib/zunobi/作業ファイル/なぞなぞ.csv "lib/zunobi/作業ファイル/クイズ（思い出し）.csv" \
  lib/zunobi/bun/b001.csv lib/zunobi/bun/b068.csv \
  "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
  "share/icons/hicolor/scalable/apps/$app_id.svg" \
  share/man/man6/zunobi.6.gz share/man/man1/zunobi-data.1.gz \
  share/doc/zunobi/copyright share/doc/zunobi/changelog.gz; do
  [[ -f "$usr/$f" ]] || fail "missing /usr/$f"
done
for p in zunobi zunobi-data; do
  [[ "$(readlink "$usr/bin/$p")" == "../lib/zunobi/$p" ]] || fail "/usr/bin/$p is not a relative link into the program folder"
  [[ -x "$usr/bin/$p" ]] || fail "/usr/bin/$p does not lead to a program"
  [[ "$(head -c 4 "$prog/$p")" == $'\x7fELF' ]] || fail "$p is not a program"
done
# Only the two programs and the three data folders: no test or tool.
got="$(cd "$prog" && ls -A | LC_ALL=C sort | tr '\n' ' ')"
want="$(printf '%s\n' bun file zunobi zunobi-data 作業ファイル | LC_ALL=C sort | tr '\n' ' ')"
[[ "$got" == "$want" ]] || fail "program folder holds [$got], not [$want]"
got="$(cd "$usr/share" && ls -A | LC_ALL=C sort | tr '\n' ' ')"
[[ "$got" == "applications doc icons lintian man metainfo " ]] || fail "/usr/share holds [$got]"
for ran in "クイズ（なぞなぞ）.ran" "クイズ（思い出し）.ran"; do
  size="$(stat -c %s "$prog/file/$ran")"
  ((size > 0 && size % 700 == 0)) || fail "$ran holds $size bytes, not whole 700-byte records"
  cmp -s "$prog/file/$ran" "$build/bin/file/$ran" || fail "$ran is not the one the build made"
done
# The installed tool finds the installed data from its own folder, through the link.
"$usr/bin/zunobi-data" check --require-all >"$root/check.log" 2>&1 ||
  { cat "$root/check.log"; fail "the installed data does not pass zunobi-data check"; }
# Every hicolor PNG is the size its folder names.
for dir in "$usr"/share/icons/hicolor/*x*/; do
  size="$(basename "$dir")"
  png="$dir/apps/$app_id.png"
  [[ -f "$png" ]] || { fail "no icon in $size"; continue; }
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [[ "${w}x${h}" == "$size" ]] || fail "icon in $size is ${w}x${h}"
done
[[ "$(ls -d "$usr"/share/icons/hicolor/*x*/ | wc -l)" -ge 6 ]] || fail "too few icon sizes"

echo "== desktop entry and AppStream data"
desktop="$usr/share/applications/$app_id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$usr/share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry names another icon"
grep -qx "Name\[ja\]=ズノビ" "$desktop" || fail "the desktop entry lacks its name ズノビ"

echo "== manual pages"
for page in "$usr"/share/man/man*/*.gz; do
  gzip -t "$page" || fail "$page is not gzip"
  warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)" || fail "man cannot show $page"
  [[ -z "$warnings" ]] || fail "$page: $warnings"
done

echo "== the program folder is the administrator's"
# As installed, file/ is root's and 0755: an ordinary user's prepare must
# refuse, name the folder and leave both question files as they were.
before="$(cat "$prog"/file/*.ran | md5sum)"
files_before="$(ls -A "$prog/file")"
if [[ $(id -u) -eq 0 ]]; then
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
  chmod a-w "$prog/file"
  as_user=()
fi
status=0
"${as_user[@]}" "$usr/bin/zunobi-data" prepare >"$root/prepare.log" 2>&1 || status=$?
[[ $status -eq 1 ]] || fail "prepare by an ordinary user exited $status, not 1"
grep -qF "フォルダ「$prog/file」に書き込む権限がありません" "$root/prepare.log" ||
  { cat "$root/prepare.log"; fail "prepare does not say the folder cannot be written"; }
[[ "$(cat "$prog"/file/*.ran | md5sum)" == "$before" ]] || fail "prepare changed a question file"
[[ "$(ls -A "$prog/file")" == "$files_before" ]] || fail "prepare left a file behind"
chmod u+w "$prog/file"

echo "== the installed program under Xvfb"
exec_line="$(sed -n 's/^Exec=//p' "$desktop")"
[[ "$exec_line" == zunobi ]] || fail "Exec=$exec_line"
# Started by name from PATH, as the desktop starts it.
PATH="$usr/bin:$PATH" QT_QPA_PLATFORM=xcb timeout 60 xvfb-run -a -s "-screen 0 1280x1024x24" \
  bash -c '
    "$1" &
    pid=$!
    for _ in $(seq 100); do
      if win="$(xdotool search --onlyvisible --name "ズノビ" 2>/dev/null | head -1)" && [[ -n "$win" ]]; then
        echo "menu window shown: $(xdotool getwindowname "$win")"
        kill "$pid"
        exit 0
      fi
      kill -0 "$pid" 2>/dev/null || { echo "the program ended before its menu showed" >&2; exit 1; }
      sleep 0.2
    done
    echo "no menu window within 20 s" >&2
    kill "$pid"
    exit 1' menu "$exec_line" || fail "the installed program did not show its menu"

if ((failures)); then
  echo "install: $failures failures" >&2
  exit 1
fi
echo "install: all checks passed"
