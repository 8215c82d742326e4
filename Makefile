# SPDX-License-Identifier: MIT
# Thin front over CMake. Every target installs what it needs first.
.PHONY: all run test bench assets package format format-check setup clean

BUILD_DEBUG   := build/debug
BUILD_RELEASE := build/release
BUILD_ASSETS  := build/assetgen
CMAKE_GEN     := -G Ninja
JOBS          ?= 2

all: run

setup:
	./scripts/setup

$(BUILD_RELEASE)/trilet: setup
	cmake -S . -B $(BUILD_RELEASE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DTRILET_BUILD_TESTS=OFF
	cmake --build $(BUILD_RELEASE) --target trilet -j $(JOBS)

run: $(BUILD_RELEASE)/trilet
	./$(BUILD_RELEASE)/trilet

test: setup
	cmake -S . -B $(BUILD_DEBUG) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DTRILET_SANITIZE=ON
	cmake --build $(BUILD_DEBUG) -j $(JOBS)
	ctest --test-dir $(BUILD_DEBUG) --output-on-failure

bench: setup
	cmake -S . -B $(BUILD_RELEASE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DTRILET_BUILD_BENCH=ON
	cmake --build $(BUILD_RELEASE) -j $(JOBS)
	./bench/run $(BUILD_RELEASE)

# A Debian package of the Release build: $(BUILD_RELEASE)/trilet_<version>_<arch>.deb
package: setup
	cmake -S . -B $(BUILD_RELEASE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DTRILET_BUILD_TESTS=OFF
	cmake --build $(BUILD_RELEASE) --target package -j $(JOBS)

assets: setup
	cmake -S . -B $(BUILD_ASSETS) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DTRILET_BUILD_ASSETGEN=ON -DTRILET_BUILD_TESTS=OFF
	cmake --build $(BUILD_ASSETS) --target assetgen -j $(JOBS)
	./$(BUILD_ASSETS)/tools/assetgen/assetgen resources

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf build
