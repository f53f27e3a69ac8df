#!/usr/bin/env bash
# Listens to the game through Orca, headless: what the screen reader speaks as keys are pressed.
# SPDX-FileCopyrightText: 2026 The Veloria developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# orca_listen.sh [-o LOG] [-d SECONDS] [-l LANG] [--] PROGRAM [ARGS...] -- STEP...
#
# Starts a private D-Bus session, an X server (xvfb-run), the AT-SPI bus, speech-dispatcher with
# an output module of ours that writes every utterance to LOG instead of a loudspeaker, and Orca
# with preferences of its own; then PROGRAM, and plays the STEPs with xdotool:
#   key:NAME[*N]   press a key (xdotool names: Tab, Return, F5, Down, Page_Down, ctrl+c), N times
#   type:TEXT      type a text
#   wait:SECONDS   let it be
#   note:TEXT      write a line of our own into LOG
# Before each step LOG gets a line "» step"; what follows it up to the next such line is what
# Orca spoke after that step. LOG (default orca-speech.txt) is printed at the end. Orca's own
# debug log, which also names the events it got, is kept beside it (LOG.orca-debug).
# -d sets the pause after each key (1.2 s), -l the locale Orca and the game run in (ru_RU.UTF-8).
# Exit status 77 where no bus, X server, Orca or speech-dispatcher can be had.
set -euo pipefail

log=orca-speech.txt
delay=1.2
language=ru_RU.UTF-8
while getopts "o:d:l:" option; do
    case $option in
    o) log=$OPTARG ;;
    d) delay=$OPTARG ;;
    l) language=$OPTARG ;;
    *) sed -n '7,22p' "$0" >&2; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
[ "${1:-}" = "--" ] && shift
if [ $# -lt 1 ]; then
    sed -n '7,22p' "$0" >&2
    exit 2
fi
log=$(realpath -m "$log")

skip() {
    echo "orca_listen: skipped: $*"
    exit 77
}

launcher=/usr/libexec/at-spi-bus-launcher
if [ -z "${VELORIA_ORCA_INSIDE:-}" ]; then
    for tool in dbus-run-session xvfb-run xauth xdotool orca speech-dispatcher dbus-send; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
    [ -x "$launcher" ] || skip "at-spi-bus-launcher is not installed (at-spi2-core)"
    [ -x /usr/lib/speech-dispatcher-modules/sd_generic ] || skip "speech-dispatcher has no sd_generic"
    scratch=$(mktemp -d /tmp/veloria-orca.XXXXXX)
    trap 'rm -rf "$scratch"' EXIT
    chmod 700 "$scratch"
    mkdir -p "$scratch/home" "$scratch/runtime" "$scratch/config" "$scratch/orca"
    chmod 700 "$scratch/runtime"
    export VELORIA_ORCA_INSIDE=$scratch
    # Everything Orca, speech-dispatcher and the bus write goes under the scratch folder, so that
    # several sessions on one machine never meet.
    HOME=$scratch/home XDG_RUNTIME_DIR=$scratch/runtime XDG_CONFIG_HOME=$scratch/config \
        XDG_DATA_HOME=$scratch/home/.local/share XDG_CACHE_HOME=$scratch/home/.cache \
        timeout 900 dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
        "$0" -o "$log" -d "$delay" -l "$language" -- "$@"
    exit $?
fi

scratch=$VELORIA_ORCA_INSIDE
program=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    program+=("$1")
    shift
done
[ "${1:-}" = "--" ] && shift

children=()
# Orca may linger on TERM; nothing is waited for longer than a second.
finish() {
    local pid
    for pid in "${children[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    sleep 1
    for pid in "${children[@]}"; do
        kill -KILL "$pid" 2>/dev/null || true
    done
}
trap finish EXIT

# The accessibility bus, with the screen reader marked as running as a desktop would mark it.
"$launcher" --launch-immediately >/dev/null 2>&1 &
children+=($!)
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        2>/dev/null | grep -q unix: && break
    sleep 0.1
done
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 || skip "the accessibility bus did not start"
for property in IsEnabled ScreenReaderEnabled; do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status "string:$property" \
        variant:boolean:true >/dev/null 2>&1 || true
done

# speech-dispatcher with one output module: sd_generic running a command that appends the text
# to the log. It still opens a sound device (libao falls back to its null output) and passes the
# text through its symbol tables as it would for a synthesizer; only the stripping of punctuation
# is turned off, so that the log shows what a synthesizer would have been given.
speech=$scratch/config/speech-dispatcher
mkdir -p "$speech/modules"
cat >"$speech/speechd.conf" <<EOF
AudioOutputMethod "libao"
AddModule "capture" "sd_generic" "capture.conf"
DefaultModule capture
DefaultLanguage "${language%%_*}"
LogLevel 3
LogDir "$scratch"
SymbolsPreproc "char"
SymbolsPreprocFile "gender-neutral.dic"
SymbolsPreprocFile "font-variants.dic"
SymbolsPreprocFile "symbols.dic"
SymbolsPreprocFile "emojis.dic"
SymbolsPreprocFile "orca.dic"
SymbolsPreprocFile "orca-chars.dic"
EOF
cat >"$speech/modules/capture.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' '\$DATA' >> '$log'"
GenericStripPunctChars ""
# One utterance, one line: the module would cut a long one into pieces of so many bytes, in the
# middle of a letter.
GenericMaxChunkLength 100000
GenericLanguage "ru" "ru" "utf-8"
GenericLanguage "en" "en" "utf-8"
GenericLanguage "en-US" "en" "utf-8"
GenericLanguage "en_US" "en" "utf-8"
GenericLanguage "ru-RU" "ru" "utf-8"
GenericLanguage "ru_RU" "ru" "utf-8"
AddVoice "ru" "MALE1" "ru"
AddVoice "en" "MALE1" "en"
DefaultVoice "ru"
EOF
: >"$log"
socket=$scratch/runtime/speechd.sock
speech-dispatcher -s -t 0 -C "$speech" -S "$socket" -c unix_socket -L "$scratch" >/dev/null 2>&1 &
children+=($!)
export SPEECHD_ADDRESS=unix_socket:$socket
for _ in $(seq 50); do
    [ -S "$socket" ] && break
    sleep 0.1
done
[ -S "$socket" ] || skip "speech-dispatcher did not start"

# Orca will not start while any other Orca of the same user runs on the machine, in whatever
# session; it asks pgrep, which here knows of none.
mkdir -p "$scratch/bin"
printf '#!/bin/sh\nexit 1\n' >"$scratch/bin/pgrep"
chmod +x "$scratch/bin/pgrep"
export LANG=$language LC_ALL=$language LANGUAGE=
PATH=$scratch/bin:$PATH LANGUAGE=${language%%.*} orca --user-prefs "$scratch/orca" --disable braille --disable braille-monitor \
    --debug-file "$log.orca-debug" >"$scratch/orca.out" 2>&1 &
children+=($!)
# Orca greets when it is ready.
for _ in $(seq 600); do
    [ -s "$log" ] && break
    sleep 0.1
done
[ -s "$log" ] || { cat "$scratch/orca.out" >&2; skip "Orca did not speak within a minute"; }
sleep 1

"${program[@]}" >"$scratch/program.out" 2>&1 &
game=$!
children+=("$game")
window=
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null | tail -1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "orca_listen: ${program[0]} showed no window" >&2; exit 2; }
# There is no window manager: a window of the game that opens or closes leaves the keyboard
# where it was, so before each step the newest window of the game is given the keyboard unless
# one of its windows has it.
refocus() {
    local windows focused
    windows=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null || true)
    [ -n "$windows" ] || return 0
    focused=$(xdotool getwindowfocus 2>/dev/null || true)
    if ! grep -qx "$focused" <<<"$windows"; then
        xdotool windowfocus --sync "$(tail -1 <<<"$windows")" >/dev/null 2>&1 || true
        sleep 0.3
    fi
}
refocus
sleep "$delay"

for step in "$@"; do
    refocus
    echo "» $step" >>"$log"
    case $step in
    key:*)
        key=${step#key:}
        count=1
        if [[ $key == *\** ]]; then
            count=${key##*\*}
            key=${key%\**}
        fi
        for _ in $(seq "$count"); do
            xdotool key --clearmodifiers "$key"
            sleep "$delay"
            refocus
        done
        ;;
    type:*)
        xdotool type --delay 80 "${step#type:}"
        sleep "$delay"
        ;;
    wait:*) sleep "${step#wait:}" ;;
    note:*) ;;
    *) echo "orca_listen: unknown step $step" >&2; exit 2 ;;
    esac
done
sleep 1
cat "$log"
