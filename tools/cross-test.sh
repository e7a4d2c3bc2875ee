#!/bin/sh
# Builds the game and its test programs for ARCH with this machine's cross compiler, and
# runs the whole suite: the programs built for ARCH run under qemu-user through the
# kernel's binfmt_misc, everything else (the X server, the window managers, the screen
# reader) natively. The machine needs tools/install-deps.sh cross ARCH.
# WERROR=ON makes every compiler warning an error. The tests' deadlines are scaled by
# ZELLOMAR_TEST_TIME_SCALE, 10 unless set: qemu-user runs the game about ten times slower.
# Usage: cross-test.sh ARCH BUILD JOBS
set -eu
arch=${1:?usage: cross-test.sh ARCH BUILD JOBS} build=${2:?} jobs=${3:?}
cd "$(dirname "$0")/.."
host=$(dpkg-architecture -a "$arch" -qDEB_HOST_GNU_TYPE 2>/dev/null)
cpu=$(dpkg-architecture -a "$arch" -qDEB_HOST_GNU_CPU 2>/dev/null)
multiarch=$(dpkg-architecture -a "$arch" -qDEB_HOST_MULTIARCH 2>/dev/null)
build_multiarch=$(dpkg-architecture -qDEB_BUILD_MULTIARCH)
export ZELLOMAR_TEST_TIME_SCALE="${ZELLOMAR_TEST_TIME_SCALE:-10}"
# qemu-user fails to pass the file descriptors of the X server's shared memory
# ("xcb_shm_create_segment() failed", then "The X11 connection broke (error 7)"): the
# toolkit sends its pixels over the X connection instead.
export QT_XCB_NO_MITSHM=1
command -v "$host-g++" >/dev/null || { echo "cross-test: $host-g++ is missing: tools/install-deps.sh cross $arch" >&2; exit 1; }
# A toolchain file, which the suite's own configure runs (the Makefile's test) use too.
# Qt's own tools (rcc) run on this machine: QT_HOST_PATH is this machine's Qt.
mkdir -p "$build"
toolchain=$(cd "$build" && pwd)/toolchain.cmake
cat >"$toolchain" <<EOF
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR $cpu)
set(CMAKE_LIBRARY_ARCHITECTURE $multiarch)
set(CMAKE_CXX_COMPILER $host-g++)
set(PKG_CONFIG_EXECUTABLE $host-pkg-config)
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/$build_multiarch/cmake)
EOF
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELLOMAR_WERROR="${WERROR:-OFF}" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain"
cmake --build "$build" -j "$jobs"
file "$build/zellomar"
cd "$build"
ctest --output-on-failure -j "$jobs"
