# Thin wrapper over CMake. `make run` and `make test` install what is missing first.
BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_FUZZ ?= build-fuzz
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 60
EXAMPLE_RACE ?= examples/cub-scout-derby.vsr

.PHONY: deps configure build run run-heatsmith test test-asan bench fuzz format clean

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run-velmora $(BUILD) $(EXAMPLE_RACE)

run-heatsmith: build
	@$(BUILD)/heatsmith/heatsmith

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	@cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON \
	  -DVELMORA_WITH_GUI=OFF -DVELMORA_WITH_BENCH=OFF >/dev/null
	@cmake --build $(BUILD_ASAN) -j $(JOBS)
	@cd $(BUILD_ASAN) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

bench: configure
	@cmake --build $(BUILD) -j $(JOBS) --target velmora_bench
	@$(BUILD)/bench/velmora_bench

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVELMORA_WITH_FUZZ=ON -DVELMORA_WITH_GUI=OFF -DVELMORA_WITH_BENCH=OFF >/dev/null
	@cmake --build $(BUILD_FUZZ) -j $(JOBS) --target fuzz_all
	@bash scripts/run-fuzz $(BUILD_FUZZ) $(FUZZ_SECONDS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ)
