# Tarvex: the two everyday commands.
#   make test   install what is missing, build with sanitizers, and the seeded runs of the
#               whole program optimised (in build-run/, beside the program `make run` builds),
#               run every test and a short seeded run of every fuzz target
#   make run    install what is missing, build the program, its engine harness, the
#               sample products and the technical manual (optimised, no sanitizers, in build-run/), open the program
#               on the X display (DISPLAY set), or without one run it headless on the
#               bundled samples
#   make bench  optimised build, run the benchmarks
#   make fuzz        build the libFuzzer targets of fuzz/ with clang in build-fuzz/
#   make fuzz-smoke  replay every target's seeds, then a short seeded run of each
#   make fuzz-long FUZZ_SECONDS=N   every target fuzzes N seconds side by side

BUILD       ?= build
RUN_BUILD   ?= build-run
BENCH_BUILD ?= build-bench
FUZZ_BUILD  ?= build-fuzz
FUZZ_SECONDS ?= 600
JOBS        ?= $(shell nproc)

.PHONY: test run run-configure run-build seeded-build bench deps configure build fuzz fuzz-smoke fuzz-long

# What `make run` runs, and all it builds.
RUN_TARGETS = tarvex tarvex-engine sample_products manual

deps:
	@sh tools/install_deps.sh

# The sanitizer build runs the seeded runs from the optimised tree of `make run`.
configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEX_SANITIZE=ON \
	  -DTARVEX_SEEDED_RUNS_BUILD=$(abspath $(RUN_BUILD)) >/dev/null

build: configure seeded-build
	@cmake --build $(BUILD) -j $(JOBS)

# The seeded runs' test binary, optimised, and what it drives (the program, its sample
# products and manual): only these targets of the optimised tree.
seeded-build: run-configure
	@cmake --build $(RUN_BUILD) -j $(JOBS) --target test_app_seeded

test: build
	@cd $(BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory fuzz-smoke

run-configure: deps
	@cmake -S . -B $(RUN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVEX_SANITIZE=OFF >/dev/null

run-build: run-configure
	@cmake --build $(RUN_BUILD) -j $(JOBS) --target $(RUN_TARGETS)

run: run-build
	@sh tools/run_samples.sh $(RUN_BUILD)

bench: deps
	@cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVEX_SANITIZE=OFF >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS)
	@for b in $(BENCH_BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEX_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
	@cmake --build $(FUZZ_BUILD) --target fuzz_all -j $(JOBS)

fuzz-smoke: fuzz
	@bash tools/fuzz_run.sh smoke $(FUZZ_BUILD)

fuzz-long: fuzz
	@bash tools/fuzz_run.sh long $(FUZZ_BUILD) $(FUZZ_SECONDS)
