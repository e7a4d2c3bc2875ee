#!/bin/sh
# Installs the Debian packages that building, playing and testing need; skips what is there.
set -eu
# Usage: install-deps.sh [fuzz|package]: the packages for building, playing and
# testing, and those for fuzzing (clang with its sanitizer runtimes) or packaging.
packages="cmake make g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
 libx11-dev libxdamage-dev xvfb xauth openbox xdotool x11-utils fonts-dejavu-core"
case "${1:-}" in
fuzz) packages="$packages clang libclang-rt-dev" ;;
package) packages="$packages dpkg-dev file" ;;
esac
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
