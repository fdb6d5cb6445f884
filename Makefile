# Front door of the build. Every target installs what is missing first,
# then configures and builds with CMake.

JOBS      ?= $(shell nproc)
BUILD     ?= build
ASAN      ?= build-asan
CMAKE_GEN  = cmake -S . -DCMAKE_BUILD_TYPE=Release

.PHONY: all deps build demo test test-normal test-asan bench install clean

all: build

deps:
	@scripts/install-deps

build: deps
	$(CMAKE_GEN) -B $(BUILD)
	cmake --build $(BUILD) -j $(JOBS)

demo: build
	$(BUILD)/veltrane-demo

test: test-normal test-asan

test-normal: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: deps
	$(CMAKE_GEN) -B $(ASAN) -DVELTRANE_SANITIZE=address,undefined -DVELTRANE_BENCHMARKS=OFF
	cmake --build $(ASAN) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		ctest --test-dir $(ASAN) --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/veltrane-bench --benchmark_counters_tabular=true

clean:
	rm -rf $(BUILD) $(ASAN)
