# The 32-bit Windows program, cross-compiled with mingw-w64, and its tests under wine.
# `make windows` writes build-win32/Gavrento.exe; `make test-windows` also runs it.
# `make test-windows WIN_SCREENSHOT=docs/screenshot-windows.png` keeps a picture of it.
WIN_BUILD      ?= build-win32
WIN_SCREENSHOT ?=
WIN_CHECKER    := $(WIN_BUILD)/host/check_resources
WIN_HOST_FLAGS := -std=c++20 -O1 -Wall -Wextra -Wpedantic $(if $(filter ON,$(WERROR)),-Werror)

.PHONY: windows-setup windows test-windows

windows-setup:
	@scripts/install-windows-packages.sh

windows: windows-setup
	cmake -S . -B $(WIN_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw32.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DGAVRENTO_QT=OFF -DGAVRENTO_WERROR=$(WERROR)
	cmake --build $(WIN_BUILD)

# The resource checker runs on this machine, so it is built with its compiler.
test-windows: windows
	mkdir -p $(dir $(WIN_CHECKER))
	c++ $(WIN_HOST_FLAGS) tests/windows/check_resources.cpp -o $(WIN_CHECKER)
	tests/windows/run-tests.sh $(WIN_BUILD) $(WIN_CHECKER) $(WIN_SCREENSHOT)
