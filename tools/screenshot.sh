#!/usr/bin/env bash
# Plays the built game in a private X display for a few seconds and saves its play
# window as the picture that the AppStream metadata shows.
# Usage: screenshot.sh <game> <windowshot> <file.png>
set -euo pipefail
game=$1 windowshot=$2 out=$3
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
openbox >/dev/null 2>&1 &
pids+=($!)

# The window of the given client size, waited for up to 10 s.
find_window() {
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --name '^Zellomar$' 2>/dev/null); do
            [ "$(xdotool getwindowgeometry "$id" | awk '/Geometry/ {print $2}')" = "$1" ] && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    echo "screenshot: no window of $1" >&2
    return 1
}

"$game" 2>/dev/null &
pids+=($!)
xdotool windowactivate --sync "$(find_window 423x429)"
xdotool key alt+g
play=$(find_window 677x480)
xdotool windowactivate --sync "$play"
# A moment of play, so that the ball is under way and the bonus has started to count.
sleep 3
"$windowshot" "$play" "$out"
xdotool key Escape
echo "screenshot: $out"
