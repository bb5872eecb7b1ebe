#!/bin/bash
# Builds the Debian package of the current commit twice, each time in a fresh clone in a
# folder of another name, one after the other, and checks that the two packages are the same
# byte for byte: no build folder, checkout time or build time may reach them.
#
# Usage: packaging/check-reproducible.sh        (WERROR=ON|OFF from the environment)
set -euo pipefail
source "$(dirname "$0")/../tests/checks.sh"

source_dir=$(git rev-parse --show-toplevel)
commit=$(git -C "$source_dir" rev-parse HEAD)
work=$(mktemp -d "${TMPDIR:-/tmp}/gavrento-reproducible.XXXXXX")
on_exit "rm -rf '$work'"

step() { echo "==> $*"; }

# Only what the package holds is built: the program and the compressed documents.
build_package() {
  local tree=$1
  step "Building $commit in $tree"
  git clone --quiet --shared --no-checkout "$source_dir" "$tree"
  git -C "$tree" checkout --quiet --detach "$commit"
  (cd "$tree" && cmake --preset default -DGAVRENTO_WERROR="${WERROR:-OFF}" \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null)
  cmake --build "$tree/build" --target gavrento gavrento_compressed_docs
  (cd "$tree/build" && cpack -G DEB >/dev/null)
}

build_package "$work/first/gavrento"
build_package "$work/second-build/src/gavrento"

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
