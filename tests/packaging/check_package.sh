#!/usr/bin/env bash
# Installs the built game into a scratch prefix, packs it as a .deb and checks it as a packager
# would (lintian, the menu and software-centre validators), starts the unpacked game without a
# display, and, as root and asked to (VELORIA_INSTALL_PACKAGE=yes, as CI does), installs the
# package for real and plays it as an ordinary user.
# Usage: check_package.sh <build dir> <source dir> <cmake> <cpack> <version>
# Exits 77 (skipped) when the game has not been built, or when a part could not run here (not
# asked to install, not root, a checker missing outside CI): what could run has passed then.
# SPDX-FileCopyrightText: 2026 The Veloria developers
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail

build=$1
source=$2
cmake=$3
cpack=$4
version=$5

if [ ! -x "$build/bin/veloria" ]; then
    echo "SKIP: the game's executable has not been built"
    exit 77
fi

work=$(mktemp -d)
home=
installed=
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    if [ -n "$installed" ]; then
        apt-get purge -y -qq veloria >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
    [ -z "$home" ] || rm -rf "$home"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

skipped=()
# A part that cannot run here. In CI every tool is installed and the run is root, so there it is
# a failure, unless it is the player's own system that stops it (skip_here).
skip() {
    if [ "${CI:-}" = true ]; then
        fail "$* (in CI everything must run)"
    fi
    skip_here "$@"
}
skip_here() {
    echo "SKIP: $*"
    skipped+=("$*")
}

have() {
    command -v "$1" >/dev/null
}

wait_for() {
    local what=$1
    shift
    local tries
    for tries in $(seq 100); do
        if "$@"; then
            echo "seen: $what"
            return 0
        fi
        sleep 0.2
    done
    fail "not seen within $((tries / 5)) s: $what"
}

# The files an installed tree under <root> (the prefix) must hold.
check_tree() {
    local root=$1
    local f
    for f in games/veloria \
        share/veloria/throne.hlp \
        share/veloria/throne_en.hlp \
        share/veloria/scores.tab \
        share/applications/org.example.veloria.desktop \
        share/metainfo/org.example.veloria.metainfo.xml \
        share/icons/hicolor/scalable/apps/veloria.svg \
        share/man/man6/veloria.6.gz \
        share/doc/veloria/copyright \
        share/doc/veloria/changelog.gz; do
        [ -f "$root/$f" ] || fail "$root/$f is missing"
    done
    [ -x "$root/games/veloria" ] || fail "$root/games/veloria is not executable"
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
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] ||
    fail "the package's version $(dpkg-deb -f "$deb" Version) is not the project's $version"

echo "== dpkg-deb -x"
dpkg-deb -x "$deb" "$work/root"
check_tree "$work/root/usr"
root=$work/root/usr

# The changelog and the software centre's newest release both speak of this version.
zcat "$root/share/doc/veloria/changelog.gz" >"$work/changelog"
changelog_version=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
[ "$changelog_version" = "$version" ] ||
    fail "the changelog's newest entry is $changelog_version, the project is $version"
release=$(grep -o '<release version="[^"]*"' "$root/share/metainfo/org.example.veloria.metainfo.xml" |
    head -n 1 | cut -d'"' -f2)
[ "$release" = "$version" ] ||
    fail "the software-centre entry's newest release is $release, the project is $version"
# The copyright file must be machine-readable, as Debian's format says; python3-debian (which
# reuse uses) reads it the way the archive's tools do.
if /usr/bin/python3 -c 'import debian.copyright' 2>/dev/null; then
    /usr/bin/python3 - "$root/share/doc/veloria/copyright" <<'EOF' || fail "the copyright file is not machine-readable"
import sys
from debian import copyright
with open(sys.argv[1], encoding="utf-8") as f:
    c = copyright.Copyright(f, strict=True)
assert c.header.format, "no Format field"
assert list(c.all_files_paragraphs()), "no Files paragraph"
EOF
else
    skip "python3-debian is missing: the copyright file's format is not checked"
fi

echo "== lintian --pedantic"
if have lintian; then
    # Errors, warnings and pedantic remarks all fail; information alone is printed.
    set +e
    out=$(lintian --pedantic --info --fail-on error,warning,pedantic "$deb" 2>&1)
    status=$?
    set -e
    grep -v 'running with root privileges' <<<"$out" || true
    [ $status -eq 0 ] || fail "lintian finds fault with the package"
else
    skip "lintian is missing: the package is not checked"
fi

echo "== the menu and software-centre entries as installed"
if have desktop-file-validate; then
    out=$(desktop-file-validate "$root/share/applications/org.example.veloria.desktop" 2>&1) ||
        { echo "$out"; fail "the installed menu entry does not validate"; }
    [ -z "$out" ] || { echo "$out"; fail "desktop-file-validate warns about the menu entry"; }
else
    skip "desktop-file-validate is missing: the menu entry is not checked"
fi
if have appstreamcli; then
    for check in "validate --pedantic --no-net $root/share/metainfo/org.example.veloria.metainfo.xml" \
        "validate-tree --pedantic --no-net $work/root"; do
        # shellcheck disable=SC2086
        out=$(appstreamcli $check 2>&1) || { echo "$out"; fail "appstreamcli $check fails"; }
        echo "$out"
        ! grep -Eq '^[EW]: ' <<<"$out" || fail "appstreamcli $check reports errors or warnings"
    done
else
    skip "appstreamcli is missing: the software-centre entry is not checked"
fi
# What distributions and Flatpak builders make of the package for software centres: every
# language the game speaks must be listed, found from the installed translations.
if have appstreamcli && appstreamcli compose --help >/dev/null 2>&1; then
    set +e
    out=$(appstreamcli compose --no-net --no-color --print-report=full --result-root="$work/swcatalog" \
        --origin=veloria "$work/root" 2>&1)
    status=$?
    set -e
    echo "$out"
    [ $status -eq 0 ] || fail "appstreamcli compose fails on the package's tree"
    ! grep -Eq '^ *[EW]: ' <<<"$out" || fail "appstreamcli compose reports errors or warnings"
    ! grep -q 'translation' <<<"$out" || fail "appstreamcli compose reports a translation issue"
    catalog=$(find "$work/swcatalog" -name 'veloria.xml.gz' | head -n 1)
    [ -n "$catalog" ] || fail "appstreamcli compose wrote no catalog"
    languages=$(zcat "$catalog" | sed -n 's|.*<lang percentage="100">\([^<]*\)</lang>.*|\1|p' | sort | tr '\n' ' ')
    echo "languages at 100 %: $languages"
    [ "$languages" = "en ru " ] || fail "the software centre's languages are '$languages', not 'en ru'"
else
    skip "appstreamcli compose is missing (appstream-compose): the software-centre catalog is not made"
fi

# Runs the game at <path> without a display, as the current user, until it is killed: it must
# not end by itself.
start_offscreen() {
    local program=$1 home=$2
    shift 2
    local status
    set +e
    "$@" env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/run" \
        QT_QPA_PLATFORM=offscreen timeout 3 "$program" >"$work/run.log" 2>&1
    status=$?
    set -e
    if [ $status -ne 124 ]; then
        cat "$work/run.log"
        fail "$program ended by itself with status $status instead of running until killed"
    fi
}

echo "== start the unpacked game"
# A home of its own, so that nothing the game keeps for the player lands in the real one.
mkdir -p "$work/home/run"
chmod 700 "$work/home/run"
start_offscreen "$work/root/usr/games/veloria" "$work/home"

# A virtual X display for the windows, started once.
display=
start_display() {
    [ -z "$display" ] || return 0
    exec 5>"$work/display"
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    exec 5>&-
    wait_for "the X display" test -s "$work/display"
    display=$(head -n 1 "$work/display")
}

echo "== the window finds its menu entry (Wayland: desktop file name; X11: StartupWMClass)"
entry=$root/share/applications/org.example.veloria.desktop
[ -x "$build/bin/desktop_identity" ] || fail "$build/bin/desktop_identity has not been built"
QT_QPA_PLATFORM=offscreen "$build/bin/desktop_identity" "$entry" ||
    fail "the program's names for the desktop do not match the installed menu entry"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
if have Xvfb && have xdotool && have xprop; then
    start_display
    env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/home/run" \
        DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$work/root/usr/games/veloria" >"$work/x11.log" 2>&1 &
    game=$!
    pids+=("$game")
    window=$(DISPLAY=:$display timeout 20 xdotool search --sync --onlyvisible --pid "$game" |
        head -n 1) || { cat "$work/x11.log"; fail "the unpacked game showed no window on X11"; }
    class=$(DISPLAY=:$display xprop -id "$window" WM_CLASS)
    echo "$class"
    # WM_CLASS(STRING) = "<instance>", "<class>"
    [ "$(cut -d'"' -f4 <<<"$class")" = "$wm_class" ] ||
        fail "the window's class is not the menu entry's StartupWMClass '$wm_class'"
    kill "$game"
    wait "$game" 2>/dev/null || true
else
    skip "Xvfb, xdotool or xprop is missing: the window's class on X11 is not checked"
fi

echo "== install the package and play it as an ordinary user"
# Plays a short session on an X display: names the king, opens the table of the best kings and
# the rules, quits by F12.
play_session() {
    local display=$1 pid=$2
    local window main
    export DISPLAY=:$display
    window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1) ||
        fail "the installed game showed no window"
    xdotool windowfocus --sync "$window" type --delay 30 Tester
    xdotool key Return
    main=$(timeout 20 xdotool search --sync --onlyvisible --name Tester | head -n 1) ||
        fail "no main window after the name was given"
    xdotool windowfocus --sync "$main" key alt+Cyrillic_te
    wait_for "the table of the best kings in the player's data folder" \
        test -f "$home/.local/share/veloria/scores.tab"
    xdotool key Escape
    xdotool windowfocus --sync "$main" key F1
    wait_for "the rules read from /usr/share/veloria" \
        grep -Eq '/usr/share/veloria/ OPEN throne(_[a-z]+)?\.hlp$' "$work/inotify.log"
    xdotool windowfocus --sync "$main" key F12
    wait_for "the game ended by F12" bash -c "! kill -0 $pid 2>/dev/null"
}


user=nobody
group=$(id -gn "$user" 2>/dev/null || true)
if [ "${VELORIA_INSTALL_PACKAGE:-}" != yes ]; then
    # A distribution builds as root in a chroot: the system's packages are touched only on demand.
    skip_here "VELORIA_INSTALL_PACKAGE=yes not given: the package is not installed and played"
elif [ "$(id -u)" -ne 0 ]; then
    skip_here "not root: the package is not installed and played for real"
elif ! have apt-get || ! have setpriv || [ -z "$group" ]; then
    skip "apt-get, setpriv or the user $user is missing: the package is not installed for real"
elif dpkg-query -W -f='${Status}' veloria 2>/dev/null | grep -q "install ok installed"; then
    skip_here "a veloria package is installed on this system already and is left as it is"
else
    installed=yes
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        -o DPkg::Lock::Timeout=300 "$deb" >"$work/apt.log" 2>&1 ||
        { cat "$work/apt.log"; fail "apt-get install of the package failed"; }
    [ -x /usr/games/veloria ] || fail "/usr/games/veloria was not installed"

    home=$(mktemp -d /tmp/veloria-home.XXXXXX)
    mkdir -p "$home/run"
    chmod 755 "$home"
    chmod 700 "$home/run"
    chown -R "$user:$group" "$home"
    as_user=(setpriv --reuid="$user" --regid="$group" --clear-groups)

    # The menu entry names the program without a path: a user's login PATH must lead to it.
    exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' /usr/share/applications/org.example.veloria.desktop)
    found=$("${as_user[@]}" env -i HOME="$home" bash -lc "command -v $exec_name" || true)
    [ "$found" = /usr/games/veloria ] ||
        fail "the menu entry's $exec_name leads a user's login shell to '${found}', not /usr/games/veloria"

    touch "$work/stamp"
    start_offscreen /usr/games/veloria "$home" "${as_user[@]}"

    if have Xvfb && have xdotool && have inotifywait; then
        inotifywait -m -r -e open,create,modify,close_write,moved_to,attrib,delete \
            /usr/share/veloria /usr/games >"$work/inotify.log" 2>&1 &
        pids+=($!)
        wait_for "the watch on /usr" grep -q 'Watches established' "$work/inotify.log"
        start_display
        # In Russian, the game's own language, whose access keys the session presses.
        "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/run" \
            LANG=ru_RU.UTF-8 DISPLAY=":$display" QT_QPA_PLATFORM=xcb /usr/games/veloria \
            >"$work/play.log" 2>&1 &
        game=$!
        pids+=("$game")
        play_session "$display" "$game"
        set +e
        wait "$game"
        status=$?
        set -e
        [ $status -eq 0 ] || { cat "$work/play.log"; fail "the game ended with status $status"; }

        cmp -s "$home/.local/share/veloria/scores.tab" /usr/share/veloria/scores.tab ||
            fail "the player's table is not the shipped one"
        echo "The game wrote in the player's home:"
        (cd "$home" && find . -path ./run -prune -o -type f -print)
        if grep -Ev ' (OPEN|OPEN,ISDIR) ' "$work/inotify.log" | grep -v '^Setting up\|^Watches'; then
            fail "the game changed files under /usr"
        fi
    else
        skip "Xvfb, xdotool or inotifywait is missing: the installed game is not played"
    fi
    new=$(find /usr -newer "$work/stamp" -user "$user" 2>/dev/null || true)
    [ -z "$new" ] || { echo "$new"; fail "the game wrote under /usr as $user"; }

    apt-get purge -y -qq -o DPkg::Lock::Timeout=300 veloria >"$work/apt.log" 2>&1 ||
        { cat "$work/apt.log"; fail "apt-get purge of the package failed"; }
    installed=
    if [ -e /usr/games/veloria ] || [ -e /usr/share/veloria ]; then
        fail "the purged package left files behind"
    fi
fi

if [ ${#skipped[@]} -gt 0 ]; then
    echo "Everything else passed; skipped: ${skipped[*]}"
    exit 77
fi
echo "OK"
