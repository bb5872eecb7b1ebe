# The Debian package: `make package` writes build/gavrento_<version>_<arch>.deb;
# `make package-check` runs the package's tests (`ctest --preset package`, as root): it lints
# the package, installs it, starts it and removes it, and builds the current commit's
# package twice and compares the two.
.PHONY: package package-check

package: build
	@scripts/install-packages.sh package
	cd $(BUILD) && cpack -G DEB

package-check: build
	@scripts/install-packages.sh package
	WERROR=$(WERROR) ctest --preset package
