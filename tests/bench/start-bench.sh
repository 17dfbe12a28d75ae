#!/usr/bin/env bash
# Starts the test bench in BENCH_DIR: an Xvfb on a free display and one private Wine prefix
# per DPI (96, 120 and 144 unless others are named), each with its own persistent wineserver.
# Usage: start-bench.sh BENCH_DIR [DPI...]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
bench=$(realpath -m "$1")
shift
dpis=("${@:-96 120 144}")
screen=1920x1080
mkdir -p "$bench"
"$here/stop-bench.sh" "$bench" >/dev/null 2>&1 || true

rm -f "$bench/display"
# Xvfb picks a free display and writes its number to descriptor 3; it keeps no pipe of ours.
setsid Xvfb -displayfd 3 -screen 0 ${screen}x24 -nolisten tcp 3>"$bench/display" </dev/null >"$bench/xvfb.log" 2>&1 &
echo $! >"$bench/xvfb.pid"
for _ in $(seq 100); do
    [ -s "$bench/display" ] && break
    sleep 0.1
done
[ -s "$bench/display" ] || { echo "Xvfb did not start"; cat "$bench/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$bench/display")"
echo "Xvfb on $DISPLAY"

pids=()
for dpi in ${dpis[@]}; do
    "$here/prepare-prefix.sh" "$bench/prefix-$dpi" "$dpi" "$screen" &
    pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid"; done
echo "Wine prefixes ready"
