#!/bin/sh
# Runs the benchmarks of an existing build and prints their figures. Builds nothing.
# Usage: bench/run.sh BUILD_DIR
set -u
build=${1:?usage: bench/run.sh BUILD_DIR}
bench="$build/bench"
status=0

run() {
    name=$1
    shift
    if [ ! -x "$bench/$name" ]; then
        echo "$name: not built (build the $name target first)"
        status=1
        return
    fi
    echo "== $name"
    "$bench/$name" "$@" || status=1
}

run probe_bench 3
run batch_bench 3
run app_bench
run console_bench

exit $status
