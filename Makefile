# Tarvex: the two everyday commands.
#   make test   install what is missing, build with sanitizers, run every test
#   make run    install what is missing, build, run the program on the bundled samples
#   make bench  optimised build, run the benchmarks

BUILD       ?= build
BENCH_BUILD ?= build-bench
JOBS        ?= $(shell nproc)

.PHONY: test run bench deps configure build

deps:
	@sh tools/install_deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEX_SANITIZE=ON >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

run: build
	@sh tools/run_samples.sh $(BUILD)

bench: deps
	@cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVEX_SANITIZE=OFF >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS)
	@for b in $(BENCH_BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done
