#!/usr/bin/env bash
# What a user downloads: the release of the commit built twice, in two fresh clones, to the
# same SHA256SUMS (make release-check).
set -euo pipefail
cd "$(dirname "$0")/../.."
make release-check WERROR=ON
