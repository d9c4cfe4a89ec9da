# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=
# WERROR=ON turns warnings into errors (CI builds so).
WERROR ?= OFF

.PHONY: deps configure build run test unit-tests fuzz test-sanitize clean

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWERROR=$(WERROR) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./scripts/run.sh $(BUILD)/bin/VideoConverter

test: unit-tests fuzz

unit-tests: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# A short run of every parser fuzz target over the corpus kept in tests/fuzz/corpus.
fuzz: deps
	./scripts/run-fuzz.sh $(BUILD)-fuzz

# Same tests under AddressSanitizer and UndefinedBehaviorSanitizer. A small quarantine: memory the
# sanitizer holds back after it is freed would otherwise read as growth in the memory-bound tests.
test-sanitize:
	ASAN_OPTIONS=detect_leaks=0:quarantine_size_mb=16 $(MAKE) unit-tests BUILD=build-asan CMAKE_FLAGS="-DSANITIZE=ON"

clean:
	rm -rf $(BUILD) build-asan $(BUILD)-fuzz
