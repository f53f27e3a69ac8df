#!/usr/bin/env bash
# Start-up time of the game to its painted name dialog against the smallest Qt Widgets programs
# (an empty window; a "Hello world!" button), N runs each, offscreen unless a platform is set:
# startup.sh [bin folder] [N].
# SPDX-FileCopyrightText: 2026 The Veloria developers
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
bin=${1:-build/bench/bin}
runs=${2:-30}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

average_ms() {
    local total=0 start end
    "$@" >/dev/null 2>&1 # warm the file cache once
    for ((i = 0; i < runs; i++)); do
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        total=$((total + end - start))
    done
    awk -v t="$total" -v n="$runs" 'BEGIN { printf "%.2f", t / n / 1000000 }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

game=$(average_ms "$bin/bench_startup_game")
empty=$(average_ms "$bin/bench_startup_minimal")
hello=$(average_ms "$bin/bench_startup_minimal" --hello)
echo "name dialog shown:   ${game} ms (average of $runs runs)"
echo "empty window:        ${empty} ms   ratio $(ratio "$game" "$empty")"
echo "hello-world button:  ${hello} ms   ratio $(ratio "$game" "$hello")"
