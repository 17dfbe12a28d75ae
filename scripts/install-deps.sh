#!/usr/bin/env bash
# Installs what building and testing Quorvel needs on Debian 12, only what is missing:
# the mingw-w64 cross compiler, CMake and Ninja, GoogleTest's sources, Wine, Xvfb, xdotool,
# ImageMagick, a CJK font, and the Korean locale that Wine takes its code pages from.
set -eu
packages=(cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest
          wine64 xvfb xauth x11-utils xdotool imagemagick fonts-noto-cjk icoutils locales zip)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if ! locale -a 2>/dev/null | grep -qix 'ko_KR.utf8'; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo localedef -i ko_KR -f UTF-8 ko_KR.UTF-8
fi
