# Set-up, build, play and test in one place. `make run` plays the maze game,
# `make arena` the arena example, `make test` runs the whole suite under the
# sanitizers.
BUILD_DIR ?= build
TEST_DIR ?= build-test
JOBS ?= $(shell nproc)

.PHONY: all deps build run arena test clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTLE_TESTS=OFF
	cmake --build $(BUILD_DIR) -j $(JOBS)
	@ln -sf $(BUILD_DIR)/compile_commands.json compile_commands.json

run: build
	cd $(BUILD_DIR)/game && ./maze

arena: build
	cd $(BUILD_DIR)/arena && ./arena

test: deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DVANTLE_SANITIZE=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	bash scripts/run-tests.sh $(TEST_DIR)

clean:
	rm -rf $(BUILD_DIR) $(TEST_DIR)
