# The Debian package: `make package` writes build/gavrento_1.00_<arch>.deb;
# `make package-check` also lints it, installs it, starts it and removes it (as root);
# `make package-reproducible` builds the current commit's package twice and compares.
.PHONY: package package-check package-reproducible

package: build
	@scripts/install-packages.sh package
	cd $(BUILD) && cpack -G DEB

package-check: build
	@scripts/install-packages.sh package
	packaging/check-deb.sh $(BUILD)

package-reproducible: setup
	@scripts/install-packages.sh package
	WERROR=$(WERROR) packaging/check-reproducible.sh
