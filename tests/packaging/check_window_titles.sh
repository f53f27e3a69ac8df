#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veloria developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A built game starts and shows its first window in Russian and, on an English desktop, in English:
# its code, its pictures and its built-in translation are all there. On a virtual X display.
# Usage: check_window_titles.sh <program>
# Exits 77 (skipped) without Xvfb or xdotool.
set -euo pipefail

program=$1
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
exec 5>&-
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
display=$(head -n 1 "$work/display")
[ -n "$display" ] || { cat "$work/xvfb.log"; echo "FAIL: no X display" >&2; exit 1; }

# <language> <title>: the name dialog's title, as it stands in the code or its translation.
expect_title() {
    local language=$1 title=$2
    mkdir -p "$work/home-$language/run"
    chmod 700 "$work/home-$language/run"
    env -i PATH=/usr/bin:/bin HOME="$work/home-$language" XDG_RUNTIME_DIR="$work/home-$language/run" \
        DISPLAY=":$display" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LANGUAGE="$language" \
        "$program" >"$work/$language.log" 2>&1 &
    local game=$!
    pids+=("$game")
    if ! DISPLAY=":$display" timeout 20 xdotool search --sync --onlyvisible --name "^$title\$" \
        >/dev/null; then
        cat "$work/$language.log"
        echo "FAIL: in $language no window is named '$title'" >&2
        exit 1
    fi
    kill "$game"
    wait "$game" 2>/dev/null || true
    echo "OK: in $language the first window is '$title'"
}

expect_title ru " Король Велории"
expect_title en " King of Veloria"
