# Set-up, build, run and test on Debian 12. `make run` and `make test` are all a newcomer
# needs: each installs what is missing first (scripts/install-packages.sh GROUP...).
# Every target runs CMake workflows (CMakePresets.json: configure, build, then test or
# package); the presets take WERROR and FUZZ_SECONDS from the environment.
export WERROR       ?= OFF
export FUZZ_SECONDS ?= 60
install = @scripts/install-packages.sh

.PHONY: all build run test format format-check clean package package-check test-sanitize \
  fuzz bench tidy windows msi test-windows web web-run test-web bench-web release release-check

# The program alone, in build/ (`make` and `make run` leave the tests out).
all build:
	$(install) build
	cmake --workflow --preset program

run: all
	./build/gavrento

# The program and every test, in build/ (`ctest --preset default`).
test:
	$(install) build test
	cmake --workflow --preset default

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i

format-check:
	$(install) test
	git ls-files '*.h' '*.cpp' | xargs clang-format --dry-run --Werror

clean:
	rm -rf build

# The Debian package, build/gavrento_<version>_<arch>.deb; and its tests (label package, as
# root): linted, installed, started and removed, and built twice from the commit to the
# same bytes.
package:
	$(install) build package
	cmake --workflow --preset package

package-check:
	$(install) build test package
	cmake --workflow --preset package-check

# Quality checks beyond the ordinary tests, each in a build folder of its own: the suite
# under the sanitizers; each fuzz target for FUZZ_SECONDS from its seeds; the benchmarks in
# a Release build, printed as one table (docs/benchmarks.md).
test-sanitize:
	$(install) build test
	cmake --workflow --preset sanitize

fuzz:
	$(install) build fuzz
	cmake --workflow --preset fuzz

bench: bench-web
	$(install) build test fuzz
	cmake --workflow --preset bench
	bench/run.sh build-bench

# clang-tidy (.clang-tidy) on the program's own sources, every warning an error: what the
# Linux build compiles, with its compile commands, and the Win32 runtime, with the 64-bit
# Windows build's (scripts/tidy.sh). Both builds need only be configured.
tidy:
	$(install) build test fuzz windows
	cmake --preset default >/dev/null
	cmake --preset windows-64 >/dev/null
	scripts/tidy.sh build build-win64

# The Windows programs and their installers, cross-compiled with mingw-w64 (docs/windows.md):
# build-win32/ (i686, for any Windows) and build-win64/ (x86_64), each with Gavrento.exe and
# Gavrento-<version>-x86.msi or -x64.msi. `make test-windows` builds each whole and runs its
# checks, the programs under wine; on a machine that cannot execute 32-bit programs, or with
# GAVRENTO_NO_32BIT=1, the 32-bit program's runs are skipped and the summary says so.
# `make test-windows WIN_SCREENSHOT=docs/screenshot-windows.png` keeps pictures of the
# 64-bit window at 96 dots per inch, and at 144 beside it (docs/screenshot-windows-144dpi.png).
WIN_SCREENSHOT ?=

windows msi:
	$(install) windows
	cmake --workflow --preset installer-32
	cmake --workflow --preset installer-64

test-windows:
	$(install) windows
	@GAVRENTO_WINDOWS_SCREENSHOT=$(WIN_SCREENSHOT) scripts/test-windows.sh windows-32 windows-64

# Gavrento in the browser (docs/web.md): `make web` builds the static site into
# build-web/site/ with Debian's emscripten; `make web-run` serves it on 127.0.0.1 with
# Debian's nginx, configured as a host would be (packaging/web/), and prints its address;
# `make test-web` runs the web build's checks (ctest --preset web), the page in Debian's
# Chromium through Playwright, and `make test-web WEB_SCREENSHOTS=docs` keeps pictures of
# it. `make bench-web` sets the page beside a bare page with the same controls
# (bench/web_bench.js); `make bench` runs it too.
WEB_PORT        ?= 8080
WEB_SCREENSHOTS ?=

web:
	$(install) web
	cmake --workflow --preset site

web-run: web
	@echo "Ctrl+C ends the server."
	packaging/web/serve.py build-web/site build-web/nginx --port $(WEB_PORT)

test-web:
	$(install) web
	GAVRENTO_WEB_SCREENSHOTS=$(abspath $(WEB_SCREENSHOTS)) cmake --workflow --preset web

bench-web: web
	PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --prefix tests/web >/dev/null
	GAVRENTO_SITE=$(abspath build-web/site) GAVRENTO_FACTS=$(abspath build-web/facts.json) \
	  PWTEST_CACHE_DIR=$(abspath build-web/playwright-cache) TMPDIR=$(abspath build-web) \
	  node bench/web_bench.js

# What a user downloads: the current commit built in a fresh clone into dist/, with
# SHA256SUMS (scripts/release.sh); `make release-check` builds it twice, in two clones, and
# compares the two SHA256SUMS.
release:
	$(install) build package windows web
	scripts/release.sh dist

release-check:
	$(install) build package windows web
	scripts/check-release.sh
