#!/usr/bin/env bash
# Gavrento.exe is reproducible: for each processor, two builds of the same sources, at two
# paths and two times, are compared byte for byte.
set -euo pipefail
cd "$(dirname "$0")/../.."
make windows-reproducible
