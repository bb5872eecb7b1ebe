# Quality checks beyond the ordinary tests: fuzzing, sanitizers, benchmarks, clang-tidy.
# Each has a build directory of its own, so none disturbs the main build.

FUZZ_SECONDS ?= 60

.PHONY: fuzz fuzz-build test-sanitize bench tidy

fuzz-build:
	@scripts/install-packages.sh build fuzz
	cmake --preset fuzz -DGAVRENTO_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build --preset fuzz

# Each fuzz target is a test of the fuzz build, running FUZZ_SECONDS from its seeds.
fuzz: fuzz-build
	ctest --preset fuzz

# The whole test suite with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer (CMakePresets.json: configure, build and test preset "sanitize").
test-sanitize:
	@scripts/install-packages.sh build test
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

# Benchmarks in a Release build of their own; prints one table (see docs/benchmarks.md).
bench:
	@scripts/install-packages.sh build test fuzz
	cmake --preset release
	cmake --build --preset release --target bench_startup_probe bench_bare_window \
	  bench_measure_startup bench_click bench_format
	bench/run.sh build-bench

# clang-tidy (.clang-tidy) on the program's own sources, every warning an error: what the
# main build compiles, with its compile commands, and the Win32 runtime, with the 64-bit
# Windows build's (scripts/tidy.sh).
tidy: configure windows-setup
	@scripts/install-packages.sh fuzz
	cmake --preset windows-64 -DGAVRENTO_WERROR=$(WERROR) >/dev/null
	scripts/tidy.sh $(BUILD) build-win64
