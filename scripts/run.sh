#!/usr/bin/env bash
# Builds Quorvel and starts it under Wine: on your display when there is one; otherwise on a
# private Xvfb, leaving a picture of the window in build/screenshot.png.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
bench=$PWD/tests/bench
export WINEDEBUG=-all
if locale -a 2>/dev/null | grep -qix 'ko_KR.utf8'; then export LC_ALL=ko_KR.UTF-8; fi

if [ -n "${DISPLAY:-}" ]; then
    export WINEPREFIX=$PWD/build/run/prefix-desktop
    "$bench/prepare-prefix.sh" "$WINEPREFIX" 96 none
    exec wine build/Quorvel.exe
fi

"$bench/start-bench.sh" build/run 96 >/dev/null
trap '"$bench/stop-bench.sh" build/run' EXIT
export DISPLAY=":$(head -n1 build/run/display-96)" WINEPREFIX=$PWD/build/run/prefix-96
wine build/Quorvel.exe </dev/null >build/run/quorvel.log 2>&1 &
probe() { wine build/tests/QuorvelProbe.exe "$@" </dev/null 2>/dev/null; }
probe wait >/dev/null
# The pointer starts in the middle of the screen, over a button; move it out of the way.
xdotool mousemove 10 10 sleep 0.2 mousemove 0 0
sleep 1
read -r x y width height < <(probe window | tr -d '\r')
import -window root -crop "${width}x${height}+${x}+${y}" +repage build/screenshot.png
echo "Quorvel ran under Wine on a private Xvfb; its window is in build/screenshot.png"
probe close >/dev/null
wait
