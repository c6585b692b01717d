# The commands of the README. Each installs what it needs first (scripts/install-deps.sh, by
# group), so make run brings only what building and running the game takes.
JOBS ?= $(shell nproc)
BUILD := build
ASAN_BUILD := build-asan
DEPS := bash scripts/install-deps.sh
# The light configuration of make run and make build: the library, the game and the examples,
# without the tests and benchmarks (so without GoogleTest and Google Benchmark). A build folder
# that make test or make bench configured keeps its configuration.
CONFIGURE := [ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release \
  -DZORVA_TESTS=OFF -DZORVA_BENCH=OFF

.PHONY: all deps build tools run test bench fuzz windows web clean

all: build

# Every group at once.
deps:
	@$(DEPS)

# The library, the game and the examples.
build:
	@$(DEPS) run
	@$(CONFIGURE)
	cmake --build $(BUILD) -j $(JOBS)

# The library and the tools for teachers (zorva-run, zorva-diff): what scripts/grade.sh needs.
tools:
	@$(DEPS) run
	@$(CONFIGURE)
	cmake --build $(BUILD) -j $(JOBS) --target zorva-run zorva-diff zorva_entry zorva_package zorva_platform zorva_png

# Only the library and the game, then the game.
run:
	@$(DEPS) run
	@$(CONFIGURE)
	cmake --build $(BUILD) -j $(JOBS) --target zorva_shooter
	./$(BUILD)/shooter

# Every test runs, the short fuzzing run, the Windows comparison and the browser tests
# included; the Release build also builds the benchmarks.
test:
	@$(DEPS) run test bench fuzz windows web
	bash scripts/run-tests.sh

# The benchmarks, with the test suite whose key-latency check is one of the figures.
bench:
	@$(DEPS) run test bench
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DZORVA_TESTS=ON -DZORVA_BENCH=ON >/dev/null
	cmake --build $(BUILD) -j $(JOBS)
	bash scripts/run-bench.sh $(BUILD)

fuzz:
	@$(DEPS) run fuzz
	bash scripts/run-fuzz.sh

windows:
	@$(DEPS) run windows
	bash scripts/build-windows.sh

# The game and every example as one web page each, in build-web/.
web:
	@$(DEPS) web
	bash scripts/build-web.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-web
