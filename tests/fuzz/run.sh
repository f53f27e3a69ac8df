#!/usr/bin/env bash
# Runs every fuzzer for a bounded time and fails on the first crash, leak or broken promise.
# SPDX-FileCopyrightText: 2026 The Veloria developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
#   tests/fuzz/run.sh [seconds per fuzzer] [build folder] [more libFuzzer flags...]
#
# The seeds in corpus/ are copied into a scratch corpus so a run never changes the committed
# files; crashing inputs are kept in <build folder>/fuzz-artifacts/<fuzzer>/.
set -euo pipefail

seconds=${1:-60}
here=$(cd "$(dirname "$0")" && pwd)
build=${2:-$here/../../build/fuzz}
shift $(($# > 2 ? 2 : $#))
bin=$build/bin
work=$build/fuzz-work
artifacts=$build/fuzz-artifacts

# A small quarantine and short allocation stacks: the readers allocate for every field, and with
# the defaults page faults and stack collection take half the time. Leaks are still reported.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:quarantine_size_mb=16:malloc_context_size=4:max_malloc_fill_size=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/../lsan.supp}

status=0
for target in saved_game chronicle scores amount; do
    exe=$bin/fuzz_$target
    if [ ! -x "$exe" ]; then
        echo "missing $exe: cmake --preset fuzz && cmake --build --preset fuzz" >&2
        exit 2
    fi
    corpus=$work/$target
    mkdir -p "$corpus" "$artifacts/$target"
    cp -n "$here/corpus/$target"/* "$corpus/"
    echo "== fuzz_$target for ${seconds}s"
    log=$work/$target.log
    if ! "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target/" "$@" "$corpus" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz_$target FAILED; the input is in $artifacts/$target/" >&2
        status=1
        continue
    fi
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|^#[0-9]+.*DONE' "$log" || true
done
exit $status
