#!/usr/bin/env bash
# Builds the release of the current commit twice, each time in a fresh clone in a folder of
# another name, one after the other, and checks that the two SHA256SUMS are the same: every
# file a user downloads is reproducible.
# Usage: scripts/check-release.sh        (WERROR=ON|OFF from the environment)
set -uo pipefail
source "$(dirname "$0")/../tests/checks.sh"
source_dir=$(git rev-parse --show-toplevel)
work=$(mktemp -d "${TMPDIR:-/tmp}/gavrento-release-check.XXXXXX")
on_exit "rm -rf '$work'"

first=$work/first/dist
second=$work/dist-of-the-second
"$source_dir/scripts/release.sh" "$first" "$work/first" || exit
"$source_dir/scripts/release.sh" "$second" "$work/second-build/src" || exit
expect "eight files: the package, two installers, two programs, the site, the sources, the sums" \
  "$(ls "$first" | wc -l)" 8
expect "the same SHA256SUMS from two clones" "$(cat "$second/SHA256SUMS")" "$(cat "$first/SHA256SUMS")"
finish "release reproducible"
