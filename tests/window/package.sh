# The Debian package unpacks into a Linux program's layout, names the toolkit's
# runtime among its dependencies, and the game it holds starts, opens the play
# window and ends with Escape. Usage: package.sh zellomar_<version>_amd64.deb
source "$(dirname "$0")/session.sh"
deb=$game_binary
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the package does not depend on libqt6widgets6"
dpkg-deb -f "$deb" Depends | grep -q 'fonts-dejavu-core' || fail "the package does not depend on fonts-dejavu-core"
dpkg -x "$deb" "$work/root"
[ -x "$work/root/usr/lib/zellomar/zellomar" ] || fail "no usr/lib/zellomar/zellomar"
[ -f "$work/root/usr/lib/zellomar/levels/Level1.lvl" ] || fail "no usr/lib/zellomar/levels/Level1.lvl"
[ "$(readlink "$work/root/usr/bin/zellomar")" = ../lib/zellomar/zellomar ] || fail "usr/bin/zellomar is no link to the game"
grep -q '^Categories=Game;ArcadeGame;' "$work/root/usr/share/applications/zellomar.desktop" || fail "no desktop entry"

game_command="$work/root/usr/bin/zellomar"
mkdir -p "$work/game" # nothing to copy: the package's own layout is played
open_start_window
open_play_window
xdotool key Escape
expect_exit 0
echo "package: $(basename "$deb"), depends: $(dpkg-deb -f "$deb" Depends)"
echo "1 passed, 0 failed"
