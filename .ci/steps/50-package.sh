#!/usr/bin/env bash
# The Debian package: built, checked by lintian, installed, started and removed again; and
# built twice from the commit to the same bytes (`ctest --preset package`).
set -euo pipefail
cd "$(dirname "$0")/../.."
make package-check WERROR=ON
