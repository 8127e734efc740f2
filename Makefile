# Set-up, build, play and test in one place. `make run` plays the maze game,
# `make arena` the arena example, `make web` builds the maze's web page into
# build-web/, `make test` runs the whole suite under the sanitizers, then the
# browser test of the web page, then each fuzzer briefly on its seeds;
# `make fuzz` runs the fuzzers for longer; `make bench` the benchmarks.
# `make test` also builds the engine without X11 (Release, no sanitizers)
# and runs the suite on it.
BUILD_DIR ?= build
TEST_DIR ?= build-test
NO_X11_DIR ?= build-test-no-x11
WEB_DIR ?= build-web
BROWSER_DIR ?= build-browser
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 600
FUZZ_TEST_SECONDS ?= 30
JOBS ?= $(shell nproc)

.PHONY: all deps test-deps web-deps build run arena web test bench fuzz-build fuzz clean

all: build

# What building and playing need; the tools of the tests, the page and the
# benchmarks come with their own targets.
deps:
	@bash scripts/install-deps.sh

test-deps:
	@bash scripts/install-deps.sh test

# Emscripten, Chromium, Node.js and playwright-core: only the web page and
# its test need them.
web-deps:
	@VANTLE_BROWSER_TOOLS=$(BROWSER_DIR) bash scripts/install-deps.sh web

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTLE_TESTS=OFF
	cmake --build $(BUILD_DIR) -j $(JOBS)
	@ln -sf $(BUILD_DIR)/compile_commands.json compile_commands.json

run: build
	cd $(BUILD_DIR)/game && ./maze

arena: build
	cd $(BUILD_DIR)/arena && ./arena

web: web-deps
	JOBS=$(JOBS) bash scripts/build-web.sh $(WEB_DIR)

# VANTLE_WEB_TEST=skip-missing lets the browser test be skipped, with a line
# that says so, where its toolchain cannot be had.
test: test-deps
	@VANTLE_BROWSER_TOOLS=$(BROWSER_DIR) bash scripts/install-deps.sh web || \
	  [ "$$VANTLE_WEB_TEST" = skip-missing ]
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DVANTLE_SANITIZE=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	bash scripts/run-tests.sh $(TEST_DIR)
	cmake -S . -B $(NO_X11_DIR) -DCMAKE_BUILD_TYPE=Release -DVANTLE_X11=OFF
	cmake --build $(NO_X11_DIR) -j $(JOBS)
	bash scripts/run-tests.sh $(NO_X11_DIR)
	JOBS=$(JOBS) bash scripts/run-web-test.sh $(WEB_DIR) $(BROWSER_DIR)
	$(MAKE) fuzz-build
	bash scripts/run-fuzz.sh $(FUZZ_DIR) $(FUZZ_TEST_SECONDS) --seeds-only

# The benchmarks, Release, the windowed ones under a private Xvfb, and the
# engine beside libtcod, whose package only the benchmarks install.
bench:
	@bash scripts/install-deps.sh bench
	bash scripts/run-bench.sh

# The fuzzers need clang and a build folder of their own.
fuzz-build: test-deps
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
	  -DVANTLE_FUZZ=ON -DVANTLE_TESTS=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzzers

fuzz: fuzz-build
	bash scripts/run-fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR) $(TEST_DIR) $(NO_X11_DIR) $(WEB_DIR) $(BROWSER_DIR) $(FUZZ_DIR) build-bench
