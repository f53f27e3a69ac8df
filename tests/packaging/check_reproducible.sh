#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veloria developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Two package builds of one commit give the same .deb, byte for byte: the release's source archive
# is unpacked twice, in two folders at two moments (so every file's time differs), and each is
# built with the release preset, its tests off, and packed, with SOURCE_DATE_EPOCH at the last
# commit's time as a distribution's build sets it.
# The first build's program is also started, in Russian and in English (check_window_titles.sh).
# Usage: check_reproducible.sh <build dir> <source dir> <cmake> <cpack>
# Exits 77 (skipped) outside a git checkout, which has no commit to archive.
set -euo pipefail

build=$1
source=$2
cmake=$3
cpack=$4

if ! git -C "$source" rev-parse HEAD >/dev/null 2>&1; then
    echo "SKIP: $source is not a git checkout"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

echo "== the source archive (dist)"
"$cmake" --build "$build" --target dist >"$work/dist.log" 2>&1 || { cat "$work/dist.log"; fail "dist failed"; }
archives=("$build"/veloria-*.tar.xz)
[ ${#archives[@]} -eq 1 ] && [ -f "${archives[0]}" ] || fail "dist made no single veloria-*.tar.xz"
archive=${archives[0]}
tar -tJf "$archive" >"$work/listing"
grep -Eq '^veloria-[^/]+/CMakeLists.txt$' "$work/listing" || fail "$archive holds no source tree"
! grep -q '/build/' "$work/listing" || fail "$archive holds build leftovers"

SOURCE_DATE_EPOCH=$(git -C "$source" log -1 --format=%ct)
export SOURCE_DATE_EPOCH
# The builds are the archive's alone: nothing of this shell's build settings leaks into them.
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER CXXFLAGS LDFLAGS CMAKE_BUILD_PARALLEL_LEVEL

# Unpacks the archive under <folder>, files timed now, builds the release preset and packs it.
build_package() {
    local folder=$1
    mkdir -p "$folder"
    tar -xJf "$archive" -C "$folder" --touch
    local tree
    tree=$(echo "$folder"/veloria-*)
    (
        cd "$tree"
        "$cmake" --preset release >"$folder/configure.log" 2>&1 ||
            { cat "$folder/configure.log"; exit 1; }
        "$cmake" --build --preset release >"$folder/build.log" 2>&1 ||
            { tail -n 50 "$folder/build.log"; exit 1; }
        "$cpack" -G DEB --config build/release/CPackConfig.cmake -B "$folder/pkg" \
            >"$folder/cpack.log" 2>&1 || { cat "$folder/cpack.log"; exit 1; }
    ) || fail "the package built in $folder failed"
    debs=("$folder"/pkg/*.deb)
    [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb in $folder"
}

echo "== first build"
build_package "$work/first"
# The release preset compiles the game whole (not in its layers' libraries, as the other presets
# do): the program it made must start, with its pictures and translation.
echo "== the program it built starts, in Russian and in English"
status=0
"$(dirname "$0")/check_window_titles.sh" "$(echo "$work"/first/veloria-*/build/release/bin/veloria)" ||
    status=$?
[ $status -eq 0 ] || [ $status -eq 77 ] || fail "the release build's program did not start as it should"
sleep 2
echo "== second build, elsewhere and later"
build_package "$work/second/in/a/deeper/folder"

first=("$work"/first/pkg/*.deb)
second=("$work"/second/in/a/deeper/folder/pkg/*.deb)
if ! cmp "${first[0]}" "${second[0]}"; then
    # Say where they part.
    dpkg-deb -R "${first[0]}" "$work/unpacked/first"
    dpkg-deb -R "${second[0]}" "$work/unpacked/second"
    diff -r "$work/unpacked/first" "$work/unpacked/second" || true
    fail "two builds of one commit gave different packages"
fi
echo "OK: $(basename "${first[0]}") is the same, byte for byte, $(stat -c %s "${first[0]}") bytes"
