#!/bin/bash
# Checks the upload that build-package.sh built in FOLDER: lintian on the .changes
# (source, binary and debug symbols), the binary package's dependencies, and the
# package's autopkgtest on this machine (autopkgtest's null runner), which installs
# the package for the test; a package that was not installed before is purged again.
# Usage: check-package.sh FOLDER
set -euo pipefail
out=$1
changes=$(echo "$out"/zellomar_*_"$(dpkg --print-architecture)".changes)
[ -f "$changes" ] || { echo "check-package.sh: no .changes file in $out" >&2; exit 1; }
deb=$(dirname "$changes")/$(basename "$changes" .changes).deb
fail() { echo "FAIL: $*" >&2; exit 1; }

# Every tag fails but those that the package's override files and
# tools/lintian-release-tags allow on this machine's release.
lintian -I --pedantic "$changes" >"$out/lintian.log" 2>&1 || true
echo "lintian -I --pedantic $(basename "$changes"):"
sh "$(dirname "$0")/check-lintian.sh" "$out/lintian.log" || fail "lintian finds tags that are not allowed"

dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the package does not depend on libqt6widgets6"
dpkg-deb -f "$deb" Depends | grep -q 'fonts-dejavu-core' || fail "the package does not depend on fonts-dejavu-core"

root=()
[ "$(id -u)" -eq 0 ] || root=(sudo)
installed=$(dpkg-query -W -f='${Status}' zellomar 2>/dev/null || true)
status=0
"${root[@]}" autopkgtest --summary-file="$out/autopkgtest.summary" "$changes" -- null >"$out/autopkgtest.log" 2>&1 \
    || status=$?
[ "$installed" = "install ok installed" ] || "${root[@]}" dpkg --purge zellomar zellomar-dbgsym >/dev/null 2>&1 || true
echo "autopkgtest:"
cat "$out/autopkgtest.summary" 2>/dev/null || true
[ "$status" -eq 0 ] || { tail -n 40 "$out/autopkgtest.log" >&2; fail "autopkgtest ends with status $status (log: $out/autopkgtest.log)"; }
echo "package: $(basename "$deb"), depends: $(dpkg-deb -f "$deb" Depends)"
