#!/usr/bin/env bash
# A minute of fuzzing for each target, from the committed seeds.
set -euo pipefail
cd "$(dirname "$0")/../.."
make fuzz FUZZ_SECONDS=60
