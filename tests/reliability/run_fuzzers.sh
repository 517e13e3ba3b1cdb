#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang in a build folder of their own and runs each for a bounded
# time, starting from the committed seed corpus. A crash fails the run; the input that caused it is kept
# under <fuzz build>/crashes/ (move it to tests/reliability/regressions/<harness>/ to keep it as a test).
#
#   run_fuzzers.sh <source dir> <fuzz build dir> <seconds per harness>
set -u
src=$1 build=$2 seconds=$3
here=$(cd "$(dirname "$0")" && pwd)

if ! command -v clang++ >/dev/null; then
  echo "run_fuzzers: clang++ is missing (install clang and libclang-rt-14-dev)" >&2
  exit 1
fi
# Configured once; later runs only rebuild what changed. Configure output is noise unless it fails.
mkdir -p "$build"
if [ ! -f "$build/CMakeCache.txt" ]; then
  if ! CC=clang CXX=clang++ cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      >"$build/configure.log" 2>&1; then
    cat "$build/configure.log"; exit 1
  fi
fi
if ! cmake --build "$build" -j2 --target stillmark_fuzz_schedule stillmark_fuzz_ini >"$build/build.log" 2>&1; then
  cat "$build/build.log"; exit 1
fi

status=0
mkdir -p "$build/crashes"
for harness in schedule ini; do
  work=$(mktemp -d)
  # libFuzzer grows the first corpus folder: work on a copy, read the seeds and regressions alongside.
  cp "$here/corpus/$harness/"* "$work/" 2>/dev/null
  echo "fuzzing $harness for $seconds s"
  if ! "$build/stillmark_fuzz_$harness" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
      -artifact_prefix="$build/crashes/$harness-" -print_final_stats=1 \
      "$work" "$here/regressions/$harness" >"$build/fuzz-$harness.log" 2>&1; then
    status=1
    echo "fuzzing $harness FAILED; the input is in $build/crashes/:"
    ls -l "$build/crashes/"
    grep -E 'ERROR|SUMMARY|==[0-9]+==|runtime error|deadly signal' "$build/fuzz-$harness.log" | head -30
  else
    grep -E 'stat::number_of_executed_units|cov:' "$build/fuzz-$harness.log" | tail -2
  fi
  rm -rf "$work"
done
exit $status
