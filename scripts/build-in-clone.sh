#!/usr/bin/env bash
# Builds the current commit in a fresh clone of it at TREE, with the named CMake workflows
# (CMakePresets.json), so that nothing uncommitted, no earlier build and no folder name of
# this checkout reaches what is built. The release and the reproducibility checks build so.
# Usage: scripts/build-in-clone.sh TREE WORKFLOW...   (WERROR=ON|OFF from the environment)
set -euo pipefail
source_dir=$(git rev-parse --show-toplevel)
commit=$(git -C "$source_dir" rev-parse HEAD)
tree=$(realpath -m "${1:?usage: build-in-clone.sh TREE WORKFLOW...}")
shift

if [[ -n $(git -C "$source_dir" status --porcelain --untracked-files=no) ]]; then
  echo "note: the working tree has changes that are not committed; building $commit alone"
fi
echo "==> Cloning $commit into $tree"
git clone --quiet --shared --no-checkout "$source_dir" "$tree"
git -C "$tree" checkout --quiet --detach "$commit"
cd "$tree"
for workflow in "$@"; do
  echo "==> Building $workflow"
  cmake --workflow --preset "$workflow"
done
