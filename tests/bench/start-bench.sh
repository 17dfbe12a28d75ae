#!/usr/bin/env bash
# Starts the test bench in BENCH_DIR: for each DPI (96, 120 and 144 unless others are
# named) an Xvfb of its own on a free display and a private Wine prefix with its own
# persistent wineserver. Separate displays keep the real keys of one prefix's tests away
# from the windows of another's.
# Usage: start-bench.sh BENCH_DIR [DPI...]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
bench=$(realpath -m "$1")
shift
dpis=("${@:-96 120 144}")
screen=1920x1080
mkdir -p "$bench"
"$here/stop-bench.sh" "$bench" >/dev/null 2>&1 || true

start_display() {
    local dpi=$1
    rm -f "$bench/display-$dpi"
    # Xvfb picks a free display and writes its number to descriptor 3; it keeps no pipe of ours.
    setsid Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$bench/display-$dpi" </dev/null \
        >"$bench/xvfb-$dpi.log" 2>&1 &
    echo $! >"$bench/xvfb-$dpi.pid"
    for _ in $(seq 100); do
        [ -s "$bench/display-$dpi" ] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start"
    cat "$bench/xvfb-$dpi.log"
    return 1
}

pids=()
for dpi in ${dpis[@]}; do
    start_display "$dpi"
    echo "Xvfb for $dpi DPI on :$(head -n1 "$bench/display-$dpi")"
    DISPLAY=":$(head -n1 "$bench/display-$dpi")" "$here/prepare-prefix.sh" "$bench/prefix-$dpi" "$dpi" "$screen" &
    pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid"; done
echo "Wine prefixes ready"
