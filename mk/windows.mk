# The Windows program, cross-compiled with mingw-w64 from the same sources, in two builds:
# build-win32/Gavrento.exe (i686, for 32-bit and 64-bit Windows) and build-win64/Gavrento.exe
# (x86_64, for 64-bit Windows). `make test-windows` runs each build's checks with CTest,
# the programs under wine; on a machine that cannot execute 32-bit programs, or with
# GAVRENTO_NO_32BIT=1, the 32-bit program's runs are skipped and the summary says so.
# `make test-windows WIN_SCREENSHOT=docs/screenshot-windows.png` keeps pictures of the
# 64-bit window, which runs on every machine: at 96 dots per inch, and at 144 beside it
# (docs/screenshot-windows-144dpi.png). Each build's test "reproducible" builds its
# Gavrento.exe twice more, in two folders, and compares the two byte for byte.
WIN_PRESETS    := windows-32 windows-64
WIN_SCREENSHOT ?=

.PHONY: windows-setup windows test-windows

windows-setup:
	@scripts/install-windows-packages.sh

windows: windows-setup
	set -e; for preset in $(WIN_PRESETS); do \
	  cmake --preset $$preset -DGAVRENTO_WERROR=$(WERROR); \
	  cmake --build --preset $$preset; \
	done

test-windows: windows
	@GAVRENTO_WINDOWS_SCREENSHOT=$(WIN_SCREENSHOT) scripts/test-windows.sh $(WIN_PRESETS)
