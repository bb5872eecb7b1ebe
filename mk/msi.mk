# The Windows Installer packages: `make msi` writes build-win32/Gavrento-<version>-x86.msi and
# build-win64/Gavrento-<version>-x64.msi, each the program of its build packed by wixl from
# packaging/windows/gavrento.wxs.in (docs/windows.md). Every Windows build makes its package
# too; this builds only the programs and the packages.
.PHONY: msi

msi: windows-setup
	set -e; for preset in $(WIN_PRESETS); do \
	  cmake --preset $$preset -DGAVRENTO_WERROR=$(WERROR); \
	  cmake --build --preset $$preset --target msi; \
	done
