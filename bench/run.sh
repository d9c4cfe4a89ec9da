#!/bin/sh
# Runs the benchmarks of an existing build and prints their figures, each beside references
# measured in the same run. Builds nothing.
# The program's own figures are taken offscreen and, when Xvfb and openbox are installed, once
# more on a virtual display with a window manager, as a user's desktop would run it.
# Usage: bench/run.sh BUILD_DIR
# Sizes (defaults in brackets): VC_BENCH_SOUNDS [28] sounds of 10-60 s, VC_BENCH_VIDEOS [10]
# videos of VC_BENCH_VIDEO_SECONDS [10] s for the batches; VC_BENCH_FOLDER [1000] files for
# adding a folder; VC_BENCH_ROUNDS [3] rounds of the program's own figures.
set -u
build=${1:?usage: bench/run.sh BUILD_DIR}
bench="$build/bench"
here=$(dirname "$0")
rounds=${VC_BENCH_ROUNDS:-3}
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

# A display number nobody uses.
free_display() {
    n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    echo "$n"
}

echo "== encoder_cost"
"$here/encoder_cost.sh" "$build/bin/register.dat" 20 5 || status=1
run probe_bench "$rounds"
run batch_bench "${VC_BENCH_SOUNDS:-28}" "${VC_BENCH_VIDEOS:-10}" "${VC_BENCH_VIDEO_SECONDS:-10}"
(
    export QT_QPA_PLATFORM=offscreen
    run app_bench "$rounds" "${VC_BENCH_FOLDER:-1000}"
    exit $status
) || status=1
if command -v Xvfb >/dev/null && command -v openbox >/dev/null; then
    n=$(free_display)
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    sleep 1
    DISPLAY=":$n" openbox >/dev/null 2>&1 &
    wm=$!
    sleep 1
    (
        unset QT_QPA_PLATFORM
        export DISPLAY=":$n"
        run app_bench "$rounds" "${VC_BENCH_FOLDER:-1000}"
        exit $status
    ) || status=1
    kill "$wm" "$xvfb" 2>/dev/null
    wait "$wm" "$xvfb" 2>/dev/null
else
    echo "== app_bench on a display: skipped (Xvfb and openbox are not installed)"
fi
run console_bench

exit $status
