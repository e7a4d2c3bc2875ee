# shellcheck shell=bash disable=SC2154 # work, screengrab, x and y come from session.sh
# Sourced after session.sh by the tests that read the screen: where the windows
# stand, where the ball is, and a table of probes read from one screenshot.

# shellcheck disable=SC2034 # for the probe tables of the tests that source this
assets=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../assets" && pwd)

# Openbox puts a window that asks for no place in the middle of the free area;
# told to use the top left corner instead, it shows whether the game centres its windows.
mkdir -p "$XDG_CONFIG_HOME/openbox"
sed 's|<center>yes</center>|<center>no</center>|' /etc/xdg/openbox/rc.xml >"$XDG_CONFIG_HOME/openbox/rc.xml"

# Prints "left right top bottom": the margins between the window's frame, as the
# window manager draws it, and the edges of the screen area MX MY MW MH.
frame_margins() {
    local id=$1 cx cy w h l r t b
    read -r cx cy < <(window_origin "$id")
    read -r w h < <(xwininfo -id "$id" | awk '/  Width:/ {w = $2} /  Height:/ {h = $2} END {print w, h}')
    read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo "$((cx - l - $2)) $(($2 + $4 - cx - w - r)) $((cy - t - $3)) $(($3 + $5 - cy - h - b))"
}

# Checks that the window's frame is centred on the screen, or on the monitor at
# MX MY of MW x MH when given. The game centres the frame it assumes, which is
# thicker than openbox's by up to a dozen pixels across the title bar: so much,
# and no more, may lie between the margins on opposite sides.
expect_centred() {
    local id=$1 name=$2 left right top bottom
    read -r left right top bottom < <(frame_margins "$id" "${3:-0}" "${4:-0}" "${5:-1024}" "${6:-768}")
    local across=$((left - right)) down=$((top - bottom))
    [ "${across#-}" -le 16 ] && [ "${down#-}" -le 16 ] && [ "$left" -ge 0 ] && [ "$top" -ge 0 ] \
        || fail "$name is not centred: margins left $left, right $right, top $top, bottom $bottom"
}

# Checks a table of probes (standard input) against one screenshot; places are
# relative to the client area at $1 $2. A failing screenshot is kept for a look.
probe() {
    local shot
    shot="${TMPDIR:-/tmp}/zellomar-$(basename "$0" .sh)-failed.png"
    "$screengrab" probe "$1" "$2" "$shot" >"$work/probes" || {
        cat "$work/probes" >&2
        fail "the screen differs; the screenshot is kept in $shot"
    }
    cat "$work/probes"
}

# Prints "left top right bottom" of the ball's white pixels in the client area
# at $x $y, looking at the field left of x = $1 (and above y = $2, 480 unless
# given) only; "none" while out of sight.
ball_box() {
    local b
    b=$("$screengrab" box "$x" "$y" "$1" "${2:-480}" FFFFFF)
    [ "$b" = none ] && { echo none; return; }
    read -r l t r bt <<<"$b"
    echo "$((l - x)) $((t - y)) $((r - x)) $((bt - y))"
}

# Waits until the ball is in sight (it dips below the client area at every
# bottom turn) and prints its box; fails after 10 s.
ball_in_sight() {
    wait_until 10 ball_box_in_sight "$@" || fail "the ball stays out of sight"
}
ball_box_in_sight() {
    local b
    b=$(ball_box "$@")
    [ "$b" != none ] && echo "$b"
}

# Waits until the ball holds still, the same box twice 0.3 s apart; prints it.
ball_still() {
    wait_still 5 0.3 ball_box "$@" || fail "the ball does not hold still"
}

# Pauses the game with Space where the ball is wholly in sight; sets $ball to its box.
# Every odd press pauses, so the ball is still once the game has caught up; should
# it have stopped out of sight, or cut off by the bottom edge, play resumes for a
# moment and is paused again.
pause_in_sight() {
    for _ in $(seq 20); do
        xdotool key space
        ball=$(ball_still "$@")
        [ "$ball" != none ] && [ "${ball##* }" -lt $((${2:-480} - 1)) ] && return 0
        xdotool key space
        sleep 0.$((RANDOM % 3 + 1))
    done
    fail "could not pause the game with the ball in sight"
}
