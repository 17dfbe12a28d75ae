#!/usr/bin/env bash
# The benchmark: figures of the built program from one run on this machine, under Wine on a
# private Xvfb. Not a test: it prints numbers and judges nothing. RUNS sets the number of
# timed runs (20); HOSTILE=0 leaves out the floods of child output, which under Wine take
# about twenty minutes (the 10 MiB one nearly all of it).
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh >/dev/null
runs=${RUNS:-20}
bench=$PWD/tests/bench
"$bench/start-bench.sh" build/benchmark 96 >/dev/null
trap '"$bench/stop-bench.sh" build/benchmark' EXIT
export DISPLAY=":$(head -n1 build/benchmark/display-96)" WINEPREFIX=$PWD/build/benchmark/prefix-96 WINEDEBUG=-all
if locale -a 2>/dev/null | grep -qix 'ko_KR.utf8'; then export LC_ALL=ko_KR.UTF-8; fi
tool() { wine build/tests/BenchTool.exe "$@" </dev/null 2>/dev/null | tr -d '\r'; }

echo "== Quorvel.exe"
echo "size: $(stat -c %s build/Quorvel.exe) bytes"
echo "imports: $(x86_64-w64-mingw32-objdump -p build/Quorvel.exe | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')"
echo
echo "== Start-up to visible window, $runs runs each, taken in turn (Wine $(wine --version 2>/dev/null))"
quorvel=$(winepath -w build/Quorvel.exe)
standins=$(winepath -w build/tests/standins)
tool startup "$runs" "$quorvel" "$(winepath -w build/tests/MinimalWindow.exe)"
echo
echo "== The machine summary: press of the wide button to its box, $runs presses"
tool report "$runs" "$quorvel" "$standins"
echo
echo "== What the running program holds"
tool resources "$quorvel" "$standins"
if [ "${HOSTILE:-1}" != 0 ]; then
    echo
    echo "== Floods of output from the program in place of PowerShell"
    tool hostile "$quorvel" "$standins"
fi
