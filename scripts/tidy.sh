#!/usr/bin/env bash
# Runs clang-tidy with the repository's .clang-tidy over every source of src/ and components/,
# using the compile commands of a configured build folder (default: build). Fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
if [ ! -f "$BUILD/compile_commands.json" ]; then
  echo "tidy: configure $BUILD first (make build)" >&2
  exit 2
fi
# Generated sources (moc) must exist before the sources that include them are checked.
cmake --build "$BUILD" --target vc_app Preview register.dat EncoderMedia -j "${JOBS:-2}" >/dev/null
mapfile -t files < <(git ls-files 'src/*.cpp' 'components/*.cpp')
printf '%s\n' "${files[@]}" | xargs -P "${JOBS:-2}" -n 4 clang-tidy -p "$BUILD" --quiet
echo "tidy: ${#files[@]} files, no findings"
