# Orbweave: the three commands of the README.
#   make run    installs what is missing, builds, starts the screen saver (ARGS=/C for the dialog)
#   make test   installs what is missing, builds with sanitizers, runs every suite
#   make bench  release build and benchmarks, printing ratios measured in one run
#   make fuzz   clang build of the fuzz targets, each run for FUZZ_SECONDS (skipped without clang)

JOBS      ?= $(shell nproc)
ARGS      ?= /S
TEST_DIR  := build/test
REL_DIR   := build/release
FUZZ_DIR  := build/fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps run test bench fuzz build-test build-release clean

all: build-release

deps:
	@bash scripts/install-deps.sh

build-release: deps
	@cmake -S . -B $(REL_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DORBWEAVE_BENCH=ON -DORBWEAVE_TESTS=OFF >/dev/null
	@cmake --build $(REL_DIR) -j $(JOBS)

build-test: deps
	@cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBWEAVE_SANITIZE=ON >/dev/null
	@cmake --build $(TEST_DIR) -j $(JOBS)

run: build-release
	$(REL_DIR)/bin/orbweave $(ARGS)

test: build-test
	@cd $(TEST_DIR) && ctest --output-on-failure -j $(JOBS) --timeout 600

bench: build-release
	@bash bench/run.sh $(REL_DIR)/bin

fuzz: deps
	@if ! command -v clang++ >/dev/null 2>&1; then echo "make fuzz: clang++ is not installed, nothing fuzzed"; exit 0; fi; \
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DORBWEAVE_SANITIZE=ON -DORBWEAVE_FUZZ=ON -DORBWEAVE_TESTS=OFF >/dev/null && \
	cmake --build $(FUZZ_DIR) -j $(JOBS) && \
	bash tests/fuzz/run.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

clean:
	rm -rf build
