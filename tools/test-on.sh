#!/bin/bash
# Tries the committed tree (HEAD) on a fresh minimal Debian machine of RELEASE and of
# the architecture ARCH (this machine's own by default), a chroot made with mmdebstrap
# and deleted afterwards. A chroot of another architecture runs its programs through
# qemu-user and the kernel's binfmt_misc (slowly: an hour or more), unless the kernel
# runs them itself.
#   test:    a chroot with git, make, g++ and sudo only; an ordinary user with sudo
#            clones the tree and runs the README's `make test`, which installs the
#            rest through sudo, as on a new desktop machine (its set-up, make deps,
#            first with network, then make test without).
#   package: a chroot with build-essential only, as the archive's build machines use;
#            the source package is built there (dpkg-source), its Build-Depends are
#            installed from the .dsc (apt-get build-dep), and an ordinary user without
#            network builds it (dpkg-buildpackage, the tests under dh_auto_test);
#            then that release's lintian checks the upload, and the package is
#            installed, removed and purged, which must leave no file behind.
#   cross:   a chroot of this machine's architecture with ARCH added (dpkg's
#            multiarch), as Debian's cross-building checks use: the game and its test
#            programs are built for ARCH with the cross compiler, natively fast, and the
#            suite runs with them under qemu-user and everything else native
#            (tools/cross-test.sh).
# The mirror is the machine's own Debian mirror, from its apt sources, or MIRROR. A
# mirror that is a snapshot of an earlier day serves unstable's and testing's index
# past the week it is signed for: SNAPSHOT=1 turns apt's check of an index's age off.
# Needs root. Every mount and process in the chroot ends with the script; the logs
# stay in LOGS (test-on-RELEASE-MODE.log and, for package, the upload).
# With ZELLOMAR_DEB_CACHE set to a folder, downloaded .deb files are kept there and
# used again by later runs.
# Usage: [ARCH=arch] [MIRROR=url] [SNAPSHOT=1] test-on.sh test|package|cross RELEASE [LOGS]
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
self=$top/tools/test-on.sh

say() { echo "test-on: $*" >&2; }
die() { say "FAIL: $*"; exit 1; }

# Kills what still runs inside the chroot ROOT and unmounts what is mounted below it.
release_root() {
    local root=$1 pid link mounts
    [ -d "$root" ] || return 0
    for _ in 1 2 3; do
        for pid in /proc/[0-9]*; do
            link=$(readlink "$pid/root" 2>/dev/null) || continue
            case $link in "$root" | "$root"/*) kill -KILL "${pid#/proc/}" 2>/dev/null || true ;; esac
        done
        mounts=$(findmnt -rn -o TARGET | grep -F "$root/" | sort -r || true)
        [ -z "$mounts" ] && return 0
        while read -r m; do umount -l "$m" 2>/dev/null || true; done <<<"$mounts"
        sleep 1
    done
    findmnt -rn -o TARGET | grep -qF "$root/" && return 1
    return 0
}

# --- Run by mmdebstrap as its customize hook, with the chroot ROOT set up. ---------
in_chroot() { chroot "$root" "$@"; }
as_user() { chroot "$root" runuser -l "$1" -c "$2"; }

# An ordinary user NAME with a home of their own; by hand, as a minimal chroot has no useradd.
add_user() {
    echo "$1:x:1000:1000::/home/$1:/bin/bash" >>"$root/etc/passwd"
    echo "$1:x:1000:" >>"$root/etc/group"
    echo "$1:!:20000:0:99999:7:::" >>"$root/etc/shadow"
    mkdir -p "$root/home/$1"
    cp -a "$root/etc/skel/." "$root/home/$1/" 2>/dev/null || true
    chown -R 1000:1000 "$root/home/$1"
}

hook_test() {
    add_user player
    echo 'player ALL=(ALL) NOPASSWD: ALL' >"$root/etc/sudoers.d/player"
    chmod 0440 "$root/etc/sudoers.d/player"
    git -C "$top" bundle create -q "$root/tmp/zellomar.bundle" HEAD
    as_user player 'git clone -q -c advice.detachedHead=false /tmp/zellomar.bundle zellomar'
    # Through qemu-user a set-user-ID program such as sudo runs without its rights:
    # Debian's qemu-user-static registers with binfmt_misc without credentials, as
    # is safe. There root installs the set-up first, and the player's make deps finds
    # nothing missing.
    if emulated; then
        in_chroot sh /home/player/zellomar/tools/install-deps.sh \
            || { echo "installing the set-up as root failed" >"$root/tmp/failed"; return 0; }
    fi
    # The set-up that make test begins with (make deps) fetches packages; then make test
    # runs without network, in a network namespace of its own: the chroot has a /tmp of
    # its own but would share the host's abstract socket names, where an X display of the
    # host answers a client of the chroot's display of the same number.
    as_user player 'cd zellomar && make deps' || { echo "make deps failed" >"$root/tmp/failed"; return 0; }
    offline runuser -l player -c "cd zellomar && $scale make test" \
        || { echo "make test failed" >"$root/tmp/failed"; }
    cp "$root/home/player/zellomar/build/Testing/Temporary/LastTest.log" "$logs/" 2>/dev/null || true
}

# Runs COMMAND... in the chroot without network, and with processes of its own: the
# tests look for a player's own screen reader, and must not find another user's on
# this machine. This machine's own unshare makes the namespaces: an emulated one
# fails under qemu-user ("sigprocmask unblock failed").
offline() { unshare --net --pid --fork --mount-proc="$root/proc" chroot "$root" "$@"; }

hook_cross() {
    add_user player
    git -C "$top" bundle create -q "$root/tmp/zellomar.bundle" HEAD
    as_user player 'git clone -q -c advice.detachedHead=false /tmp/zellomar.bundle zellomar'
    in_chroot sh /home/player/zellomar/tools/install-deps.sh cross "$arch" \
        || { echo "installing the cross-building packages for $arch failed" >"$root/tmp/failed"; return 0; }
    offline runuser -l player -c "cd zellomar && WERROR=${WERROR:-OFF} sh tools/cross-test.sh $arch build-$arch 2" \
        || { echo "the suite built for $arch failed" >"$root/tmp/failed"; }
    cp "$root/home/player/zellomar/build-$arch/Testing/Temporary/LastTest.log" "$logs/" 2>/dev/null || true
}

hook_package() {
    local source dsc changes
    add_user builder
    mkdir -p "$root/build"
    sh "$top/tools/build-package.sh" "$root/build" 2 --prepare-only >/dev/null
    source=$(cd "$root/build" && echo zellomar-*/)
    chown -R 0:0 "$root/build"
    in_chroot sh -c "cd /build && dpkg-source -b ${source%/}" >/dev/null
    dsc=$(cd "$root/build" && echo zellomar_*.dsc)
    in_chroot env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -q "/build/$dsc" \
        || { echo "apt-get build-dep failed" >"$root/tmp/failed"; return 0; }
    chown -R 1000:1000 "$root/build"
    # The archive's build machines build without network, with two jobs here.
    offline runuser -u builder -- env -i PATH=/usr/bin:/bin HOME=/nonexistent \
        LANG=C.UTF-8 DEB_BUILD_OPTIONS=parallel=2 ${scale:+"$scale"} \
        sh -c "cd /build/$source && dpkg-buildpackage -us -uc" \
        || { echo "dpkg-buildpackage failed" >"$root/tmp/failed"; return 0; }
    changes=$(cd "$root/build" && echo zellomar_*.changes)
    cp "$root/build/"*.deb "$root/build/"*.dsc "$root/build/$changes" "$root/build/"*.buildinfo "$logs/"
    in_chroot env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends lintian >/dev/null
    in_chroot runuser -u builder -- lintian -I --pedantic "/build/$changes" >"$logs/lintian.log" 2>&1 || true
    echo "lintian -I --pedantic $changes:"
    # The package's override files and tools/lintian-release-tags say what may show.
    sh "$top/tools/check-lintian.sh" "$logs/lintian.log" "$release" \
        || echo "lintian finds tags that are not allowed" >"$root/tmp/failed"
    check_install_purge
}

# The files of the machine outside the state that apt, dpkg, man-db's index and logs keep.
list_files() {
    in_chroot find / -xdev \( -path /proc -o -path /sys -o -path /dev -o -path /run -o -path /tmp \
        -o -path /build -o -path /home -o -path /root -o -path /var/lib/dpkg -o -path /var/lib/apt \
        -o -path /var/cache/apt -o -path /var/cache/debconf -o -path /var/cache/man -o -path /var/log \) \
        -prune -o -print | sort
}

check_install_purge() {
    local deb left f
    deb=$(cd "$root/build" && echo zellomar_*.deb)
    list_files >"$root/tmp/before"
    in_chroot env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "/build/$deb" >/dev/null \
        || { echo "installing $deb failed" >"$root/tmp/failed"; return 0; }
    in_chroot test -x /usr/games/zellomar || { echo "$deb installs no /usr/games/zellomar" >"$root/tmp/failed"; return 0; }
    in_chroot apt-get remove -y -q zellomar >/dev/null || { echo "removing zellomar failed" >"$root/tmp/failed"; return 0; }
    # Removed, the package is known to dpkg alone: apt has it from no archive.
    in_chroot dpkg --purge zellomar >/dev/null || { echo "purging zellomar failed" >"$root/tmp/failed"; return 0; }
    list_files >"$root/tmp/after"
    # New files that no installed package (the game's dependencies) owns were left by the game.
    left=""
    while read -r f; do
        in_chroot dpkg -S "$f" >/dev/null 2>&1 || left="$left $f"
    done < <(comm -13 "$root/tmp/before" "$root/tmp/after")
    if [ -n "$left" ]; then
        echo "after purging zellomar these files are left:$left" >"$root/tmp/failed"
    else
        echo "install, remove and purge of $deb: no file left behind"
    fi
}

run_hook() {
    mode=$2 root=$3 logs=$4 release=$5 arch=$6
    # The tests' deadline scale, as a setting for env or a shell, when one is set.
    scale=${ZELLOMAR_TEST_TIME_SCALE:+ZELLOMAR_TEST_TIME_SCALE=$ZELLOMAR_TEST_TIME_SCALE}
    case $mode in test) hook_test ;; package) hook_package ;; cross) hook_cross ;; esac
    if [ -f "$root/tmp/failed" ]; then cp "$root/tmp/failed" "$logs/failed"; fi
    if [ -n "${ZELLOMAR_DEB_CACHE:-}" ]; then cp -n "$root"/var/cache/apt/archives/*.deb "$ZELLOMAR_DEB_CACHE/" 2>/dev/null || true; fi
}

# Ends mmdebstrap and what runs in the chroot, unmounts it and deletes it; run on exit.
# shellcheck disable=SC2317
cleanup() {
    trap - EXIT INT TERM
    if [ -n "${mm_pid:-}" ]; then
        kill -TERM -- "-$mm_pid" 2>/dev/null || true
        wait "$mm_pid" 2>/dev/null || true
        kill -KILL -- "-$mm_pid" 2>/dev/null || true
    fi
    if release_root "$root"; then
        rm -rf --one-file-system "$work"
    else
        say "FAIL: could not unmount everything below $root; left in place"
    fi
}

# --- The run itself. ----------------------------------------------------------------
# The first Debian mirror of this machine's apt sources (deb.debian.org without one).
machine_mirror() {
    # shellcheck disable=SC2016 # apt's own fields, not the shell's
    apt-get indextargets --format '$(REPO_URI) $(LABEL)' 'Created-By: Packages' 2>/dev/null \
        | awk '$2 == "Debian" { print $1; found = 1; exit } END { if (!found) print "http://deb.debian.org/debian" }'
}

# Tells whether this machine runs ARCH's programs only through an emulator (qemu-user).
emulated() { [ "$arch" != "$(dpkg --print-architecture)" ] && ! arch-test -n "$arch" >/dev/null 2>&1; }

# Fails, naming what is missing, unless programs of ARCH run on this machine.
runs_here() {
    command -v arch-test >/dev/null || die "arch-test is missing: tools/install-deps.sh chroot"
    arch-test "$1" >/dev/null 2>&1 && return 0
    if [ ! -e /proc/sys/fs/binfmt_misc/status ]; then
        mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc 2>/dev/null \
            || die "the kernel's binfmt_misc is not mounted and cannot be: mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc"
        update-binfmts --enable >/dev/null 2>&1 || true
        arch-test "$1" >/dev/null 2>&1 && return 0
    fi
    die "$1 programs do not run here: qemu-user-static registers no binfmt_misc entry for $1 (update-binfmts --display)"
}

main() {
    usage="usage: [ARCH=arch] [MIRROR=url] [SNAPSHOT=1] test-on.sh test|package|cross bookworm|trixie|sid [LOGS]"
    mode=${1:-} release=${2:-}
    case $mode in test | package | cross) ;; *) die "$usage" ;; esac
    case $release in bookworm | trixie | sid) ;; *) die "$usage" ;; esac
    [ "$(id -u)" -eq 0 ] || die "mmdebstrap makes the chroot as root: run this as root or through sudo"
    command -v mmdebstrap >/dev/null || die "mmdebstrap is missing: apt-get install mmdebstrap"
    native=$(dpkg --print-architecture)
    arch=${ARCH:-$native}
    [ "$mode" != cross ] || [ "$arch" != "$native" ] || die "cross needs ARCH, an architecture other than $native"
    [ "$arch" = "$native" ] || runs_here "$arch"
    # Where the kernel runs ARCH only through qemu-user, the game and its tests run about
    # ten times slower: every test deadline is scaled, as a slow builder would scale it.
    if [ "$mode" != cross ] && emulated; then
        export ZELLOMAR_TEST_TIME_SCALE="${ZELLOMAR_TEST_TIME_SCALE:-10}"
    fi
    mirror=${MIRROR:-$(machine_mirror)}
    [ -z "$(git -C "$top" status --porcelain --untracked-files=no)" ] \
        || say "warning: uncommitted changes are not tried, only HEAD ($(git -C "$top" rev-parse --short HEAD))"
    name=$release-$arch-$mode
    logs=$(mkdir -p "${3:-$top/build-on}/$name" && cd "${3:-$top/build-on}/$name" && pwd)
    rm -f "$logs/failed" "$logs"/*.deb "$logs"/*.changes "$logs"/lintian.log "$logs"/LastTest.log
    log=$logs/run.log
    work=$(mktemp -d /var/tmp/test-on.XXXXXX)
    root=$work/root
    trap cleanup EXIT
    trap 'say "FAIL: interrupted; the chroot is taken down"; exit 130' INT TERM

    case $mode in
    test) variant=(--variant=apt "--include=git,make,g++,ca-certificates,sudo" "--architectures=$arch") ;;
    package) variant=(--variant=buildd "--architectures=$arch") ;;
    cross) variant=(--variant=apt "--include=git,ca-certificates" "--architectures=$native,$arch") ;;
    esac
    cache=()
    if [ -n "${ZELLOMAR_DEB_CACHE:-}" ]; then
        mkdir -p "$ZELLOMAR_DEB_CACHE"
        cache=(--skip=download/empty --skip=essential/unlink
            --setup-hook="mkdir -p \"\$1\"/var/cache/apt/archives"
            --setup-hook="cp $ZELLOMAR_DEB_CACHE/*.deb \"\$1\"/var/cache/apt/archives/ 2>/dev/null || true")
        export ZELLOMAR_DEB_CACHE
    fi

    [ "${SNAPSHOT:-}" != 1 ] || variant+=(--aptopt='Acquire::Check-Valid-Until "false"')

    say "$mode on $release for $arch from $mirror ($(git -C "$top" rev-parse --short HEAD)); log: $log"
    start=$(date +%s)
    status=0
    # In a session of its own, so that nothing it leaves running outlives the run.
    setsid mmdebstrap "${variant[@]}" "${cache[@]}" \
        --customize-hook="\"$self\" --hook $mode \"\$1\" \"$logs\" $release $arch" \
        "$release" "$root" "$mirror" >"$log" 2>&1 &
    mm_pid=$!
    wait "$mm_pid" || status=$?
    kill -KILL -- "-$mm_pid" 2>/dev/null || true
    mm_pid=""
    seconds=$(($(date +%s) - start))
    release_root "$root" || die "mounts are left below $root"
    summary=$(grep -E 'tests passed, [0-9]+ tests failed out of' "$log" | tail -n1 || true)
    warnings=$(grep -cE '\.(c|cc|cpp|h)(:[0-9]+)+: warning: ' "$log" || true)
    say "$mode on $release for $arch: ${summary:-no test summary} in $((seconds / 60)) min $((seconds % 60)) s; compiler warnings: $warnings"
    if [ -f "$logs/failed" ]; then
        grep -E '^\s*[0-9]+ - .*\((Failed|Timeout|Subprocess)|^FAIL' "$log" | head -n 40 >&2 || true
        die "$mode on $release for $arch: $(cat "$logs/failed") (log: $log)"
    fi
    [ "$status" -eq 0 ] || { tail -n 30 "$log" >&2; die "mmdebstrap ends with status $status (log: $log)"; }
    say "$mode on $release for $arch passes"
}

# All of it is read before anything runs, so that a change to this file while it
# runs does not reach the run.
if [ "${1:-}" = --hook ]; then run_hook "$@"; else main "$@"; fi; exit
