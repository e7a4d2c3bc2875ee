#!/usr/bin/env bash
# Plays the built game in a private X display for a few seconds and saves its play
# window as the picture that the AppStream metadata shows.
# Usage: screenshot.sh <game> <screengrab> <file.png>
out=$3
# The real-window tests' private display, openbox and window helpers.
# shellcheck source=../tests/window/session.sh
source "$(dirname "$0")/../tests/window/session.sh" "$1" "$2"
open_start_window
open_play_window
# A moment of play, so that the ball is under way and the bonus has started to count.
sleep 3
"$screengrab" save "$out" "$x" "$y" "${play_size%x*}" "${play_size#*x}"
xdotool key Escape
echo "screenshot: $out"
