#!/usr/bin/env bash
# Installs the Debian packages of the named groups that are not installed yet, and the
# locales those groups' tests run the program under.
# Usage: scripts/install-packages.sh GROUP...   (a group is one of the group_ lists below)
set -euo pipefail

# What builds the program (Linux) and what it shows its window with.
group_build=(
  build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev libxcb1-dev
  fonts-liberation fonts-ebgaramond fonts-dejavu-core
  nlohmann-json3-dev                       # JSON for the facts the tests and the page read
)
# What its tests drive it, read it and check its files with.
group_test=(
  clang-format xvfb xauth xdotool imagemagick icoutils librsvg2-bin locales desktop-file-utils
  appstream devscripts weston qt6-wayland dbus-daemon at-spi2-core python3-pyatspi
  python3-gi man-db                        # the packaging test's key-file reader and lexgrog
)
group_package=(dpkg-dev file lintian desktop-file-utils appstream)
group_fuzz=(clang libclang-rt-14-dev clang-tidy libbenchmark-dev)
# The Windows builds and their checks.
group_windows=(
  cmake ninja-build                        # the builds
  g++-mingw-w64-i686-win32                 # build-win32/Gavrento.exe and its test helpers
  g++-mingw-w64-x86-64-win32               # build-win64/Gavrento.exe and its test helpers
  wine wine64 wine32:i386 fonts-wine       # a Windows to run them in (wine32 where the
                                           # machine can execute 32-bit programs)
  xvfb xauth xdotool imagemagick           # a display, a person's keys and clicks, pictures
  binutils icoutils libxml2-utils          # objdump, wrestool, icotool and xmllint read the executable
  wixl msitools liblnk-utils               # wixl makes the installers, msibuild stamps them;
                                           # msiinfo and lnkinfo read them and their shortcut
  jq nlohmann-json3-dev                    # the facts the build prints, and the checks read
  fonts-ebgaramond fonts-dejavu-core       # stand-ins for Garamond and Verdana
  locales
)
# The browser build and its checks: node and npm come with the machine, never from Debian's
# npm package; Playwright drives Debian's Chromium.
group_web=(
  cmake ninja-build emscripten chromium   # the WebAssembly build, the browser
  fonttools python3-brotli librsvg2-bin   # the web fonts cut down, the icons rendered
  fontconfig                              # which file holds each face the page draws
  nlohmann-json3-dev                      # the page's writer hands it over in JSON
  fonts-liberation fonts-ebgaramond fonts-dejavu-core fonts-dejavu-extra zip
  nginx                                   # make web-run, and the host the tests and bench use
)
# The tests also read the height under a locale with a decimal comma.
declare -A locale_of=([test]=it_IT [windows]=it_IT)

as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)

wanted=() locales=()
for group in "$@"; do
  if ! declare -p "group_$group" &>/dev/null; then
    echo "unknown package group: $group (groups: $(compgen -A variable group_ | sed 's/^group_//' | xargs))" >&2
    exit 2
  fi
  declare -n packages="group_$group"
  wanted+=("${packages[@]}")
  [[ -v "locale_of[$group]" ]] && locales+=("${locale_of[$group]}")
done

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  # A package of another architecture (wine32:i386) needs it known before the lists are read.
  for arch in $(printf '%s\n' "${missing[@]}" | sed -n 's/.*://p' | sort -u); do
    dpkg --print-foreign-architectures | grep -qx "$arch" || "${as_root[@]}" dpkg --add-architecture "$arch"
  done
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
    --no-install-recommends "${missing[@]}"
fi

for name in $(printf '%s\n' "${locales[@]}" | sort -u); do
  locale -a 2>/dev/null | grep -qix "$name.utf8" || "${as_root[@]}" localedef -i "$name" -f UTF-8 "$name.UTF-8"
done
