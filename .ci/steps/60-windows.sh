#!/usr/bin/env bash
# The Windows build: cross-compiled with warnings as errors, then run and driven under wine.
set -euo pipefail
cd "$(dirname "$0")/../.."

make test-windows WERROR=ON
