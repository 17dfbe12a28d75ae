#!/usr/bin/env bash
# Pictures of the real program under Wine for the README: the main window and the machine
# summary box at 96, 120 and 144 DPI, in docs/screenshots/.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh >/dev/null
bench=$PWD/tests/bench
"$bench/start-bench.sh" build/shots 96 120 144 >/dev/null
trap '"$bench/stop-bench.sh" build/shots' EXIT
mkdir -p docs/screenshots
export WINEDEBUG=-all
if locale -a 2>/dev/null | grep -qix 'ko_KR.utf8'; then export LC_ALL=ko_KR.UTF-8; fi
probe() { wine build/tests/QuorvelProbe.exe "$@" </dev/null 2>/dev/null | tr -d '\r'; }
# Grabs the part of the screen that holds all the rectangles given as "x y width height".
grab() {
    local out=$1; shift
    local left=100000 top=100000 right=0 bottom=0 x y w h
    for rect in "$@"; do
        read -r x y w h <<<"$rect"
        ((x < left)) && left=$x; ((y < top)) && top=$y
        ((x + w > right)) && right=$((x + w)); ((y + h > bottom)) && bottom=$((y + h))
    done
    import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$out"
}

for dpi in 96 120 144; do
    export DISPLAY=":$(head -n1 "build/shots/display-$dpi")" WINEPREFIX=$PWD/build/shots/prefix-$dpi
    wine build/Quorvel.exe </dev/null >/dev/null 2>&1 &
    probe wait >/dev/null
    # The pointer starts in the middle of the screen, over a button; move it out of the way.
    xdotool mousemove 10 10 sleep 0.2 mousemove 0 0
    sleep 1
    window=$(probe window)
    grab "docs/screenshots/main-$dpi.png" "$window"
    probe press 12
    box=$(probe boxwindow)
    sleep 1
    grab "docs/screenshots/report-$dpi.png" "$window" "$box"
    probe ok
    sleep 0.5
    probe close
    wait
    echo "docs/screenshots/main-$dpi.png docs/screenshots/report-$dpi.png"
done
