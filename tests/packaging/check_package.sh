#!/usr/bin/env bash
# Installs the built game into a scratch prefix, packs it as a .deb, unpacks that, checks the
# files of both trees and starts the unpacked game without a display.
# Usage: check_package.sh <build dir> <source dir> <cmake> <cpack>
# SPDX-FileCopyrightText: 2026 The Veloria developers
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail

build=$1
source=$2
cmake=$3
cpack=$4

if [ ! -x "$build/bin/veloria" ]; then
    echo "SKIP: the game's executable has not been built"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The files an installed tree under <root> (the prefix) must hold.
check_tree() {
    local root=$1
    local f
    for f in bin/veloria \
        share/veloria/throne.hlp \
        share/veloria/throne_en.hlp \
        share/veloria/scores.tab \
        share/applications/org.example.veloria.desktop \
        share/metainfo/org.example.veloria.metainfo.xml \
        share/icons/hicolor/scalable/apps/veloria.svg; do
        [ -f "$root/$f" ] || fail "$root/$f is missing"
    done
    [ -x "$root/bin/veloria" ] || fail "$root/bin/veloria is not executable"
    for f in "$source"/data/throne*.hlp; do
        f=$(basename "$f")
        cmp -s "$root/share/veloria/$f" "$source/data/$f" ||
            fail "$root/share/veloria/$f differs from the shipped rules"
    done
    cmp -s "$root/share/veloria/scores.tab" "$source/data/scores.tab" ||
        fail "$root/share/veloria/scores.tab differs from the shipped table"
    cmp -s "$root/share/icons/hicolor/scalable/apps/veloria.svg" "$source/src/ui/art/veloria.svg" ||
        fail "the installed icon differs from the game's icon"
}

echo "== cmake --install into a scratch prefix"
"$cmake" --install "$build" --prefix "$work/prefix" >"$work/install.log" ||
    { cat "$work/install.log"; fail "cmake --install failed"; }
check_tree "$work/prefix"

echo "== cpack -G DEB"
(cd "$work" && "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg") \
    >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/pkg/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb"
deb=${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for d in libqt6widgets6 libqt6svg6 qt6-qpa-plugins fonts-liberation; do
    grep -Eq "(^|[ ,])$d([ ,(]|$)" <<<"$depends" || fail "the package does not depend on $d"
done
[ "$(dpkg-deb -f "$deb" Package)" = veloria ] || fail "the package is not called veloria"

echo "== dpkg-deb -x"
dpkg-deb -x "$deb" "$work/root"
check_tree "$work/root/usr"
# The software-centre entry as installed: its menu entry and icon must be found beside it.
if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-net "$work/root" || fail "the installed tree does not validate"
fi

echo "== start the unpacked game"
# A home of its own, so that nothing the game keeps for the player lands in the real one.
mkdir -p "$work/home"
set +e
env -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" \
    XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/home/run" \
    QT_QPA_PLATFORM=offscreen timeout 3 "$work/root/usr/bin/veloria" >"$work/run.log" 2>&1
status=$?
set -e
if [ $status -ne 124 ]; then
    cat "$work/run.log"
    fail "the unpacked game ended by itself with status $status instead of running until killed"
fi
echo "OK"
