# Tarnloft: `make run` starts the editor on a demo image, `make test` runs every test,
# `make install` (PREFIX, DESTDIR) and `make package` (a Debian package) install it.
BUILD      ?= build
PREFIX     ?= /usr/local
JOBS       ?= 2
CMAKE_GEN  := -G Ninja
# ccache, when present, shares compiled objects between build folders and checkouts.
CCACHE     := $(shell command -v ccache 2>/dev/null)
ifneq ($(CCACHE),)
CMAKE_GEN  += -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE)
export CCACHE_BASEDIR := $(CURDIR)
endif

.PHONY: deps configure build run demo test test-core sanitize fuzz monkey bench screenshot install package clean

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

demo: build
	@$(BUILD)/bin/tarnloft_demogen $(BUILD)/demo.smc

run: demo
	@$(BUILD)/bin/tarnloft $(BUILD)/demo.smc

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

install: build
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	@cmake --build $(BUILD) --target package

sanitize: deps
	@cmake -S . -B build-asan $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DTARNLOFT_UI=OFF -DTARNLOFT_SANITIZE=ON >/dev/null
	@cmake --build build-asan -j $(JOBS) --target core_tests tool_tests tarnloft_saveoracle
	@cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

FUZZ_SECONDS ?= 60
fuzz: deps
	@CXX=clang++ cmake -S . -B build-fuzz $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNLOFT_UI=OFF -DTARNLOFT_FUZZ=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@bash scripts/run-fuzzers build-fuzz/bin $(FUZZ_SECONDS)

# The real window under ASan and UBSan, driven by seeded random input under
# Xvfb. SEED replays a run; empty picks a new one and prints it.
MONKEY_SECONDS ?= 60
SEED ?=
monkey: deps
	@cmake -S . -B build-monkey $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNLOFT_SANITIZE=ON >/dev/null
	@cmake --build build-monkey -j $(JOBS) --target tarnloft tarnloft_demogen tarnloft_monkeycheck tarnloft_data
	@bash tests/monkey/run-monkey.sh build-monkey/bin $(MONKEY_SECONDS) $(SEED)

bench: deps
	@cmake -S . -B build-bench $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DTARNLOFT_BENCH=ON >/dev/null
	@cmake --build build-bench -j $(JOBS) --target tarnloft_bench
	@build-bench/bin/tarnloft_bench

screenshot: build
	@bash scripts/screenshot.sh $(BUILD)

clean:
	rm -rf $(BUILD) build-asan build-fuzz build-monkey build-bench
