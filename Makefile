# make run    installs what is missing, builds, and starts the program
# make test   installs what is missing, builds, and runs every test
# make bench  builds and prints the benchmark figures
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps build run test bench clean

all: build

deps:
	./scripts/install-deps.sh
	./scripts/fetch-sources.sh $(BUILD)/third_party

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $$(nproc)

run: build
	./scripts/run.sh $(BUILD)

test: build
	./tests/harness/run-tests.sh $(BUILD)

bench: build
	./tests/harness/run-bench.sh $(BUILD)

clean:
	rm -rf $(BUILD)
