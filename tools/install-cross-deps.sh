#!/bin/sh
# Makes this machine cross-build the game for ARCH and run its tests (tools/cross-test.sh):
# adds ARCH to dpkg's architectures, then installs the cross compiler, the Build-Depends
# of debian/control for ARCH, and the test tools. A test tool that is a library, which
# the game's or the tests' programs load (Multi-Arch: same), is installed for ARCH;
# any other (the X server, window managers, the screen reader) for this machine.
# Needs root; meant for a chroot (tools/test-on.sh cross), as it changes what dpkg accepts.
# Usage: install-cross-deps.sh ARCH
set -eu
arch=${1:-}
[ -n "$arch" ] || { echo "usage: install-cross-deps.sh ARCH" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || { echo "install-cross-deps.sh changes dpkg's architectures: run it as root" >&2; exit 1; }
top=$(cd "$(dirname "$0")/.." && pwd)
native=$(dpkg --print-architecture)
export DEBIAN_FRONTEND=noninteractive
dpkg --add-architecture "$arch"
apt-get update -qq
apt-get install -y -q --no-install-recommends "crossbuild-essential-$arch" dpkg-dev
# The game and its test programs' libraries, and the tools that build them. A library
# installed for two architectures must be one version in both: unstable's builds for
# some architectures lag behind, and then apt finds no way.
apt-get build-dep -y -q -a "$arch" -P nocheck "$top" || {
    echo "install-cross-deps: $arch's build dependencies cannot be installed beside $native's packages;" \
        "where apt says that a library for $arch Breaks its other versions, the archive has not built" \
        "$native's version of it for $arch yet: try again once it has, or another release" >&2
    exit 1
}
# The test tools, the Build-Depends marked <!nocheck>.
tools=$(sed -n '/^Build-Depends:/,/^[^ #]/{/<!nocheck>/p}' "$top/debian/control" | sed 's/[<(,].*//; s/ //g')
# The toolkit's platform plugins (X11, Wayland), loaded by the game.
packages="qt6-qpa-plugins:$arch"
for p in $tools; do
    if apt-cache show --no-all-versions "$p" | grep -q '^Multi-Arch: same'; then
        packages="$packages $p:$arch"
    else
        packages="$packages $p:$native"
    fi
done
# shellcheck disable=SC2086 # a list of words
apt-get install -y -q --no-install-recommends $packages
