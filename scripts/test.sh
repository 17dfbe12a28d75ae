#!/usr/bin/env bash
# Builds Quorvel and runs every test under Wine on a private Xvfb; ends with CTest's summary.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd build
ctest -j2 --output-on-failure
