#!/usr/bin/env bash
# An installed Debian package: the Debian games layout with its desktop files, and
# the game it holds, started as usr/games/zellomar, opens the play window with the
# shipped level's walls and ends with Escape. ROOT is / for the installed package,
# or the folder a package was unpacked into.
# Usage: package.sh ROOT screengrab
source "$(dirname "$0")/session.sh"
root=${game_binary%/}/usr
[ -x "$root/lib/games/zellomar/zellomar" ] || fail "no usr/lib/games/zellomar/zellomar"
[ -f "$root/share/games/zellomar/levels/Level1.lvl" ] || fail "no usr/share/games/zellomar/levels/Level1.lvl"
for link in "games/zellomar ../lib/games/zellomar/zellomar" \
    "lib/games/zellomar/levels ../../../share/games/zellomar/levels"; do
    read -r path target <<<"$link"
    [ "$(readlink "$root/$path")" = "$target" ] || fail "usr/$path is no link to $target"
done
desktop-file-validate "$root/share/applications/org.zellomar.zellomar.desktop" || fail "the desktop entry is not valid"
grep -qx 'Icon=zellomar' "$root/share/applications/org.zellomar.zellomar.desktop" || fail "the desktop entry names no icon"
appstreamcli validate --no-net "$root/share/metainfo/org.zellomar.zellomar.metainfo.xml" >&2 \
    || fail "the AppStream metadata is not valid"
for size in 16 32 48 64 128; do
    file "$root/share/icons/hicolor/${size}x$size/apps/zellomar.png" | grep -q "PNG image data, $size x $size" \
        || fail "no $size x $size icon"
done
grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/zellomar.svg" || fail "no scalable icon"
manual=$(MANWIDTH=80 man -l "$root/share/man/man6/zellomar.6.gz" 2>&1) || fail "man cannot show the manual page"
for section in NAME SYNOPSIS DESCRIPTION KEYS 'LEVEL FILES' 'EXIT STATUS'; do
    grep -qx "$section" <<<"$manual" || fail "the manual page has no $section section"
done
grep -qx 'Copyright: 2026 The Zellomar developers' "$root/share/doc/zellomar/copyright" \
    && grep -qx 'License: MIT' "$root/share/doc/zellomar/copyright" || fail "no copyright file naming the MIT licence"
zcat "$root/share/doc/zellomar/changelog.Debian.gz" | grep -q "^zellomar (" || fail "no Debian changelog"

game_command="$root/games/zellomar"
mkdir -p "$work/game" # nothing to copy: the package's own layout is played
open_start_window
open_play_window
wait_until 5 shipped_tile_drawn || fail "expected the green tile at column 2, row 2; found $green green pixels"
xdotool key Escape
expect_exit 0
