#!/usr/bin/env bash
# Builds the parser fuzz targets with clang and runs each for a short time over its corpus
# (tests/fuzz/corpus/<target>). New findings stay in a temporary folder; a crash fails.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build-fuzz}"
seconds="${FUZZ_SECONDS:-15}"
cmake -S "$top" -B "$build" -G Ninja -DVC_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j 2
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for target in fuzz_console fuzz_datafiles fuzz_cmdline; do
  mkdir -p "$work/$target"
  echo "== $target (${seconds}s)"
  ASAN_OPTIONS=detect_leaks=1 "$build/fuzz/$target" "$work/$target" "$top/tests/fuzz/corpus/$target" \
    -max_total_time="$seconds" -print_final_stats=0 -artifact_prefix="$work/" 2>&1 | tail -n 3
done
echo "fuzzing: no findings"
