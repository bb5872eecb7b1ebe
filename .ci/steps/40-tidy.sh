#!/usr/bin/env bash
# clang-tidy on the program's sources; any warning fails.
set -euo pipefail
cd "$(dirname "$0")/../.."
make tidy
