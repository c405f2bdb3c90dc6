# Orbweave: the three commands of the README.
#   make run    installs what is missing, builds, starts the screen saver (ARGS=/C for the dialog)
#   make test   installs what is missing, builds with sanitizers, runs every suite
#   make bench  release build and benchmarks, printing ratios measured in one run

JOBS      ?= $(shell nproc)
ARGS      ?= /S
TEST_DIR  := build/test
REL_DIR   := build/release

.PHONY: all deps run test bench build-test build-release clean

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

clean:
	rm -rf build
