# Set-up, build, run and test on Debian 12. `make run` and `make test` are all a
# newcomer needs: each installs what is missing first.
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
WERROR     ?= OFF
CMAKE_ARGS ?=

.PHONY: all setup configure build run test format format-check clean

all: build

setup:
	@scripts/install-packages.sh build test
	@scripts/ensure-locale.sh it_IT

configure: setup
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DGAVRENTO_WERROR=$(WERROR) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD)

run: build
	./$(BUILD)/gavrento

test: build
	ctest --test-dir $(BUILD) --output-on-failure

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i

format-check: setup
	git ls-files '*.h' '*.cpp' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD)

# Further targets (packaging, quality, Windows) each in a file of their own.
-include mk/*.mk
