# Set-up, build, run and test on Debian 12. `make run` and `make test` are all a
# newcomer needs: each installs what is missing first.
# Every build is a CMake preset (CMakePresets.json); this one is "default", in build/.
BUILD      := build
WERROR     ?= OFF
CMAKE_ARGS ?=
# Whether the build includes the tests; `make` and `make run` leave them out.
TESTS      ?= ON
all run: TESTS = OFF

.PHONY: all setup configure build run test format format-check clean

all: build

setup:
	@scripts/install-packages.sh build $(if $(filter ON,$(TESTS)),test)
	@scripts/ensure-locale.sh it_IT

configure: setup
	cmake --preset default -DGAVRENTO_WERROR=$(WERROR) -DBUILD_TESTING=$(TESTS) $(CMAKE_ARGS)

build: configure
	cmake --build --preset default

run: build
	./$(BUILD)/gavrento

test: build
	ctest --preset default

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i

format-check: setup
	git ls-files '*.h' '*.cpp' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD)

# Further targets (packaging, quality, Windows) each in a file of their own.
-include mk/*.mk
