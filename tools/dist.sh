#!/bin/sh
# Writes the release tarball zellomar-<version>.tar.gz of the committed tree (HEAD)
# into FOLDER and prints its path. The same commit gives the same bytes: git lays the
# files out in its sorted tree order with the commit's time and fixed modes, and gzip
# stores no name or time. The Debian packaging (debian/) is not part of the release.
# Usage: dist.sh FOLDER
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
version=$(sed -n 's/^project(Zellomar VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
[ -n "$version" ] || { echo "dist.sh: CMakeLists.txt: no version in project()" >&2; exit 1; }
if [ -n "$(git -C "$top" status --porcelain --untracked-files=no)" ]; then
    echo "dist.sh: warning: uncommitted changes are not in the tarball, which holds HEAD" >&2
fi
tarball=$out/zellomar-$version.tar.gz
# Through a file, not a pipe: a failing git archive fails the release.
if ! git -C "$top" -c tar.umask=0022 archive --format=tar --prefix="zellomar-$version/" HEAD -- ':(exclude)debian' \
    >"$tarball.tar"; then
    rm -f "$tarball.tar"
    echo "dist.sh: git archive of HEAD in $top failed: no tarball written" >&2
    exit 1
fi
gzip -9n <"$tarball.tar" >"$tarball.new"
rm "$tarball.tar"
mv "$tarball.new" "$tarball"
echo "$tarball"
