# Thin wrapper over the CMake presets.
PRESET ?= release
JOBS ?= $(shell nproc)

.PHONY: all build deps run run-cp866 test test-asan test-all-builds clean bench fuzz package lint

all: build

# make run and make build need only a compiler, CMake and make: the parts
# that need more (valvenet-plan, its tests, the benchmarks) are left out
# when their libraries are missing. make test leaves nothing out.
REQUIRE_ALL ?= OFF
build:
	cmake --preset $(PRESET) -DVALVENET_REQUIRE_ALL=$(REQUIRE_ALL) >/dev/null
	cmake --build --preset $(PRESET) -j $(JOBS)

# The packages of the group "test" in .ci/packages: installed when missing
# (as root, or through sudo), else the apt-get line to type, and a stop.
deps:
	bash .ci/install-deps test

run: build
	./build/$(PRESET)/valvenet-utf8

run-cp866: build
	./build/$(PRESET)/valvenet-cp866

test: deps
	$(MAKE) build REQUIRE_ALL=ON
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

# Every fuzz target for FUZZ_SECONDS seconds (clang, libFuzzer, ASan, UBSan);
# fails on any crash, leak, sanitizer report or hang.
FUZZ_SECONDS ?= 60
FUZZ_BUILD ?= build/fuzz
fuzz:
	cmake --preset fuzz -B $(FUZZ_BUILD) >/dev/null
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	FUZZ_SECONDS=$(FUZZ_SECONDS) fuzz/run-fuzzers $(FUZZ_BUILD)

# A .deb of the programs, their manual pages and the page, left in build/$(PRESET)/.
package: deps web
	$(MAKE) build REQUIRE_ALL=ON
	cd build/$(PRESET) && cpack -G DEB

# clang-format over every source, then clang-tidy (.clang-tidy) over every
# source of the build; any finding fails.
LINT_BUILD ?= build/lint
LINT_DIRS = bench|console|fuzz|main|matching|network|parts|plan|printer|pulse|spectrum|tests|text|web
lint:
	git ls-files -co --exclude-standard '*.cpp' '*.hpp' | xargs clang-format --dry-run -Werror
	cmake --preset lint -B $(LINT_BUILD) >/dev/null
	run-clang-tidy -p $(LINT_BUILD) -j $(JOBS) -quiet '^$(CURDIR)/($(LINT_DIRS))/'

# Windows: the .exe files cross-built with mingw-w64 and packed with a README
# in Russian as build/windows/valvenet-<version>-windows-x86_64.zip.
.PHONY: windows test-windows
windows: web
	bash .ci/install-deps windows
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j $(JOBS) --target windows_zip

# The Windows engine and console tests and every reference transcript, run
# under wine; the host's transcript_compare judges the transcripts.
test-windows: windows
	cmake --build --preset windows -j $(JOBS)
	cmake --preset $(PRESET) >/dev/null
	cmake --build --preset $(PRESET) -j $(JOBS) --target transcript_compare
	WINEDEBUG=-all WINEPREFIX=$(CURDIR)/build/windows/wine wineboot -i >/dev/null
	ctest --preset windows
	tests/wine-transcripts build/windows build/$(PRESET)/tests/transcript_compare tests/golden

clean:
	rm -rf build

# The page: valvenet-plan's engine as WebAssembly (Debian's emscripten) in
# build/web/, to open as build/web/index.html. make test does not need it.
.PHONY: web test-web
web:
	bash .ci/install-deps web
	cmake --preset web >/dev/null
	cmake --build --preset web -j $(JOBS)

# The page in headless Chromium against the native valvenet-plan's output,
# with axe-core (from npm, for this test only) checking its accessibility.
AXE = build/node/node_modules/axe-core/axe.min.js
test-web: web $(AXE)
	cmake --preset $(PRESET) >/dev/null
	cmake --build --preset $(PRESET) -j $(JOBS) --target valvenet-plan
	AXE_JS=$(AXE) /usr/bin/python3 tests/web/test_page.py build/web build/$(PRESET)/plan/valvenet-plan

$(AXE):
	npm install --no-save --no-audit --no-fund --prefix build/node axe-core@4
