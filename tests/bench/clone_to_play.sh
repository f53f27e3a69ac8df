#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veloria developers
# SPDX-License-Identifier: GPL-3.0-or-later
# From a clone to a built game, against a minimal Qt Widgets program, each in a fresh Debian 12.
# Usage (as root): clone_to_play.sh [repository] [work folder] [mirror]
#   repository   the game's git repository to clone (this checkout's when omitted)
#   work folder  where the systems are made (/var/tmp/veloria-clone-to-play when omitted); a
#                debootstrapped system kept there as base/ is reused, uncounted
# Two copies of one fresh system run side by side, so both see the same machine and mirror:
#   game     git clone, then the README's play command without starting the game:
#            tools/install-deps --play && cmake --preset release && cmake --build --preset release
#   minimal  apt-get update, apt-get install of the compiler, CMake, Ninja and Qt's Widgets
#            development packages, then configure and build a window with a "Hello world!" button
# Prints each step's seconds, both totals and their ratio.
set -euo pipefail

repository=$(realpath "${1:-$(dirname "$0")/../..}")
work=${2:-/var/tmp/veloria-clone-to-play}
mirror=${3:-http://deb.debian.org/debian}

[ "$(id -u)" -eq 0 ] || { echo "clone_to_play.sh: run as root (debootstrap, chroot)" >&2; exit 2; }
command -v debootstrap >/dev/null || { echo "clone_to_play.sh: apt-get install debootstrap" >&2; exit 2; }
git -C "$repository" rev-parse --git-dir >/dev/null

mkdir -p "$work"
if [ ! -x "$work/base/usr/bin/git" ]; then
    echo "== debootstrap of a fresh Debian 12 with git into $work/base (not counted)"
    rm -rf "$work/base"
    debootstrap --variant=minbase --include=git,ca-certificates bookworm "$work/base" "$mirror" \
        >"$work/debootstrap.log" 2>&1 || { tail "$work/debootstrap.log"; exit 1; }
fi

mounts=()
cleanup() {
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount -l "${mounts[i]}" 2>/dev/null || true
    done
}
trap cleanup EXIT

prepare() {
    local root=$work/$1
    # A left-over mount (of /dev above all) must never be emptied with the old system.
    if grep -q " $root/" /proc/mounts; then
        echo "clone_to_play.sh: $root still has mounts; unmount them first" >&2
        exit 1
    fi
    rm -rf "$root"
    cp -a "$work/base" "$root"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    echo "deb $mirror bookworm main" >"$root/etc/apt/sources.list"
    mount -t proc proc "$root/proc" && mounts+=("$root/proc")
    mount --bind /dev "$root/dev" && mounts+=("$root/dev")
}

prepare game
prepare minimal
# The repository to clone from, as a server would hold it (its checked-out commit as HEAD).
git clone -q --bare "$repository" "$work/game/srv/veloria.git"
git -C "$work/game/srv/veloria.git" update-ref --no-deref HEAD "$(git -C "$repository" rev-parse HEAD)"
mkdir -p "$work/minimal/root/hello"
cat >"$work/minimal/root/hello/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.25)
project(hello LANGUAGES CXX)
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_executable(hello main.cpp)
target_link_libraries(hello PRIVATE Qt6::Widgets)
EOF
cat >"$work/minimal/root/hello/main.cpp" <<'EOF'
#include <QApplication>
#include <QPushButton>
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QPushButton button("Hello world!");
    button.show();
    return app.exec();
}
EOF

# Each step's seconds on a line of its own: "<step> <seconds>".
timer='step() {
    local name=$1 start=$EPOCHREALTIME
    shift
    "$@" >>/root/steps.log 2>&1 || { echo "$name failed" >&2; tail -30 /root/steps.log >&2; exit 1; }
    awk -v n="$name" -v a="$start" -v b="$EPOCHREALTIME" "BEGIN { printf \"%s %.1f\\n\", n, b - a }"
}'
game_steps="$timer
step clone git clone -q file:///srv/veloria.git /root/veloria
cd /root/veloria
step packages tools/install-deps --play
step configure cmake --preset release
step build cmake --build --preset release
test -x build/release/bin/veloria"
minimal_steps="$timer
step packages sh -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends g++ cmake ninja-build qt6-base-dev libgl-dev'
step configure cmake -G Ninja -S /root/hello -B /root/hello/build -DCMAKE_BUILD_TYPE=Release
step build cmake --build /root/hello/build
test -x /root/hello/build/hello"

run() {
    chroot "$work/$1" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
        bash -ec "$2" >"$work/$1.times"
}

# The copies just made are written out before the clock starts, so that the disk's catching up
# with them does not slow either system down in its timed steps.
sync
echo "== both systems at once: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
run game "$game_steps" &
game=$!
run minimal "$minimal_steps" &
minimal=$!
status=0
wait $game || status=1
wait $minimal || status=1
[ $status -eq 0 ] || { echo "a system failed; see $work/*/root/steps.log" >&2; exit 1; }

total() { awk '{ s += $2 } END { printf "%.1f", s }' "$1"; }
for system in game minimal; do
    echo "$system: $(awk '{ printf "%s %.1f s, ", $1, $2 }' "$work/$system.times")total $(total "$work/$system.times") s"
done
awk -v g="$(total "$work/game.times")" -v m="$(total "$work/minimal.times")" \
    'BEGIN { printf "ratio game / minimal: %.2f\n", g / m }'
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
