# The two entry points: `make run` starts Quirevo, `make test` builds and passes every suite.
JOBS ?= $(shell nproc)
NATIVE := build/native
SANITIZE := build/sanitize

.PHONY: all deps build build-sanitize test test-native test-sanitize bench run clean

all: build

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(NATIVE) -j$(JOBS)

build-sanitize: deps
	cmake -S . -B $(SANITIZE) -DCMAKE_BUILD_TYPE=Debug -DQUIREVO_SANITIZE=ON -DQUIREVO_BENCHMARKS=OFF
	cmake --build $(SANITIZE) -j$(JOBS)

test-native: build
	ctest --test-dir $(NATIVE) --output-on-failure -j$(JOBS)

test-sanitize: build-sanitize
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(SANITIZE) --output-on-failure -j$(JOBS)

bench: build
	scripts/run-benchmarks $(NATIVE) --benchmark_min_time=0.05

# Further stages (fuzzing, the Windows build under Wine, the office) add themselves in mk/*.mk
# by appending to TEST_STAGES.
TEST_STAGES :=
-include mk/*.mk

test: test-native test-sanitize bench $(TEST_STAGES)

# The program reads its language files from the working directory, where the build puts them.
run: build
	mkdir -p $(NATIVE)/run
	cd $(NATIVE)/run && ../platform/qt/quirevo

clean:
	rm -rf build
