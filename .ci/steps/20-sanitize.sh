#!/usr/bin/env bash
# Every test again with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer.
set -euo pipefail
cd "$(dirname "$0")/../.."
make test-sanitize
