#!/usr/bin/env bash
# Runs each fuzz target for a while on a copy of its seeds, so what it finds never lands
# in the repository; a crashing input is kept in BUILD/artifacts/ to reproduce with.
# Usage: fuzz/run.sh BUILD SECONDS TARGET...
set -euo pipefail
build=$(realpath "$1")
seconds=$2
shift 2

mkdir -p "$build/artifacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for target in "$@"; do
  corpus="$work/$target"
  mkdir -p "$corpus"
  cp "$(dirname "$0")/corpus/$target/"* "$corpus/"
  echo "== fuzz_$target for ${seconds} s"
  # The progress lines are many and say little; the final figures and any report stay.
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" "$corpus" 2>&1 | grep -v -E '^#[0-9]+' || true
  status=${PIPESTATUS[0]}
  [[ $status -eq 0 ]] || { echo "fuzz_$target failed (exit $status)" >&2; exit 1; }
done
