#!/bin/bash
# Builds the Debian package from a configured and built tree, lints it, installs it, checks
# that the program starts and that its files are in place, then purges it again.
# Needs root (dpkg), cpack, lintian; appstreamcli is used when present.
#
# Usage: packaging/check-deb.sh <build-dir>
set -euo pipefail

readonly package=gavrento
build_dir=$(realpath "${1:?usage: check-deb.sh <build-dir>}")
# The version and the application id, as the build made them from CMakeLists.txt.
release_fact() { sed -n "s/^#define $1 \"\(.*\)\"$/\1/p" "$build_dir/generated/runtime/release.h"; }
app_id=$(release_fact GAVRENTO_APP_ID)
version=$(release_fact GAVRENTO_VERSION)
readonly app_id version
deb=
installed=false

fail() {
  echo "check-deb: FAIL: $*" >&2
  exit 1
}

step() { echo "==> $*"; }

purge_package() {
  if $installed; then
    step "Purging $package"
    dpkg --purge "$package"
    installed=false
  fi
}
trap purge_package EXIT

build_package() {
  step "Building the package with cpack"
  local arch
  arch=$(dpkg --print-architecture)
  deb="$build_dir/${package}_${version}_${arch}.deb"
  rm -f "$deb"
  (cd "$build_dir" && cpack -G DEB)
  [[ -f "$deb" ]] || fail "cpack did not write $deb"
  dpkg-deb --info "$deb"
  dpkg-deb --contents "$deb"
}

# Errors fail the check; warnings are shown so they can be dealt with, but are allowed.
run_lintian() {
  step "Running lintian"
  local report
  report=$(lintian --tag-display-limit 0 "$deb" 2>&1) || true
  printf '%s\n' "$report"
  if grep -q '^E: ' <<<"$report"; then
    fail "lintian reported errors"
  fi
  local warnings
  warnings=$(grep -c '^W: ' <<<"$report" || true)
  echo "lintian: no errors, $warnings warning(s)"
}

# Runs the AppStream checks that need the installed layout: the metainfo file name, the
# component id and the desktop file have to agree.
validate_appstream_tree() {
  if ! command -v appstreamcli >/dev/null 2>&1; then
    echo "appstreamcli not installed: skipping the installed-tree check"
    return
  fi
  step "Validating the AppStream data of the package contents"
  local tree
  tree=$(mktemp -d)
  dpkg-deb --extract "$deb" "$tree"
  local status=0
  appstreamcli validate-tree --no-net --no-color "$tree" || status=$?
  rm -rf "$tree"
  [[ $status -eq 0 ]] || fail "appstreamcli validate-tree failed"
}

install_package() {
  step "Installing $deb"
  installed=true
  if ! dpkg -i "$deb"; then
    # dpkg does not fetch dependencies (the fonts); let apt complete the installation.
    apt-get install -y -f --no-install-recommends
  fi
  local status
  status=$(dpkg-query -W -f='${Status}' "$package")
  [[ "$status" == "install ok installed" ]] || fail "$package is not installed: $status"
}

check_installed_files() {
  step "Checking the installed files"
  local files=(
    /usr/bin/gavrento
    "/usr/share/applications/$app_id.desktop"
    "/usr/share/metainfo/$app_id.metainfo.xml"
    /usr/share/icons/hicolor/scalable/apps/gavrento.svg
    /usr/share/man/man1/gavrento.1.gz
    /usr/share/doc/gavrento/copyright
    /usr/share/doc/gavrento/changelog.gz
  )
  local size
  for size in 16 32 48 64 128 256; do
    files+=("/usr/share/icons/hicolor/${size}x${size}/apps/gavrento.png")
  done
  local file
  for file in "${files[@]}"; do
    [[ -f "$file" ]] || fail "missing $file"
    echo "ok $file"
  done
  [[ -x /usr/bin/gavrento ]] || fail "/usr/bin/gavrento is not executable"
}

# The window has no way to report success headlessly, so "still running after a while" is the
# check that it found its libraries, fonts and platform plugin.
check_program_starts() {
  step "Starting /usr/bin/gavrento without a display"
  local log
  log=$(mktemp)
  QT_QPA_PLATFORM=offscreen /usr/bin/gavrento >"$log" 2>&1 &
  local pid=$!
  local tick
  for tick in $(seq 1 10); do
    sleep 0.3
    if ! kill -0 "$pid" 2>/dev/null; then
      local status=0
      wait "$pid" || status=$?
      cat "$log"
      rm -f "$log"
      fail "gavrento exited after about $((tick * 3 / 10)) s with status $status"
    fi
  done
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  cat "$log"
  rm -f "$log"
  echo "gavrento was still running after 3 s"
}

main() {
  [[ -d "$build_dir" ]] || fail "no build directory $build_dir"
  [[ $(id -u) -eq 0 ]] || fail "run as root: the package is installed with dpkg"
  build_package
  run_lintian
  validate_appstream_tree
  install_package
  check_installed_files
  check_program_starts
  purge_package
  dpkg-query -W "$package" >/dev/null 2>&1 && fail "$package is still installed after purging"
  step "Debian package checks passed"
}

main
