# What a user downloads: `make release` builds the current commit, in a fresh clone, into
# dist/: the Debian package, both Windows installers, both Windows programs, the sources and
# SHA256SUMS (scripts/release.sh). `make release-check` builds it twice, in two clones, and
# compares the two SHA256SUMS.
.PHONY: release release-check release-setup

release-setup:
	@scripts/install-packages.sh build package web
	@scripts/install-windows-packages.sh

release: release-setup
	WERROR=$(WERROR) scripts/release.sh dist

release-check: release-setup
	WERROR=$(WERROR) scripts/check-release.sh
