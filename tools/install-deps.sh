#!/bin/sh
# Installs the Debian packages that building, playing and testing need; skips what is there.
set -eu
# Usage: install-deps.sh [fuzz|package|chroot|cross ARCH]: the packages for building,
# playing and testing, and those for fuzzing (clang with its sanitizer runtimes) or
# packaging; or those alone that make chroots of other releases and architectures; or,
# on an amd64 machine, those that cross-build the game for ARCH and run its tests there
# (tools/cross-test.sh).
# The build and its tests need debian/control's Build-Depends, which apt installs
# from the source folder itself (apt-get build-dep); the benchmarks and the check
# of the shell scripts (shellcheck) need a few more packages, named here.
top=$(cd "$(dirname "$0")/.." && pwd)
packages="make g++ libbenchmark-dev libx11-dev libxdamage-dev shellcheck"
build_depends=yes
case "${1:-}" in
# Making chroots of other releases (test-on.sh) needs only mmdebstrap, and dpkg-dev
# to lay out the source package; those of other architectures run their programs
# through qemu-user and the kernel's binfmt_misc, which arch-test checks.
chroot) packages="git mmdebstrap dpkg-dev qemu-user-static binfmt-support arch-test" build_depends=no ;;
cross) exec sh "$top/tools/install-cross-deps.sh" "${2:-}" ;;
fuzz) packages="$packages clang libclang-rt-dev" ;;
package) packages="$packages dpkg-dev fakeroot lintian autopkgtest diffoscope-minimal file appstream desktop-file-utils man-db" ;;
esac
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
# dpkg-checkbuilddeps (dpkg-dev, which apt's build-dep brings with build-essential)
# tells whether the Build-Depends are met; without it they are taken as unmet.
unmet=""
if [ "$build_depends" = yes ]; then
  if ! command -v dpkg-checkbuilddeps >/dev/null 2>&1; then
    unmet="build-essential and the Build-Depends of debian/control"
  elif ! out=$(dpkg-checkbuilddeps "$top/debian/control" 2>&1); then
    unmet=${out##*Unmet build dependencies: }
  fi
fi
[ -z "$missing" ] && [ -z "$unmet" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  sudo=""
elif command -v sudo >/dev/null 2>&1; then
  sudo="sudo"
else
  # Without root and without sudo, say what to run instead of failing on a missing command.
  [ -z "$missing" ] || echo "These Debian packages are missing:$missing" >&2
  [ -z "$unmet" ] || echo "These build dependencies are missing: $unmet" >&2
  echo "Run this as root, then try again:" >&2
  echo "  apt-get update" >&2
  [ -z "$missing" ] || echo "  apt-get install --no-install-recommends$missing" >&2
  [ -z "$unmet" ] || echo "  apt-get build-dep --no-install-recommends $top" >&2
  exit 1
fi
[ -z "$missing" ] || echo "Installing:$missing"
[ -z "$unmet" ] || echo "Installing the build dependencies: $unmet"
# Another apt on the machine holds its lock for a while at most: wait for it.
apt="$sudo env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300"
$apt update -qq
# shellcheck disable=SC2086 # $apt and $missing are lists of words
[ -z "$missing" ] || $apt install -y -qq --no-install-recommends $missing
# shellcheck disable=SC2086
[ -z "$unmet" ] || $apt build-dep -y -qq --no-install-recommends "$top"
