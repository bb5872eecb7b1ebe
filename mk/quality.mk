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

# clang-tidy (.clang-tidy) on the program's own sources, with the main build's compile
# commands; every warning is an error. Only what this build compiles is checked: the
# Win32 runtime is not in it.
TIDY_SOURCES := $(CURDIR)/(calc|runtime|window)/
tidy: configure
	@scripts/install-packages.sh fuzz
	@echo "clang-tidy on $$(grep -cE '"file": "$(TIDY_SOURCES)' $(BUILD)/compile_commands.json) files"
	@run-clang-tidy-14 -p $(BUILD) -quiet '^$(TIDY_SOURCES)' > $(BUILD)/clang-tidy.log 2>&1; \
	status=$$?; sed 's/\x1b\[[0-9;]*m//g' $(BUILD)/clang-tidy.log | grep -E 'warning:|error:' | sort -u; \
	exit $$status
