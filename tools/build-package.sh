#!/bin/sh
# Builds the Debian source package and its binary packages in FOLDER as the archive
# does: the release tarball of HEAD (dist.sh) as the orig tarball, HEAD's debian/
# folder, and dpkg-buildpackage -us -uc, which runs the tests unless DEB_BUILD_OPTIONS
# holds nocheck. JOBS (2 unless given) goes to DEB_BUILD_OPTIONS as parallel=JOBS
# unless it names a parallel= of its own.
# With --prepare-only, it lays out the source and stops before building.
# Usage: build-package.sh FOLDER [JOBS] [--prepare-only]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
rm -rf "$1"
mkdir -p "$1"
out=$(cd "$1" && pwd)
tarball=$(sh "$top/tools/dist.sh" "$out")
upstream=$(basename "$tarball" .tar.gz)
upstream=${upstream#zellomar-}
tar -xzf "$tarball" -C "$out"
source=$out/zellomar-$upstream
git -C "$top" -c tar.umask=0022 archive HEAD debian | tar -xf - -C "$source"
version=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)
if [ "${version%-*}" != "$upstream" ]; then
    echo "build-package.sh: debian/changelog, line 1: version $version is not of the release $upstream in CMakeLists.txt" >&2
    exit 1
fi
mv "$tarball" "$out/zellomar_$upstream.orig.tar.gz"
[ "${3:-}" = --prepare-only ] && exit 0
case " ${DEB_BUILD_OPTIONS:-} " in
*" parallel="*) ;;
*) DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }parallel=${2:-2}" ;;
esac
export DEB_BUILD_OPTIONS
cd "$source"
dpkg-buildpackage -us -uc
