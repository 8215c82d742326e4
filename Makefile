# SPDX-License-Identifier: MIT
# Thin front over CMake. Every target first installs what its own purpose needs (scripts/setup).
.PHONY: all run test tsan soak bench assets assets-check package format format-check setup clean
.PHONY: setup-run setup-test setup-bench setup-package setup-assets setup-format

# One build folder per purpose, each configured with only what it needs.
BUILD_DEBUG   := build/debug
BUILD_RELEASE := build/release
BUILD_BENCH   := build/bench
BUILD_ASSETS  := build/assets
BUILD_TSAN    := build/tsan
CMAKE_GEN     := -G Ninja
JOBS          ?= 2

all: run

# make setup installs what every target needs; each target asks only for its own purpose.
setup:
	./scripts/setup run test bench package assets format

setup-run setup-test setup-bench setup-package setup-assets setup-format:
	./scripts/setup $(@:setup-%=%)

# The program and its package: no tests, no benchmarks, no sanitizers.
RELEASE_FLAGS := -DCMAKE_BUILD_TYPE=Release -DTRILET_BUILD_TESTS=OFF -DTRILET_BUILD_BENCH=OFF \
                 -DTRILET_BUILD_ASSETGEN=OFF -DTRILET_SANITIZE=OFF

$(BUILD_RELEASE)/trilet: setup-run
	cmake -S . -B $(BUILD_RELEASE) $(CMAKE_GEN) $(RELEASE_FLAGS)
	cmake --build $(BUILD_RELEASE) --target trilet -j $(JOBS)

run: $(BUILD_RELEASE)/trilet
	./$(BUILD_RELEASE)/trilet

test: setup-test
	cmake -S . -B $(BUILD_DEBUG) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DTRILET_SANITIZE=ON -DTRILET_WERROR=ON
	cmake --build $(BUILD_DEBUG) -j $(JOBS)
	ctest --test-dir $(BUILD_DEBUG) --output-on-failure

# The sound library and its tests under ThreadSanitizer: the connection to the sound server
# runs on a thread of its own.
tsan: setup-test
	cmake -S . -B $(BUILD_TSAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DTRILET_WERROR=ON \
	  -DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread
	cmake --build $(BUILD_TSAN) --target tst_sound -j $(JOBS)
	# The test starts its own sound server: a forked child that only runs exec.
	TSAN_OPTIONS=halt_on_error=1:die_after_fork=0 \
	  ctest --test-dir $(BUILD_TSAN) -R '^tst_sound$$' --output-on-failure

# A long random soak of the real windows; it prints its seed, and TRILET_SOAK_SEED=N replays it.
soak: test
	TRILET_SOAK_SEED=$${TRILET_SOAK_SEED:-random} TRILET_SOAK_EVENTS=$${TRILET_SOAK_EVENTS:-200000} \
	  ctest --test-dir $(BUILD_DEBUG) -R '^tst_soak$$' --timeout 3600 --output-on-failure -V

bench: setup-bench
	cmake -S . -B $(BUILD_BENCH) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DTRILET_BUILD_TESTS=OFF \
	  -DTRILET_BUILD_BENCH=ON -DTRILET_BUILD_ASSETGEN=OFF -DTRILET_SANITIZE=OFF
	cmake --build $(BUILD_BENCH) -j $(JOBS)
	./bench/run $(BUILD_BENCH)

# A Debian package of the Release build, $(BUILD_RELEASE)/trilet_<version>_<arch>.deb, checked
# by lintian (scripts/setup installs it): any error or warning fails the target.
package: setup-package
	cmake -S . -B $(BUILD_RELEASE) $(CMAKE_GEN) $(RELEASE_FLAGS)
	cmake --build $(BUILD_RELEASE) --target package -j $(JOBS)
	lintian --fail-on error,warning $(BUILD_RELEASE)/trilet_*.deb

assets: setup-assets
	cmake -S . -B $(BUILD_ASSETS) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DTRILET_BUILD_ASSETGEN=ON -DTRILET_BUILD_TESTS=OFF
	cmake --build $(BUILD_ASSETS) --target assetgen -j $(JOBS)
	./$(BUILD_ASSETS)/tools/assetgen/assetgen resources

# Regenerates everything in memory and compares it with resources/: layouts exactly, pixels and
# samples within the rounding of other machines.
assets-check: setup-assets
	cmake -S . -B $(BUILD_ASSETS) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DTRILET_BUILD_ASSETGEN=ON -DTRILET_BUILD_TESTS=OFF
	cmake --build $(BUILD_ASSETS) --target assetgen -j $(JOBS)
	./$(BUILD_ASSETS)/tools/assetgen/assetgen --check resources

# C++, CMake, Python and shell (scripts/format says with what).
format: setup-format
	./scripts/format

format-check: setup-format
	./scripts/format --check

clean:
	rm -rf build
