# The two commands of the README, plus benchmarks. Each installs what is missing first.
JOBS ?= $(shell nproc)
BUILD := build
ASAN_BUILD := build-asan

.PHONY: all deps build run test bench fuzz windows web clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/shooter

test: deps
	@bash scripts/install-deps.sh web
	bash scripts/run-tests.sh

bench: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)
	bash scripts/run-bench.sh $(BUILD)

fuzz: deps
	bash scripts/run-fuzz.sh

windows: deps
	bash scripts/build-windows.sh

web: deps
	@bash scripts/install-deps.sh web
	bash scripts/build-web.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-web
