#!/usr/bin/env bash
# The start window as a player sees it, read from one screenshot: centred on the
# screen, 423 x 429, black, with two white buttons at their places at its foot,
# their captions in bold 16-pixel DejaVu Sans (Papyrus when the machine has it)
# in the button-text colour, with the access keys underlined.
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/screen.sh"
open_start_window
expect_centred "$start" "the start window"
read -r sx sy < <(window_origin "$start")
# Where the game runs slowly (qemu) the window shows before it is drawn whole: the
# probes wait for both buttons' faces, then for the window to hold still.
faces_drawn() {
    [ "$("$screengrab" count $((sx + 40)) $((sy + 336)) 113 33 FFFFFF)" -gt 0 ] \
        && [ "$("$screengrab" count $((sx + 312)) $((sy + 336)) 65 33 FFFFFF)" -gt 0 ]
}
wait_until 10 faces_drawn || true
wait_still 10 0.3 "$screengrab" sum "$sx" "$sy" 423 429 >/dev/null || true
font="Papyrus,DejaVu_Sans 16 bold centre-mnemonic"
probe "$sx" "$sy" <<TABLE
# kind  name              area (x y w h)     colour tolerance  ...
fill    black-above       0   0   423 334    000000 0
fill    black-below       0   371 423 58     000000 0
fill    black-left        0   334 38  37     000000 0
fill    black-between     155 334 155 37     000000 0
fill    black-right       379 334 44  37     000000 0
# The faces: near white, filling the designed places to within 2 pixels.
extent  new-face          30  326 133 53     FFFFFF 24 40 336 152 368 2
extent  exit-face         302 326 85  53     FFFFFF 24 312 336 376 368 2
count   new-face-white    40  336 113 33     FFFFFF 24 2600 3729
count   exit-face-white   312 336 65  33     FFFFFF 24 1500 2145
text    new-caption       40  336 113 33     FFFFFF 000000 $font 4 New &Game
text    exit-caption      312 336 65  33     FFFFFF 000000 $font 4 E&xit
TABLE
xdotool key alt+x
expect_exit 0
