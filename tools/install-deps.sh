#!/bin/sh
# Installs the Debian packages that building, playing and testing need; skips what is there.
set -eu
# Usage: install-deps.sh [fuzz|package|chroot|cross ARCH]: the packages for building,
# playing and testing, and those for fuzzing (clang with its sanitizer runtimes) or
# packaging; or those alone that make chroots of other releases and architectures; or,
# on an amd64 machine, those that cross-build the game for ARCH and run its tests there
# (tools/cross-test.sh).
# The build and its tests need what debian/control's Build-Depends names (debhelper
# stands in for debhelper-compat); the benchmarks and the check of the shell
# scripts (shellcheck) need a few more.
build_depends=$(sed -n '/^Build-Depends:/,/^[^ #]/{/^ /p}' "$(dirname "$0")/../debian/control" \
    | sed 's/[<(,].*//; s/ //g; s/^debhelper-compat$/debhelper/')
packages="make g++ $build_depends libbenchmark-dev libx11-dev libxdamage-dev shellcheck"
case "${1:-}" in
# Making chroots of other releases (test-on.sh) needs only mmdebstrap, and dpkg-dev
# to lay out the source package; those of other architectures run their programs
# through qemu-user and the kernel's binfmt_misc, which arch-test checks.
chroot) packages="git mmdebstrap dpkg-dev qemu-user-static binfmt-support arch-test" ;;
cross) exec sh "$(dirname "$0")/install-cross-deps.sh" "${2:-}" ;;
fuzz) packages="$packages clang libclang-rt-dev" ;;
package) packages="$packages dpkg-dev fakeroot lintian autopkgtest diffoscope-minimal file appstream desktop-file-utils man-db" ;;
esac
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  sudo=""
elif command -v sudo >/dev/null 2>&1; then
  sudo="sudo"
else
  # Without root and without sudo, say what to run instead of failing on a missing command.
  echo "These Debian packages are missing:$missing" >&2
  echo "Run this as root, then try again:" >&2
  echo "  apt-get install --no-install-recommends$missing" >&2
  exit 1
fi
echo "Installing:$missing"
$sudo apt-get update -qq
# shellcheck disable=SC2086 # $sudo and $missing are lists of words
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
