# Thin front door over CMake + Ninja.
#   make            build everything (Release) and run the demo
#   make test       build and run the whole test suite (every kernel variant)
#   make sanitize   the test suite under AddressSanitizer + UndefinedBehaviorSanitizer
#   make tsan       FFT objects shared by several threads, under ThreadSanitizer
#   make fuzz       random contract fuzzing of every export under the sanitizers
#                   for FUZZ_SECONDS (300); FUZZ_ARGS=--run-known also runs the known faults
#   make bench      build and run the benchmarks (the threaded paths under load last)
#   make install PREFIX=/opt/vdxs
BUILD ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
PREFIX ?= /usr/local
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 300
FUZZ_ARGS ?=

.PHONY: all deps configure build demo test sanitize tsan fuzz bench install clean

all: demo

deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release

configure: $(BUILD)/build.ninja

build: configure
	ninja -C $(BUILD) -j $(JOBS)

demo: build
	$(BUILD)/vdxs_demo

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVDXS_SANITIZE=ON -DVDXS_BUILD_BENCH=OFF

sanitize: $(ASAN_BUILD)/build.ninja
	ninja -C $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

fuzz: $(ASAN_BUILD)/build.ninja
	ninja -C $(ASAN_BUILD) -j $(JOBS) contract_fuzz
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 $(ASAN_BUILD)/tests/contract_fuzz \
	  --seconds $(FUZZ_SECONDS) --jobs $(JOBS) --expect tests/fuzz/expectations.txt $(FUZZ_ARGS)

# The library's helper threads and FFT objects shared by several threads,
# under ThreadSanitizer.
tsan: | deps
	cmake -S . -B $(TSAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVDXS_BUILD_BENCH=OFF \
	  -DCMAKE_C_FLAGS=-fsanitize=thread -DCMAKE_CXX_FLAGS=-fsanitize=thread \
	  -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread -DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=thread
	ninja -C $(TSAN_BUILD) -j $(JOBS) fft_test core_internal_test sort_test fir_test firmr_test iir_test median_test corr_test
	TSAN_OPTIONS=halt_on_error=1 $(TSAN_BUILD)/tests/core_internal_test --gtest_brief=1 \
	  --gtest_filter='*ThreadCount*:Parallel.Teams*'
	TSAN_OPTIONS=halt_on_error=1 $(TSAN_BUILD)/tests/sort_test --gtest_brief=1
	TSAN_OPTIONS=halt_on_error=1 $(TSAN_BUILD)/tests/fft_test --gtest_brief=1 --gtest_filter='*EveryPath*:*Thread*'
	TSAN_OPTIONS=halt_on_error=1 $(TSAN_BUILD)/tests/fir_test --gtest_brief=1 --gtest_filter='*ThreadCount*'
	TSAN_OPTIONS=halt_on_error=1 $(TSAN_BUILD)/tests/firmr_test --gtest_brief=1 --gtest_filter='*ThreadCount*'
	TSAN_OPTIONS=halt_on_error=1 $(TSAN_BUILD)/tests/iir_test --gtest_brief=1 --gtest_filter='*ChannelThreads*'
	TSAN_OPTIONS=halt_on_error=1 $(TSAN_BUILD)/tests/median_test --gtest_brief=1 --gtest_filter='*ThreadCount*'
	TSAN_OPTIONS=halt_on_error=1 $(TSAN_BUILD)/tests/corr_test --gtest_brief=1 --gtest_filter='*ManyThreads*'

bench: build
	@scripts/install-deps.sh --peers || echo "benchmark peers not installed; comparing against plain code only"
	cmake $(BUILD) > /dev/null
	ninja -C $(BUILD) -j $(JOBS) bench_all
	@for b in $(BUILD)/bench/*_bench; do [ -x $$b ] || continue; echo "== $$b"; $$b --benchmark_min_time=0.2 || exit 1; done
	@echo "== $(BUILD)/bench/thread_load"; $(BUILD)/bench/thread_load 0.8

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD)
