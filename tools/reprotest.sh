#!/bin/bash
# Builds the source package a second time and checks that its .deb files are the
# same bytes as those of FIRST (make package): in another folder, later, under the
# other umask of 0022 and 0002, in another time zone and a French locale, and with
# every source file's time set to now. Differences are shown by diffoscope.
# Usage: reprotest.sh FIRST SECOND [JOBS]
set -euo pipefail
first=$1 second=$2 jobs=${3:-2}
top=$(cd "$(dirname "$0")/.." && pwd)
arch=$(dpkg --print-architecture)
ls "$first"/*_"$arch".deb >/dev/null 2>&1 || { echo "reprotest.sh: no .deb in $first: run make package first" >&2; exit 1; }

rm -rf "$second"
mkdir -p "$second/locale"
second=$(cd "$second" && pwd)
localedef -i fr_FR -f UTF-8 "$second/locale/fr_FR.UTF-8"
[ "$(umask)" = 0002 ] && mask=0022 || mask=0002
[ "${TZ:-}" = Pacific/Kiritimati ] && zone=America/Adak || zone=Pacific/Kiritimati

# The files' times are those of the release tarball; the second build gives them its own.
(
    umask "$mask"
    export LOCPATH=$second/locale
    export TZ=$zone LC_ALL=fr_FR.UTF-8 LANG=fr_FR.UTF-8 LANGUAGE=fr
    export DEB_BUILD_OPTIONS=${DEB_BUILD_OPTIONS:-parallel=$jobs}
    echo "second build in $second/build: umask $mask, TZ=$TZ, LC_ALL=$LC_ALL, $(date)"
    sh "$top/tools/build-package.sh" "$second/build" "$jobs" --prepare-only
    find "$second/build/zellomar-"* -exec touch {} +
    cd "$second/build/zellomar-"*
    dpkg-buildpackage -us -uc
) >"$second/build.log" 2>&1 || { tail -n 40 "$second/build.log" >&2; echo "FAIL: the second build failed (log: $second/build.log)" >&2; exit 1; }

status=0
for deb in "$first"/*_"$arch".deb; do
    other=$second/build/$(basename "$deb")
    sha256sum "$deb" "$other"
    if ! cmp -s "$deb" "$other"; then
        diffoscope --text "$second/$(basename "$deb").diffoscope.txt" "$deb" "$other" || true
        echo "FAIL: $(basename "$deb") differs; diffoscope: $second/$(basename "$deb").diffoscope.txt" >&2
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "reprotest: the .deb files of both builds are the same"
exit "$status"
