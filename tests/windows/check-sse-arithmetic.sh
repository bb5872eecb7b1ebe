#!/usr/bin/env bash
# The program's own code does its double arithmetic with SSE2, never on the x87 unit,
# whose extra precision rounds twice and changes the fifteenth digit. Loading a returned
# double from the x87 stack is only the calling convention; adding, subtracting,
# multiplying or dividing there is the fault.
# Usage: tests/windows/check-sse-arithmetic.sh LIBRARY.a...
set -uo pipefail
source "$(dirname "$0")/../checks.sh"
expect "no x87 arithmetic in $(basename -a "$@" | paste -sd' ')" \
  "$(objdump -d --no-show-raw-insn "$@" | grep -E '^\s+[0-9a-f]+:\s+f(add|sub|mul|div|sqrt|prem)')" ""
finish "SSE2 arithmetic"
