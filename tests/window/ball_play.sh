#!/usr/bin/env bash
# The ball on the screen under the real keyboard, an empty level leaving it the
# only white thing on the field: it moves; Space stops the ball and the bonus and
# a second Space starts them again; held Right steers it right; the release of
# another key stops the steering although Left is still down; Left's auto-repeat,
# once the other key is up, steers again; both arrows held hold the ball; Escape ends the game with status 0.
# The ball dips out of sight at every bottom turn, so every look waits until it
# is in sight, and the waits are for states, not for times.
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/screen.sh"
install_game
: > "$work/game/levels/Level1.lvl"
open_start_window
open_play_window
field=530
bonus() { caption_sum "$bonus_box"; }
bonus_not() { [ "$(bonus)" != "$1" ]; }
# The ball's left edge; it holds still while no arrow steers.
left_edge() { local b; b=$(ball_in_sight $field); echo "${b%% *}"; }
left_edge_at_least() { [ "$(left_edge)" -ge "$1" ]; }
left_edge_at_most() { [ "$(left_edge)" -le "$1" ]; }

# Waits up to 5 s for the ball's box to differ from $1.
ball_not_at() { [ "$(ball_box $field)" != "$1" ]; }
moves_from() { wait_until 5 ball_not_at "$1"; }

moves_from "$(ball_box $field)" || fail "the ball did not move"

# Paused for longer than a bonus tick, the ball and the bonus hold still.
pause_in_sight $field
paused_bonus=$(wait_still 5 0.3 bonus) || fail "the bonus does not hold still while paused"
idle 1.5
[ "$(ball_box $field)" = "$ball" ] || fail "the ball moved while paused"
[ "$(bonus)" = "$paused_bonus" ] || fail "the bonus counted down while paused"
xdotool key space
wait_until 10 bonus_not "$paused_bonus" || fail "the bonus did not count down again after the second Space"
moves_from "$ball" || fail "the ball did not move again after the second Space"

# Held Right takes the ball to the right.
xdotool keydown Right
wait_until 10 left_edge_at_least 400 || true
xdotool keyup Right
right_at=$(left_edge)
[ "$right_at" -ge 400 ] || fail "held Right did not move the ball right: it is at $right_at"

# Left goes down, then another key goes down and up: its release clears the
# steering, and Left does not repeat, the other key having been pressed last.
xdotool keydown Left keydown a keyup a
idle 2.5 # time for steering that went on to take the ball to the left edge
stopped=$(left_edge)
xdotool keyup Left
[ "$stopped" -ge $((right_at - 250)) ] || fail "the release of another key did not stop the steering: $right_at -> $stopped"

# The other key goes down first and up last: Left, pressed last, repeats once
# the other key is up, and its repeated key-downs steer the ball to the left edge.
# (Here the repeats come as plain presses; KeysTest feeds one flagged as a repeat.)
xdotool keydown a keydown Left keyup a
wait_until 10 left_edge_at_most 1 || true
at=$(left_edge)
[ "$at" -le 1 ] || { xdotool keyup Left; fail "Left's auto-repeat did not steer the ball: it stands at $at"; }

# Right goes down while Left is still held: the two cancel out, and Right's
# auto-repeat, seen as presses only, must not let go of Left on the way.
xdotool keydown Right
idle 2.5 # time for a lost Left to let Right take the ball off the edge
held=$(left_edge)
xdotool keyup Right keyup Left
[ "$held" -le 1 ] || fail "with both arrows held the ball drifted to $held"

xdotool key Escape
expect_exit 0
