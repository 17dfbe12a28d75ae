#!/usr/bin/env bash
# Makes (once) and starts a private Wine prefix with the bench's fixed settings:
# Windows 10 as the reported version, the given DPI, Korean glyphs for the UI font.
# Usage: prepare-prefix.sh PREFIX DPI SCREEN
# SCREEN is the size of the Wine desktop (as 1920x1080), or none for windows of their own on
# a display with a window manager.
set -eu
prefix=$1 dpi=$2 screen=$3
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if locale -a 2>/dev/null | grep -qix 'ko_KR.utf8'; then export LC_ALL=ko_KR.UTF-8; fi
if [ ! -f "$prefix/.quorvel-ready-$dpi-$screen" ]; then
    rm -rf "$prefix"
    mkdir -p "$prefix"
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine' /v Version /d win10 /f >/dev/null 2>&1
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    # Wine's own Tahoma has no Hangul: let a CJK font stand in for it.
    for face in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2'; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d 'Noto Sans CJK KR' /f >/dev/null 2>&1
    done
    # Everything runs inside one Wine desktop of the screen's size: Wine draws the frames and
    # caption as Windows does, and no window manager is needed.
    if [ "$screen" != none ]; then
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$screen" /f >/dev/null 2>&1
    fi
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    touch "$prefix/.quorvel-ready-$dpi-$screen"
fi
# A persistent server, started with no pipes attached, so that later runs start quickly.
wineserver -p </dev/null >/dev/null 2>&1
wineboot </dev/null >/dev/null 2>&1 || true
