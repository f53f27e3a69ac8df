#!/usr/bin/env bash
# A thousand 100-year reigns through the windows in one process, offscreen, with the memory after
# every hundred: window_soak.sh [bin folder] [reigns] [pixmap cache limit in kB]. The program runs from a scratch copy of the
# bin folder, so the reigns' kings never reach the build tree's table of the best kings.
# SPDX-FileCopyrightText: 2026 The Veloria developers
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
bin=${1:-build/bench/bin}
reigns=${2:-1000}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$bin/bench_window_soak" "$bin/scores.tab" "$scratch/"
cp "$bin/throne.hlp" "$scratch/" 2>/dev/null || true
"$scratch/bench_window_soak" "$reigns" ${3:+"$3"} 2> >(grep -v -e propagateSizeHints -e XDG_RUNTIME_DIR >&2)
