#!/bin/bash
# Builds the Debian package of the current commit twice, each time in a fresh clone in a
# folder of another name, one after the other, and checks that the two packages are the same
# byte for byte: no build folder, checkout time or build time may reach them.
#
# Usage: packaging/check-reproducible.sh        (WERROR=ON|OFF from the environment)
set -euo pipefail
source "$(dirname "$0")/../tests/checks.sh"
build_in_clone=$(realpath "$(dirname "$0")/../scripts/build-in-clone.sh")
commit=$(git rev-parse HEAD)
work=$(mktemp -d "${TMPDIR:-/tmp}/gavrento-reproducible.XXXXXX")
on_exit "rm -rf '$work'"

"$build_in_clone" "$work/first/gavrento" package
"$build_in_clone" "$work/second-build/src/gavrento" package

first=("$work"/first/gavrento/build/gavrento_*.deb)
second=("$work"/second-build/src/gavrento/build/gavrento_*.deb)
sha256sum "${first[0]}" "${second[0]}"
if ! cmp --quiet "${first[0]}" "${second[0]}"; then
  dpkg-deb -R "${first[0]}" "$work/first/unpacked"
  dpkg-deb -R "${second[0]}" "$work/second-build/unpacked"
fi
# The files that differ inside them (diffoscope shows each difference, when installed).
expect "the package built twice from $commit is the same file" \
  "$(cmp --quiet "${first[0]}" "${second[0]}" || diff -rq "$work/first/unpacked" "$work/second-build/unpacked")" ""
finish "reproducible package"
