#!/usr/bin/env bash
# The play window as a player sees it, read from one screenshot with play paused:
# centred on the screen; every tile kind drawn with its own picture and an
# unknown kind with the blank tile; black field and strips beside the tiles;
# the white ball at its place; the grey panel with its four captions in bold
# 13-pixel DejaVu Sans (Papyrus when the machine has it), each on two lines, in
# the button-text colour; the current-wall box with the blank tile in a sunken border.
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/screen.sh"
install_game
# Columns 2 to 5 of rows 1 to 3, the ball's column left clear so that no wall goes.
printf '%s\r\n' 2 1 BlankWall 3 1 SpikeWall 4 1 Wall01 5 1 Wall02 \
    2 2 wall03 3 2 Wall04 4 2 ChWall01 5 2 ChWall02 \
    2 3 Chwall03 3 3 ChWall04 4 3 FullWall 5 3 Wall03 >"$work/game/levels/Level1.lvl"
open_start_window
open_play_window
expect_centred "$play" "the play window"
pause_in_sight 76
read -r bl bt br bb <<<"$ball"
around_ball="$((bl - 2)) $((bt - 2)) $((br - bl + 5)) $((bb - bt + 5))"
font="Papyrus,DejaVu_Sans 13 bold left-top-wrap 1"
probe "$x" "$y" <<TABLE
# kind  name                 area (x y w h)   colour / picture, tolerance ...
image   tile-BlankWall       76  0            $assets/BlankWall.png
image   tile-SpikeWall       152 0            $assets/SpikeWall.png
image   tile-Wall01          228 0            $assets/Wall01.png
image   tile-Wall02          304 0            $assets/Wall02.png
image   tile-wall03          76  40           $assets/Wall03.png
image   tile-Wall04          152 40           $assets/Wall04.png
image   tile-ChWall01        228 40           $assets/ChWall01.png
image   tile-ChWall02        304 40           $assets/ChWall02.png
image   tile-Chwall03        76  80           $assets/ChWall03.png
image   tile-ChWall04        152 80           $assets/ChWall04.png
image   tile-FullWall        228 80           $assets/FullWall.png
image   tile-unknown-kind    304 80           $assets/BlankWall.png
# The field and the 4-pixel strips right of and below every tile are black.
fill    field-below          0   116 530 364  000000 0 $around_ball
fill    field-column-1       0   0   76  116  000000 0 $around_ball
fill    field-right          376 0   154 116  000000 0
fill    strips-column-2      148 0   4   116  000000 0
fill    strips-column-3      224 0   4   116  000000 0
fill    strips-column-4      300 0   4   116  000000 0
fill    strips-row-1         76  36  300 4    000000 0
fill    strips-row-2         76  76  300 4    000000 0
# The ball: a white disc 17 pixels across at 32 from the left, its rim antialiased.
extent  ball-white           0   0   76  480  FFFFFF 0 33 $bt 47 $((bt + 14)) 1
count   ball-disc            $around_ball     FFFFFF 0 180 230
# The panel: grey from x = 530 to the right edge, captions at 554.
fill    panel-left           530 0   24  480  C0C0C0 0
fill    panel-right          620 0   57  304  C0C0C0 0
fill    panel-gap-1          554 73  66  15   C0C0C0 0
fill    panel-gap-2          554 145 66  15   C0C0C0 0
fill    panel-gap-3          554 217 66  15   C0C0C0 0
fill    panel-gap-4          554 285 66  19   C0C0C0 0
fill    panel-box-left       530 304 26  40   C0C0C0 0
fill    panel-box-right      632 304 45  40   C0C0C0 0
fill    panel-below          530 344 147 136  C0C0C0 0
text    caption-bonus        $bonus_box       C0C0C0 000000 $font $(seq -s '|' -f 'Bonus:\n%g' 40 -1 0)
text    caption-level        $level_box       C0C0C0 000000 $font Level:\n1
text    caption-lives        $lives_box       C0C0C0 000000 $font Lives:\n4
text    caption-score        $score_box       C0C0C0 000000 $font Score:\n0
# The current-wall box: 76 x 40 at 556, 304; a sunken border 2 pixels wide round the blank tile.
fill    box-outer-top        556 304 75  1    808080 0
fill    box-outer-left       556 304 1   39   808080 0
fill    box-inner-top        557 305 73  1    000000 0
fill    box-inner-left       557 305 1   37   000000 0
fill    box-outer-bottom     556 343 76  1    FFFFFF 0
fill    box-outer-right      631 304 1   40   FFFFFF 0
fill    box-inner-bottom     557 342 74  1    C0C0C0 0
fill    box-inner-right      630 305 1   37   C0C0C0 0
image   box-tile             558 306          $assets/BlankWall.png
TABLE
xdotool key Escape
expect_exit 0
