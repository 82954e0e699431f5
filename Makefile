# Entry points: `make run` builds and starts the application, `make test` builds and runs every test.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
# Release keeps the CI build lean; use BUILD_TYPE=RelWithDebInfo or Debug when debugging.
BUILD_TYPE ?= Release

.PHONY: all deps configure build test run sanitize clean

all: build

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize:
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	$(MAKE) test BUILD=build-asan CMAKE_FLAGS=-DZR40_SANITIZE=ON

run: build
	@scripts/run-app $(BUILD)

clean:
	rm -rf $(BUILD) build-asan build-fuzz

# The Debian package $(BUILD)/zr40cps_<version>_<arch>.deb (programs, desktop entry, icon,
# metainfo, manual pages).
.PHONY: package
package: build
	cd $(BUILD) && cpack -G DEB

# Fuzz targets under clang's libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer, each
# run for FUZZ_SECONDS one after the other; FUZZ_TARGETS="transfer_read channel_csv" picks some.
FUZZ_SECONDS ?= 60
FUZZ_BUILD ?= build-fuzz
FUZZ_TARGETS ?=
.PHONY: fuzz
fuzz:
	@scripts/install-deps clang libclang-rt-14-dev
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DZR40_FUZZ=ON -DZR40_GUI=OFF
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target zr40_fuzz_targets
	scripts/fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)
