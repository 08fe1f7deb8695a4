#!/usr/bin/env bash
# Builds the Debian package build/zunobi_<version>_amd64.deb with CPack and
# checks it with lintian, failing on any error. Builds only what the package
# holds, not the tests.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/setup.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target zunobi_install_files
(cd "$root/build" && cpack -G DEB) >"$root/build/cpack.log" 2>&1 || { cat "$root/build/cpack.log"; exit 1; }
deb="$(sed -n 's/.*package: \(.*\.deb\) generated\./\1/p' "$root/build/cpack.log")"
[[ -f "$deb" ]] || { cat "$root/build/cpack.log"; echo "no package made" >&2; exit 1; }
echo "== lintian $deb"
# --fail-on error: warnings are reported, and a single error fails the build.
lintian --fail-on error --info --display-info "$deb"
echo "package: $deb"
