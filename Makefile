# Two commands for players and developers: `make run` and `make test`.
BUILD   ?= build
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

ASAN_BUILD ?= build-asan
SANITIZE := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

BENCH_BUILD ?= build-release

PACKAGE_BUILD ?= build-package

.PHONY: run game test test-asan fuzz bench package deps build clean

deps:
	@sh tools/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# The display is checked before anything is built; only the game itself is built.
run:
	@sh tools/check-display.sh
	@$(MAKE) --no-print-directory game
	cd $(BUILD) && ./zellomar

game: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target zellomar

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$(SANITIZE)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)"
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp \
	    UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# Fuzzes the level reader and its number reader, each for FUZZ_SECONDS (make fuzz
# FUZZ_SECONDS=600), seeded with the shipped level and the files in fuzz/seeds; what
# they find lands in $(FUZZ_BUILD)/level_fuzz/findings and $(FUZZ_BUILD)/number_fuzz/findings.
fuzz:
	@sh tools/install-deps.sh fuzz
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DZELLOMAR_FUZZ=ON -DZELLOMAR_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target level_fuzz number_fuzz
	@sh tools/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Builds in Release and prints the benchmark table (see Performance in the README).
bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DZELLOMAR_TESTS=OFF -DZELLOMAR_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@bash tools/bench.sh $(BENCH_BUILD)

# A Debian package (zellomar_<version>_amd64.deb) built with Debian's hardening flags,
# then checked by lintian and played from a scratch root under Xvfb. Only the game and
# the screen reader of the window tests are built, not the whole suite.
HARDENING := DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
package:
	@sh tools/install-deps.sh package
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DZELLOMAR_TESTS=ON \
	    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
	    -DCMAKE_CXX_FLAGS="$$($(HARDENING) CXXFLAGS) $$($(HARDENING) CPPFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$($(HARDENING) LDFLAGS)"
	cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target zellomar zellomar_docs screengrab
	rm -f $(PACKAGE_BUILD)/zellomar_*.deb
	cd $(PACKAGE_BUILD) && cpack -G DEB
	bash tests/window/package.sh $(PACKAGE_BUILD)/zellomar_*_amd64.deb $(PACKAGE_BUILD)/tests/screengrab

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(BENCH_BUILD) $(PACKAGE_BUILD)
