#!/usr/bin/env bash
# Without a display, or with one that does not answer (X11 or Wayland), the game
# says so in one line and exits with status 1 within 5 s, whatever platform the
# player asked for. A stopped X server takes the connection and never answers.
source "$(dirname "$0")/session.sh"
window_manager=none start_display
trap 'kill -CONT "$xvfb_pid"; cleanup' EXIT # a stopped server ends only once it runs again
kill -STOP "$xvfb_pid"
stopped=${DISPLAY#:}
dead=99
while [ -e "/tmp/.X11-unix/X$dead" ] || [ -e "/tmp/.X$dead-lock" ]; do dead=$((dead + 1)); done
runtime="$work/runtime" # a runtime folder where no compositor listens
mkdir -m 700 "$runtime"
passed=0
failed=0
check() { # EXPECTED-REASON ENV-SETTINGS...
    local reason=$1 out status=0
    shift
    # status 124 when it took longer
    out=$(timeout "$(scaled 5)" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$game_binary" 2>&1) || status=$?
    if [ "$status" -ne 1 ] || [ "$out" != "zellomar: no display found ($reason); start it from a desktop session" ]; then
        echo "FAIL: with $*: exit status $status, output: $out"
        failed=$((failed + 1))
    else
        passed=$((passed + 1))
    fi
}
check "DISPLAY is not set"
check "DISPLAY is not set" QT_QPA_PLATFORM=xcb
check "DISPLAY :$dead does not answer" DISPLAY=":$dead"
check "DISPLAY :$dead does not answer" DISPLAY=":$dead" QT_QPA_PLATFORM=xcb
check "WAYLAND_DISPLAY wayland-9 does not answer" XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-9
check "WAYLAND_DISPLAY wayland-9 does not answer" XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-9 QT_QPA_PLATFORM=wayland
check "DISPLAY :$dead does not answer" XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-9 DISPLAY=":$dead"
check "DISPLAY :$stopped does not answer" DISPLAY=":$stopped"
check "DISPLAY :$stopped does not answer" DISPLAY=":$stopped" QT_QPA_PLATFORM=xcb
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] || fail "$failed of $((passed + failed)) checks failed"
