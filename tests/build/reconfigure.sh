#!/bin/sh
# The Makefile configures a build folder again when WERROR, CMAKE_FLAGS or the build
# type change, with a cache made from the new arguments alone, and leaves it alone
# when they stay the same.
# Usage: reconfigure.sh SOURCE_FOLDER [CMAKE_FLAG]: CMAKE_FLAG (a cross build's
# toolchain) goes into every configure.
set -eu
source_folder=$1 toolchain=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Configures with make's ARGUMENTS (the set-up left out) and prints what make printed;
# nothing is taken from a make that runs the tests (make test WERROR=ON) or from
# the environment. A configure that fails ends the test with what make said.
configure() {
    said=$(env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL -u WERROR -u CMAKE_FLAGS -u BUILD \
        make --no-print-directory -C "$source_folder" -o deps configure BUILD="$work/build" "$@" 2>&1) \
        || fail "make configure $* failed: $said"
    echo "$said"
}
cached() { grep "^$1:" "$work/build/CMakeCache.txt" | cut -d= -f2-; }

configure CMAKE_FLAGS="$toolchain -DZELLOMAR_TESTS=OFF" >/dev/null
[ "$(cached ZELLOMAR_WERROR)" = OFF ] || fail "a plain configure sets ZELLOMAR_WERROR=$(cached ZELLOMAR_WERROR)"
out=$(configure CMAKE_FLAGS="$toolchain -DZELLOMAR_TESTS=OFF")
case $out in *cmake*) fail "the same arguments configure again: $out" ;; esac
configure CMAKE_FLAGS="$toolchain -DZELLOMAR_TESTS=OFF" WERROR=ON >/dev/null
[ "$(cached ZELLOMAR_WERROR)" = ON ] || fail "WERROR=ON after a plain configure leaves ZELLOMAR_WERROR=$(cached ZELLOMAR_WERROR)"
configure CMAKE_FLAGS="$toolchain -DZELLOMAR_TESTS=OFF -DCMAKE_BUILD_TYPE=Debug" >/dev/null
[ "$(cached CMAKE_BUILD_TYPE)" = Debug ] || fail "a new build type leaves CMAKE_BUILD_TYPE=$(cached CMAKE_BUILD_TYPE)"
[ "$(cached ZELLOMAR_WERROR)" = OFF ] || fail "WERROR left out keeps ZELLOMAR_WERROR=$(cached ZELLOMAR_WERROR)"
configure CMAKE_FLAGS="$toolchain -DZELLOMAR_TESTS=OFF" >/dev/null
[ "$(cached CMAKE_BUILD_TYPE)" != Debug ] || fail "a build type left out of CMAKE_FLAGS stays in the cache"
echo "the Makefile configures again exactly when its arguments change"
