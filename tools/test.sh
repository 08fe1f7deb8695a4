#!/usr/bin/env bash
# Builds everything and runs every test: the plain build, then the same
# suite under AddressSanitizer and UndefinedBehaviorSanitizer, a soak of
# random use under both (through the form model, and through the real
# windows), the fuzz targets over their corpora, the Debian
# package checked by lintian, and the screenshots under Xvfb.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"
bash "$root/tools/setup.sh"

export QT_QPA_PLATFORM=offscreen
log="$(mktemp)"
trap 'rm -f "$log"' EXIT

echo "== build and test (any compiler warning fails the build)"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUNOBI_WERROR=ON >/dev/null
cmake --build "$root/build" -j "$jobs"
ctest --test-dir "$root/build" -j "$jobs" --output-on-failure | tee -a "$log"

echo "== build and test with sanitizers"
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DZUNOBI_SANITIZE=ON -DZUNOBI_BENCH=OFF >/dev/null
cmake --build "$root/build-asan" -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build-asan" -j "$jobs" --output-on-failure | tee -a "$log"

echo "== soak: 100000 random actions with sanitizers"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  "$root/build-asan/bin/zunobi-soak" --actions 100000

echo "== view soak: 50000 random actions through the real windows, with sanitizers"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  "$root/build-asan/bin/zunobi-soak" --view --actions 50000

if [[ -x "$root/fuzz/run.sh" || -f "$root/fuzz/run.sh" ]]; then
  echo "== fuzz targets"
  bash "$root/fuzz/run.sh"
fi

echo "== Debian package and lintian"
bash "$root/tools/package.sh"

echo "== screenshots under Xvfb"
bash "$root/tools/screenshots.sh" "$root/build/screenshots"

# Both runs of the suite, counted together.
passed=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$log" | awk '{s += $1} END {print s + 0}')
echo "suite: ${passed} passed, 0 failed"
