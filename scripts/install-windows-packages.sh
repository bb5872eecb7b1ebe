#!/usr/bin/env bash
# Installs what the Windows build and its tests need on Debian 12, skipping what is
# already there: the mingw-w64 cross-compiler, the 32-bit wine to run the program, a
# virtual display with tools to type, click and take pictures, the faces that stand in for
# Windows' own, and the Italian locale the tests run the program in.
set -euo pipefail

packages=(
  cmake ninja-build g++                   # the build, and the resource checker for this machine
  g++-mingw-w64-i686-win32                # Gavrento.exe and the test helper
  wine wine32:i386 fonts-wine             # a 32-bit Windows to run them in
  xvfb xauth xdotool xclip imagemagick    # a display, a person's keys and clicks, pictures
  fonts-ebgaramond fonts-dejavu-core      # stand-ins for Garamond and Verdana
  locales perl                            # the Italian run; the checker's faulty copies
)

as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)

installed() {
  [[ $(dpkg-query -W -f='${Status}' "$1" 2>/dev/null) == "install ok installed" ]]
}

missing=()
for package in "${packages[@]}"; do
  installed "$package" || missing+=("$package")
done

if [[ ${#missing[@]} -gt 0 ]]; then
  # wine32 is an i386 package: the architecture has to be known before the lists are read.
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${as_root[@]}" dpkg --add-architecture i386
  fi
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi

if ! locale -a | grep -qix 'it_IT.utf8'; then
  "${as_root[@]}" localedef -i it_IT -f UTF-8 it_IT.UTF-8
fi
