#!/usr/bin/env bash
# Installs what the Windows builds and their tests need on Debian 12, skipping what is
# already there: the mingw-w64 cross-compilers for both processors, wine to run the
# programs (wine64 everywhere; wine32 for the 32-bit program, where the machine can
# execute it), a virtual display with tools to type, click and take pictures, the tools
# that read the executable, the tools that make the installers and read them, the faces that
# stand in for Windows' own, and the Italian locale the tests run the program in.
set -euo pipefail

packages=(
  cmake ninja-build                       # the builds
  g++-mingw-w64-i686-win32                # build-win32/Gavrento.exe and its test helpers
  g++-mingw-w64-x86-64-win32              # build-win64/Gavrento.exe and its test helpers
  wine wine64 wine32:i386 fonts-wine      # a Windows to run them in
  xvfb xauth xdotool imagemagick          # a display, a person's keys and clicks, pictures
  binutils icoutils libxml2-utils         # objdump, wrestool, icotool and xmllint read the executable
  wixl msitools liblnk-utils              # wixl makes the installers, msibuild stamps them;
                                          # msiinfo and lnkinfo read them and their shortcut
  fonts-ebgaramond fonts-dejavu-core      # stand-ins for Garamond and Verdana
  locales                                 # the Italian run
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
  "${as_root[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends \
    "${missing[@]}"
fi

if ! locale -a | grep -qix 'it_IT.utf8'; then
  "${as_root[@]}" localedef -i it_IT -f UTF-8 it_IT.UTF-8
fi
