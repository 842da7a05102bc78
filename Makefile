# Thin wrapper over the CMake presets.
PRESET ?= release
JOBS ?= $(shell nproc)

.PHONY: all build run run-cp866 test test-asan test-all-builds clean

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

clean:
	rm -rf build
