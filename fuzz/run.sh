#!/bin/sh
# Builds the fuzz targets with clang in their own build folder, runs each
# over its seed corpus, then fuzzes each for a bounded time.
#
#   fuzz/run.sh            20 seconds per target
#   fuzz/run.sh 3600       an hour per target
#   FUZZ_JOBS=2 fuzz/run.sh 600   two fuzzing processes per target
#
# New inputs go to <build>/fuzz/corpus/<target> (the seeds in the repository
# stay as they are); crashes to <build>/fuzz/artifacts/.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZUNOBI_FUZZ_BUILD:-$root/build-fuzz}
seconds=${1:-20}
jobs=${FUZZ_JOBS:-1}
targets="${FUZZ_TARGETS:-field_reader record_file cp932 jyukugo document kioku_bun quiz_file}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZUNOBI_FUZZ=ON -DZUNOBI_BENCH=OFF >/dev/null
ninja -C "$build" $(for t in $targets; do printf 'fuzz_%s ' "$t"; done)

mkdir -p "$build/fuzz/artifacts"
for t in $targets; do
  exe="$build/bin/fuzz_$t"
  seeds="$root/fuzz/corpus/$t"
  found="$build/fuzz/corpus/$t"
  mkdir -p "$found"
  dict=""
  if [ -f "$root/fuzz/$t.dict" ]; then dict="-dict=$root/fuzz/$t.dict"; fi
  echo "== $t: seed corpus"
  "$exe" -runs=0 $dict "$seeds"
  echo "== $t: fuzzing for $seconds s"
  parallel=""
  if [ "$jobs" -gt 1 ]; then parallel="-fork=$jobs"; fi
  "$exe" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 -print_final_stats=1 \
    $parallel -artifact_prefix="$build/fuzz/artifacts/$t-" $dict "$found" "$seeds"
done
echo "All fuzz targets ran clean."
