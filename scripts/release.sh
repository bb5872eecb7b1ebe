#!/usr/bin/env bash
# Builds everything a user downloads from the current commit, in a fresh clone of it, and
# puts it in one folder with its checksums:
#
#   gavrento_<version>_<arch>.deb    the Debian package
#   Gavrento-<version>-x86.msi       the installer for any Windows (Program Files (x86) on 64-bit)
#   Gavrento-<version>-x64.msi       the installer for 64-bit Windows
#   Gavrento-<version>-x86.exe       the program for any Windows, run without installing
#   Gavrento-<version>-x64.exe       the same for 64-bit Windows
#   gavrento-<version>-web.zip       the site for the browser, for any static host
#   gavrento-<version>.tar.gz        the sources of the commit (git archive)
#   SHA256SUMS                       sha256sum of each of them
#
# Each file is reproducible, so another clone of the same commit gives the same SHA256SUMS.
# Changes not committed are not in the release.
# Usage: scripts/release.sh [DIST [WORK]]   DIST: the folder to fill (default dist/);
#        WORK: where the clone is built (default a temporary folder, removed afterwards).
#        WERROR=ON|OFF from the environment, as for make.
set -euo pipefail

source_dir=$(git rev-parse --show-toplevel)
commit=$(git -C "$source_dir" rev-parse HEAD)
dist=$(realpath -m "${1:-$source_dir/dist}")
if [[ -n ${2:-} ]]; then
  work=$(realpath -m "$2")
else
  work=$(mktemp -d "${TMPDIR:-/tmp}/gavrento-release.XXXXXX")
  trap 'rm -rf "$work"' EXIT
fi

# The Debian package, each Windows program with its installer, and the site for the browser
# (CMakePresets.json).
tree=$work/gavrento
"$source_dir/scripts/build-in-clone.sh" "$tree" package installer-32 installer-64 site
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$tree/build/CMakeCache.txt")

echo "==> Filling $dist"
rm -rf "$dist"
mkdir -p "$dist"
cp "$tree"/build/gavrento_"$version"_*.deb "$dist/"
declare -A build_of=([x86]=build-win32 [x64]=build-win64)
for label in "${!build_of[@]}"; do
  cp "$tree/${build_of[$label]}/Gavrento-$version-$label.msi" "$dist/"
  cp "$tree/${build_of[$label]}/Gavrento.exe" "$dist/Gavrento-$version-$label.exe"
done
# The site's files in name order, each with the commit's time and ordinary permissions, and
# no extra attributes: the same bytes from any clone.
site_zip=$dist/gavrento-$version-web.zip
commit_time=$(git -C "$source_dir" log -1 --format=%ct "$commit")
ln -s site "$tree/build-web/gavrento-$version-web"
find "$tree/build-web/site" -type f -exec chmod 644 {} + -exec touch -d "@$commit_time" {} +
(cd "$tree/build-web" && find "gavrento-$version-web/" -type f | LC_ALL=C sort |
  TZ=UTC zip -X -q "$site_zip" -@)
# git archive gives every entry the commit's time; gzip -n leaves out its own name and time.
git -C "$source_dir" archive --format=tar --prefix="gavrento-$version/" "$commit" |
  gzip -9 -n >"$dist/gavrento-$version.tar.gz"
(cd "$dist" && LC_ALL=C sha256sum -- * >SHA256SUMS)
echo "==> Gavrento $version, commit $commit:"
cat "$dist/SHA256SUMS"
