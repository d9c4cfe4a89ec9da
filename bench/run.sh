#!/bin/sh
# Runs the benchmarks of an existing build and prints their figures. Builds nothing.
# The program's own figures are taken offscreen and, when Xvfb and openbox are installed, once
# more on a virtual display with a window manager, as a user's desktop would run it.
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

# A display number nobody uses.
free_display() {
    n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    echo "$n"
}

run probe_bench 3
run batch_bench 3
(
    export QT_QPA_PLATFORM=offscreen
    run app_bench
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
        run app_bench
        exit $status
    ) || status=1
    kill "$wm" "$xvfb" 2>/dev/null
    wait "$wm" "$xvfb" 2>/dev/null
else
    echo "== app_bench on a display: skipped (Xvfb and openbox are not installed)"
fi
run console_bench

exit $status
