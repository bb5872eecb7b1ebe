#!/usr/bin/env bash
# The Debian package: built, checked by lintian, installed, started and removed again.
set -euo pipefail
make package-check WERROR=ON
