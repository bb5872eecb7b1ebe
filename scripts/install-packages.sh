#!/usr/bin/env bash
# Installs the Debian packages of the named groups that are not installed yet.
# Usage: scripts/install-packages.sh GROUP...   (groups: build test package fuzz windows)
set -euo pipefail

declare -A groups=(
  [build]="build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev libxcb1-dev fonts-liberation fonts-ebgaramond fonts-dejavu-core"
  [test]="clang-format xvfb xauth xdotool imagemagick icoutils librsvg2-bin locales desktop-file-utils appstream devscripts weston qt6-wayland dbus-daemon at-spi2-core python3-pyatspi"
  [package]="dpkg-dev file lintian desktop-file-utils appstream"
  [fuzz]="clang libclang-rt-14-dev clang-tidy libbenchmark-dev"
  # The browser build: node and npm come with the machine, never from Debian's npm package.
  [web]="cmake ninja-build emscripten chromium fonttools python3-brotli librsvg2-bin fonts-liberation fonts-ebgaramond fonts-dejavu-core fonts-dejavu-extra zip"
)

wanted=()
for group in "$@"; do
  [[ -v "groups[$group]" ]] || { echo "unknown package group: $group" >&2; exit 2; }
  wanted+=(${groups[$group]})
done

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
