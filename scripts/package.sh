#!/usr/bin/env bash
# Makes the release package: dist/Quorvel-<version>-win64.zip with Quorvel.exe and a Korean
# read-me, and the SHA-256 of Quorvel.exe, printed and written beside the zip.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh >/dev/null
version=1.0.0
name=Quorvel-$version-win64
stage=build/package/$name
rm -rf build/package && mkdir -p "$stage" dist
cp build/Quorvel.exe "$stage/"
# Notepad on every Windows reads UTF-8 with a byte-order mark and CR LF line ends.
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' resources/README-ko.txt; } >"$stage/README.txt"
rm -f "dist/$name.zip"
(cd build/package && zip -q -X -r "../../dist/$name.zip" "$name")
(cd "$stage" && sha256sum Quorvel.exe) >"dist/$name.sha256"
echo "dist/$name.zip ($(stat -c %s "dist/$name.zip") bytes)"
cat "dist/$name.sha256"
