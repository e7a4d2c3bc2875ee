#!/usr/bin/env bash
# The layer's run-time changes on a real X display with a screen reader's bus
# listening (live_accessible_tests). Usage: live_accessible.sh GAME SCREENGRAB LIVE_ACCESSIBLE_TESTS
source "$(dirname "$0")/session.sh"
window_manager=none start_display
start_accessibility_bus
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$3" >"$work/live.log" 2>&1 \
    || { cat "$work/live.log" >&2; fail "a control's run-time change did not reach the screen or the screen reader"; }
