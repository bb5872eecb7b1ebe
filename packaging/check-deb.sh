#!/bin/bash
# Builds the Debian package from a configured and built tree, lints it, installs it, checks
# that the program starts and that its files are in place, then purges it again.
# Needs root (dpkg), cpack, lintian; appstreamcli is used when present.
#
# Usage: packaging/check-deb.sh <build-dir>
set -uo pipefail
source "$(dirname "$0")/../tests/checks.sh"

readonly package=gavrento
packaging_dir=$(cd "$(dirname "$0")" && pwd)
build_dir=$(realpath "${1:?usage: check-deb.sh <build-dir>}")
# The version and the application id, as the build made them from CMakeLists.txt.
release_fact() { sed -n "s/^#define $1 \"\(.*\)\"$/\1/p" "$build_dir/generated/runtime/release.h"; }
app_id=$(release_fact GAVRENTO_APP_ID)
version=$(release_fact GAVRENTO_VERSION)
readonly app_id version
deb="$build_dir/${package}_${version}_$(dpkg --print-architecture).deb"
installed=false

purge_package() {
  $installed || return 0
  dpkg --purge "$package" && installed=false
}
on_exit purge_package

build_package() {
  rm -f "$deb"
  (cd "$build_dir" && cpack -G DEB) && [[ -f "$deb" ]] || return 1
  dpkg-deb --info "$deb"
  dpkg-deb --contents "$deb"
}

# Errors fail the check; warnings are shown so they can be dealt with, but are allowed.
lintian_finds_no_errors() {
  local report own_tmp
  # lintian 2.116 leaves a database (mldbm-elf-*) in its temporary folder: it gets its own.
  own_tmp=$(mktemp -d)
  report=$(TMPDIR=$own_tmp lintian --tag-display-limit 0 "$deb" 2>&1)
  rm -rf "$own_tmp"
  printf '%s\n' "$report"
  echo "lintian: $(grep -c '^W: ' <<<"$report") warning(s)"
  ! grep -q '^E: ' <<<"$report"
}

# The AppStream checks that need the installed layout: the metainfo file name, the
# component id and the desktop file have to agree.
appstream_tree_validates() {
  local tree status=0
  tree=$(mktemp -d)
  dpkg-deb --extract "$deb" "$tree" && appstreamcli validate-tree --no-net --no-color "$tree" ||
    status=1
  rm -rf "$tree"
  return $status
}

install_package() {
  installed=true
  # dpkg does not fetch dependencies (the fonts); apt completes the installation.
  dpkg -i "$deb" || apt-get install -y -f --no-install-recommends
  [[ $(dpkg-query -W -f='${Status}' "$package") == "install ok installed" ]]
}

# Each file the package must install that is not there.
missing_files() {
  local files=(
    /usr/bin/gavrento
    "/usr/share/applications/$app_id.desktop"
    "/usr/share/metainfo/$app_id.metainfo.xml"
    /usr/share/icons/hicolor/scalable/apps/gavrento.svg
    /usr/share/man/man1/gavrento.1.gz
    /usr/share/doc/gavrento/copyright
    /usr/share/doc/gavrento/changelog.gz
  )
  local file
  for file in "${files[@]}"; do
    [[ -f $file ]] || echo "$file"
  done
  [[ -x /usr/bin/gavrento ]] || echo "/usr/bin/gavrento is not executable"
}

# How the icon theme's PNGs installed differ from the committed ones: another list of sizes,
# or other bytes.
icon_differences() {
  local committed
  diff <(cd "$packaging_dir" && ls icons/hicolor/*x*/apps/gavrento.png) \
    <(cd /usr/share && ls icons/hicolor/*x*/apps/gavrento.png)
  for committed in "$packaging_dir"/icons/hicolor/*x*/apps/gavrento.png; do
    cmp -s "$committed" "/usr/share/${committed#"$packaging_dir"/}" || echo "$committed differs"
  done
}

# The window has no way to report success headlessly, so "still running after a while" is the
# check that it found its libraries, fonts and platform plugin.
program_keeps_running() {
  local log pid status=0
  log=$(mktemp)
  QT_QPA_PLATFORM=offscreen /usr/bin/gavrento >"$log" 2>&1 &
  pid=$!
  if poll 3 eval "! kill -0 $pid 2>/dev/null"; then
    wait "$pid"
    echo "gavrento ended with status $?"
    status=1
  fi
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  cat "$log"
  rm -f "$log"
  return $status
}

[[ -d $build_dir ]] || { fail "no build directory $build_dir"; finish; }
[[ $(id -u) -eq 0 ]] || { fail "run as root: the package is installed with dpkg"; finish; }
check "cpack writes $deb" build_package || finish "Debian package"
check "lintian finds no errors" lintian_finds_no_errors
if command -v appstreamcli >/dev/null 2>&1; then
  check "the installed tree's AppStream data validates" appstream_tree_validates
else
  echo "NOT CHECKED: the installed tree's AppStream data (appstreamcli is not installed)"
fi
check "dpkg installs it" install_package || finish "Debian package"
expect "every file is in place: program, menu entry, metainfo, scalable icon, manual, documents" \
  "$(missing_files)" ""
expect "the icon theme's PNGs are the committed ones, at each committed size" "$(icon_differences 2>&1)" ""
check "the installed program starts and keeps running, offscreen" program_keeps_running
check "dpkg purges it" purge_package
check "nothing of it is installed after purging" eval "! dpkg-query -W $package >/dev/null 2>&1"
finish "Debian package"
