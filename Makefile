# The entry points: `make run` starts Quirevo, `make test` builds and passes every suite,
# `make package` (mk/package.mk) makes the packages for Linux and Windows.
JOBS ?= $(shell nproc)
NATIVE := build/native
SANITIZE := build/sanitize
# The program alone, without tests or benchmarks: what `make run` starts and the Debian package
# holds. A folder of its own, so that it and the test builds never reconfigure each other.
PROGRAM := build/program

.PHONY: all deps deps-run deps-package build build-sanitize program test test-native \
  test-sanitize bench run clean

all: build

# The packages of each set (scripts/packages/README): run, then package, then everything.
deps-run:
	scripts/install-deps run

deps-package:
	scripts/install-deps package

deps:
	scripts/install-deps test

build: deps
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUIREVO_OFFICE_TESTS=ON
	cmake --build $(NATIVE) -j$(JOBS)

build-sanitize: deps
	cmake -S . -B $(SANITIZE) -DCMAKE_BUILD_TYPE=Debug -DQUIREVO_SANITIZE=ON -DQUIREVO_BENCHMARKS=OFF \
	  -DQUIREVO_OFFICE_TESTS=ON
	cmake --build $(SANITIZE) -j$(JOBS)

# The tests against the real office run in a stage of their own (mk/libreoffice.mk), one at a time.
test-native: build
	ctest --test-dir $(NATIVE) --no-tests=error --output-on-failure -j$(JOBS) -LE office

test-sanitize: build-sanitize
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(SANITIZE) --no-tests=error --output-on-failure -j$(JOBS) -LE office

bench: build
	scripts/run-benchmarks $(NATIVE) --benchmark_min_time=0.05

# Further stages (fuzzing, the Windows build under Wine, the office) add themselves in mk/*.mk
# by appending to TEST_STAGES.
TEST_STAGES :=
-include mk/*.mk

test: test-native test-sanitize bench $(TEST_STAGES)

program: deps-run
	cmake -S . -B $(PROGRAM) -DCMAKE_BUILD_TYPE=Release -DQUIREVO_TESTS=OFF -DQUIREVO_BENCHMARKS=OFF
	cmake --build $(PROGRAM) -j$(JOBS)

# Starts the program in the folder of its language files, on the machine's default printer or,
# when there is none, on a private PDF printer writing to prints/.
run: program
	scripts/run-quirevo $(PROGRAM)

clean:
	rm -rf build
