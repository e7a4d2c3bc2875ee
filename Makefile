# Two commands for players and developers: `make run` and `make test`.
BUILD   ?= build
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
# WERROR=ON makes every compiler warning an error (CI sets it).
WERROR ?= OFF
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
override CMAKE_FLAGS += -DZELLOMAR_WERROR=$(WERROR)

ASAN_BUILD ?= build-asan
SANITIZE := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
ASAN_FLAGS = -DCMAKE_BUILD_TYPE=Debug -DZELLOMAR_WERROR=$(WERROR) -DCMAKE_CXX_FLAGS="$(SANITIZE)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)"

FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_FLAGS = -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELLOMAR_WERROR=$(WERROR) \
    -DZELLOMAR_FUZZ=ON -DZELLOMAR_TESTS=OFF

BENCH_BUILD ?= build-release
BENCH_FLAGS = -DCMAKE_BUILD_TYPE=Release -DZELLOMAR_WERROR=$(WERROR) -DZELLOMAR_TESTS=OFF -DZELLOMAR_BENCH=ON

PACKAGE_BUILD ?= build-package
REPRO_BUILD ?= build-reprotest

.PHONY: run game test test-asan fuzz bench dist package reprotest test-on package-on test-cross deps configure build clean

deps:
	@sh tools/install-deps.sh

# $(call configure,FOLDER,ARGUMENTS) configures the build folder FOLDER with cmake's
# ARGUMENTS, which FOLDER/configure-args keeps. A folder configured with other
# arguments (WERROR, CMAKE_FLAGS, the build type) is configured afresh, its cache
# made from these arguments alone; one configured with the same is left as it is.
quote = '$(subst ','\'',$(strip $(1)))'
define configure
	@if [ ! -f $(1)/CMakeCache.txt ] || [ "$$(cat $(1)/configure-args 2>/dev/null)" != $(call quote,$(2)) ]; then \
	    fresh=$$([ -f $(1)/CMakeCache.txt ] && echo --fresh); rm -f $(1)/configure-args; \
	    printf 'cmake %s-S . -B %s %s\n' "$${fresh:+$$fresh }" $(1) $(call quote,$(2)); \
	    cmake $$fresh -S . -B $(1) $(2) && printf '%s\n' $(call quote,$(2)) >$(1)/configure-args; \
	fi
endef

# Configures $(BUILD) (make -o deps configure leaves out the set-up).
configure: deps
	$(call configure,$(BUILD),$(CMAKE_FLAGS))

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The display is checked before anything is built; only the game itself is built.
run:
	@sh tools/check-display.sh
	@$(MAKE) --no-print-directory game
	cd $(BUILD) && ./zellomar

game: configure
	cmake --build $(BUILD) -j $(JOBS) --target zellomar

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	$(call configure,$(ASAN_BUILD),$(ASAN_FLAGS))
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp \
	    UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# Fuzzes the level reader and its number reader, each for FUZZ_SECONDS (make fuzz
# FUZZ_SECONDS=600), seeded with the shipped level and the files in fuzz/seeds; what
# they find lands in $(FUZZ_BUILD)/level_fuzz/findings and $(FUZZ_BUILD)/number_fuzz/findings.
fuzz:
	@sh tools/install-deps.sh fuzz
	$(call configure,$(FUZZ_BUILD),$(FUZZ_FLAGS))
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target level_fuzz number_fuzz
	@sh tools/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Builds in Release and prints the benchmark table (see PERFORMANCE.md).
bench: deps
	$(call configure,$(BENCH_BUILD),$(BENCH_FLAGS))
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@bash tools/bench.sh $(BENCH_BUILD)

# The release tarball zellomar-<version>.tar.gz of the committed tree (HEAD), in this folder.
dist:
	@sh tools/dist.sh .

# The Debian source package and its binary packages, built in $(PACKAGE_BUILD) from the
# release tarball with dpkg-buildpackage (the whole test suite runs under dh_auto_test),
# then lintian on the upload and the autopkgtest on this machine.
package:
	@sh tools/install-deps.sh package
	sh tools/build-package.sh $(PACKAGE_BUILD) $(JOBS)
	bash tools/check-package.sh $(PACKAGE_BUILD)

# A second build of the same source in another folder, later, under another umask,
# time zone and locale, with fresh file times: its .deb files must match make package's.
reprotest:
	bash tools/reprotest.sh $(PACKAGE_BUILD) $(REPRO_BUILD) $(JOBS)

# `make test` as a new user runs it, and the source package built as the archive's
# build machines build it, each in a fresh minimal chroot of a Debian release
# (RELEASE=bookworm, trixie or sid) made with mmdebstrap; logs in build-on/. Needs root.
# ARCH=s390x (arm64, armhf, i386, riscv64...) makes a chroot of that architecture, run
# through qemu-user. The mirror is the machine's own, or MIRROR=url; SNAPSHOT=1 takes
# a snapshot mirror's index past its date. make test-cross ARCH=s390x builds for ARCH
# with the cross compiler and runs the suite with the game's programs under qemu-user.
RELEASE ?= trixie
ARCH ?=
MIRROR ?=
SNAPSHOT ?=
ON := ARCH=$(ARCH) MIRROR=$(MIRROR) SNAPSHOT=$(SNAPSHOT) WERROR=$(WERROR)
test-on:
	@sh tools/install-deps.sh chroot
	$(ON) bash tools/test-on.sh test $(RELEASE)

package-on:
	@sh tools/install-deps.sh chroot
	$(ON) bash tools/test-on.sh package $(RELEASE)

test-cross:
	@sh tools/install-deps.sh chroot
	$(ON) bash tools/test-on.sh cross $(RELEASE)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(BENCH_BUILD) $(PACKAGE_BUILD) $(REPRO_BUILD) zellomar-*.tar.gz
