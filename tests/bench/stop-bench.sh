#!/usr/bin/env bash
# Ends every wineserver and the Xvfb that start-bench.sh started in BENCH_DIR.
bench=$1
for prefix in "$bench"/prefix-*; do
    [ -d "$prefix" ] && WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1
done
if [ -f "$bench/xvfb.pid" ]; then
    kill "$(cat "$bench/xvfb.pid")" >/dev/null 2>&1
    rm -f "$bench/xvfb.pid"
fi
exit 0
