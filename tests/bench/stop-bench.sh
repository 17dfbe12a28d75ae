#!/usr/bin/env bash
# Ends every wineserver and Xvfb that start-bench.sh started in BENCH_DIR.
bench=$1
for prefix in "$bench"/prefix-*; do
    [ -d "$prefix" ] && WINEPREFIX=$(realpath "$prefix") wineserver -k >/dev/null 2>&1
done
for pidfile in "$bench"/xvfb-*.pid; do
    [ -f "$pidfile" ] || continue
    kill "$(cat "$pidfile")" >/dev/null 2>&1
    rm -f "$pidfile"
done
exit 0
