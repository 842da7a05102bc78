# Thin wrapper over the CMake presets.
PRESET ?= release
JOBS ?= $(shell nproc)

.PHONY: all build run run-cp866 test test-asan test-all-builds clean bench

all: build

build:
	cmake --preset $(PRESET) >/dev/null
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	./build/$(PRESET)/valvenet-utf8

run-cp866: build
	./build/$(PRESET)/valvenet-cp866

test: build
	ctest --preset $(PRESET) -j $(JOBS)

test-asan:
	$(MAKE) test PRESET=asan

# The same bytes must come out of every optimisation level.
test-all-builds:
	$(MAKE) test PRESET=debug
	$(MAKE) test PRESET=release
	$(MAKE) test PRESET=native

# Timings of the stage calculation and its pieces: medians of five runs.
BENCH_ARGS ?= --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
bench:
	cmake --preset $(PRESET) >/dev/null
	cmake --build --preset $(PRESET) -j $(JOBS) --target valvenet_bench
	./build/$(PRESET)/bench/valvenet_bench $(BENCH_ARGS)

clean:
	rm -rf build
