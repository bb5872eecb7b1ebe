#!/usr/bin/env bash
# The Debian package is reproducible: the same commit, built twice in two folders, gives the
# same bytes.
set -euo pipefail
cd "$(dirname "$0")/../.."
make package-reproducible WERROR=ON
