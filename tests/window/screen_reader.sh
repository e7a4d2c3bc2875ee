# shellcheck shell=bash disable=SC2154 # work and helper_pids come from session.sh
# Sourced after session.sh by the tests that run Orca against the game as a blind
# player does. Orca, speech-dispatcher and espeak-ng keep their settings in the
# test's own home (session.sh's), so a developer's settings never matter; the speech
# goes to a silent sound device, and what Orca speaks is read from speech-dispatcher's log.
mkdir -p "$work/speech"
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
orca_pid=""
orca_runs=0

# Orca runs once per user: a test waits for another test's Orca to end, and leaves
# a player's own Orca alone, skipping what needs Orca (exit status 77).
orca_free() {
    exec 9>"${TMPDIR:-/tmp}/zellomar-orca-$(id -u).lock"
    flock -w "$(scaled 200)" 9 || fail "another test kept Orca for $(scaled 200) s"
    ! pgrep -u "$(id -u)" -x orca >/dev/null
}
skip_without_orca() {
    echo "SKIPPED: Orca runs already for this user (a screen reader in use); this test needs one of its own"
    exit 77
}

# Starts the speech server and Orca, which needs the display and the accessibility
# bus; waits until Orca has said that it is on.
start_orca() {
    if [ ! -d "$XDG_CONFIG_HOME/speech-dispatcher" ]; then
        cp -r /etc/speech-dispatcher "$XDG_CONFIG_HOME/speech-dispatcher"
        # Log level 5 logs each text spoken.
        sed -i -e 's|^LogLevel.*|LogLevel 5|' -e "s|^LogDir.*|LogDir \"$work/speech\"|" \
            "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
        echo 'AudioOutputMethod "alsa"' >>"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
        speech-dispatcher --run-single --timeout 0 >"$work/speech/stdout" 2>&1 9>&- &
        helper_pids="$! $helper_pids"
        # Orca that finds no socket yet tries to start a server of its own, which the
        # running one refuses, and then speaks nowhere (seen with Orca 47).
        wait_until 10 test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" \
            || fail "speech-dispatcher did not open its socket: $(tail -n 3 "$work/speech/stdout")"
    fi
    orca_runs=$((orca_runs + 1))
    orca --debug-file="$work/orca$orca_runs.log" >>"$work/orca.out" 2>&1 9>&- &
    orca_pid=$!
    helper_pids="$orca_pid $helper_pids"
    wait_spoken 'Screen reader on' 20
    # Orca speaks before it listens: a window activated before Orca has asked for
    # window events is lost to it (seen with Orca 48, which asks for them last).
    wait_until 20 orca_listening || fail "Orca did not start listening for window events"
}

# Whether the accessibility registry lists listeners for the four window events that
# Orca asks for when it starts.
orca_listening() {
    local bus events event
    bus=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress) || return 1
    events=$(dbus-send --bus="${bus// /}" --print-reply --dest=org.a11y.atspi.Registry /org/a11y/atspi/registry \
        org.a11y.atspi.Registry.GetRegisteredEvents 2>/dev/null) || return 1
    for event in activate create deactivate destroy; do
        grep -qi "\"window:$event" <<<"$events" || return 1
    done
}

# Ends Orca as a desktop does at logout, so that it lets go of the keyboard.
stop_orca() {
    kill "$orca_pid" 2>/dev/null || true
    wait_until 10 none_running "$orca_pid" || kill -KILL "$orca_pid" 2>/dev/null || true
    wait "$orca_pid" 2>/dev/null || true
    orca_pid=""
}

# What Orca has spoken so far, one utterance a line, without the speech marks
# (the log keeps the CR LF of the speech protocol).
spoken() {
    sed -n 's#.*DATA:|<speak>\(.*\)</speak>\r*$#\1#p' "$work/speech/speech-dispatcher.log" 2>/dev/null \
        | sed 's/<[^>]*>//g'
}

# An utterance that says PATTERN (an extended regular expression) as whole words,
# with or without the full stop after it: Orca 43 speaks a window's name and its
# description apart, newer ones as one utterance.
saying() { echo "(.* )?($1)\.?( .*)?"; }

# How many utterances so far say the pattern.
count_spoken() { spoken | grep -c -x -E "$(saying "$1")" || true; }

# Waits until Orca has spoken a line matching the pattern (10 s unless given), after the first $after lines.
after=0
spoken_since_mark() { spoken | tail -n +$((after + 1)) | grep -q -x -E "$(saying "$1")"; }
wait_spoken() {
    wait_until "${2:-10}" spoken_since_mark "$1" && return 0
    fail "Orca did not say \"$1\"; it said:
$(spoken | tail -n +$((after + 1)) | sed 's/^/  /')
$(tail -n 5 "$work/orca.out" 2>/dev/null | sed 's/^/orca: /')"
}

# Marks the end of what was spoken so far: wait_spoken looks only at what follows.
mark_spoken() { after=$(spoken | wc -l); }

# Orca's "read status bar" command (Insert+Keypad Enter twice, the desktop
# layout); waits for the last counter and prints the bonus read.
read_status_bar() {
    mark_spoken
    xdotool key Insert+KP_Enter Insert+KP_Enter
    wait_spoken 'Score: [0-9]+'
    spoken | tail -n +$((after + 1)) | grep -o -E 'Bonus: [0-9]+' | tail -n 1 | sed 's/^Bonus: //'
}
