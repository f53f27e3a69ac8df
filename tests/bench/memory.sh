#!/usr/bin/env bash
# Peak memory (VmHWM) after a 100-year reign against the smallest Qt Widgets programs (an empty
# window; a "Hello world!" button), offscreen unless a platform is set: memory.sh [bin folder].
# SPDX-FileCopyrightText: 2026 The Veloria developers
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
bin=${1:-build/bench/bin}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

game=$("$bin/bench_memory_reign" 2>/dev/null)
chronicle=$("$bin/bench_memory_reign" --chronicle 2>/dev/null)
empty=$("$bin/bench_startup_minimal" --report-memory 2>/dev/null)
hello=$("$bin/bench_startup_minimal" --hello --report-memory 2>/dev/null)
echo "after a 100-year reign: ${game} kB"
echo "empty window:           ${empty} kB   ratio $(ratio "$game" "$empty")"
echo "hello-world button:     ${hello} kB   ratio $(ratio "$game" "$hello")"
echo "with the chronicle open: ${chronicle} kB   ratio to the button $(ratio "$chronicle" "$hello")"
