# The two entry points: `make run` starts Quirevo, `make test` builds and passes every suite.
JOBS ?= $(shell nproc)
NATIVE := build/native
SANITIZE := build/sanitize

.PHONY: all deps build build-sanitize test test-native test-sanitize bench run clean

all: build

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUIREVO_OFFICE_TESTS=ON
	cmake --build $(NATIVE) -j$(JOBS)

build-sanitize: deps
	cmake -S . -B $(SANITIZE) -DCMAKE_BUILD_TYPE=Debug -DQUIREVO_SANITIZE=ON -DQUIREVO_BENCHMARKS=OFF \
	  -DQUIREVO_OFFICE_TESTS=ON
	cmake --build $(SANITIZE) -j$(JOBS)

# The tests against the real office run in a stage of their own (mk/libreoffice.mk), one at a time.
test-native: build
	ctest --test-dir $(NATIVE) --output-on-failure -j$(JOBS) -LE office

test-sanitize: build-sanitize
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(SANITIZE) --output-on-failure -j$(JOBS) -LE office

bench: build
	scripts/run-benchmarks $(NATIVE) --benchmark_min_time=0.05

# Further stages (fuzzing, the Windows build under Wine, the office) add themselves in mk/*.mk
# by appending to TEST_STAGES.
TEST_STAGES :=
-include mk/*.mk

test: test-native test-sanitize bench $(TEST_STAGES)

# Starts the program in the folder of its language files, on the machine's default printer or,
# when there is none, on a private PDF printer writing to prints/.
run: build
	scripts/run-quirevo $(NATIVE)

clean:
	rm -rf build
