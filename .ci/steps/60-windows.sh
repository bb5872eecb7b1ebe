#!/usr/bin/env bash
# The Windows builds: cross-compiled with warnings as errors, then checked and driven under
# wine, the 32-bit program wherever this machine can execute it. Then the 32-bit checks
# again as on a machine that cannot, so both paths are taken on every machine.
set -euo pipefail
cd "$(dirname "$0")/../.."

make test-windows WERROR=ON
echo "== the 32-bit program's checks, as on a machine without 32-bit support"
GAVRENTO_NO_32BIT=1 scripts/test-windows.sh windows-32
