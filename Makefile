# The two commands a new user needs are `make run` and `make test`; the rest are for developers.
BUILD_DIR  ?= build
BUILD_TYPE ?= Release

.PHONY: all deps configure build test run bench clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure

run: build
	@$(BUILD_DIR)/ui/hex-converter

bench: build
	@$(BUILD_DIR)/bench/core_bench

clean:
	@rm -rf $(BUILD_DIR)
