#!/usr/bin/env bash
# The same executable packed twice gives the same Windows Installer package, byte for byte,
# whatever the folder, the clock, the time zone, the locale and the executable's modification
# time; and a package that holds something else gets a package code of its own.
# Usage: tests/windows/check-msi-reproducible.sh ARCH GAVRENTO.exe VERSION DESCRIPTION
#   VERSION and DESCRIPTION as the build has them from CMakeLists.txt
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../checks.sh"
arch=$1 exe=$2 version=$3 description=$4
source_dir=$(cd "$here/../.." && pwd)

work_folder

# pack FOLDER VERSION [VARIABLE=VALUE...]: the package made in FOLDER, in that environment.
pack() {
  local folder=$1 package_version=$2
  shift 2
  mkdir -p "$folder"
  cp "$exe" "$folder/Gavrento.exe"
  touch -d "@$((1000000000 + RANDOM * 10000))" "$folder/Gavrento.exe"  # a time of its own
  env "$@" cmake -DSOURCE_DIR="$source_dir" -DVERSION="$package_version" -DDESCRIPTION="$description" \
    -DARCH="$arch" -DEXECUTABLE="$folder/Gavrento.exe" -DOUTPUT="$folder/Gavrento.msi" -DWORK_DIR="$folder/work" \
    -P "$source_dir/packaging/windows/msi.cmake" >"$folder/log" 2>&1 || { cat "$folder/log"; return 1; }
}
package_code() { msiinfo suminfo "$1" | sed -n 's/^Revision number (UUID): //p'; }

# Windows' language for the code page used to be taken from the locale: "ru" turned the
# Italian texts into nothing. It has no say now; nor has the time zone of the builder.
pack "$work/first" "$version" TZ=UTC LC_ALL=C || exit 1
sleep 1  # another second on the clock
pack "$work/a second folder, further down" "$version" TZ=Pacific/Auckland LC_ALL=it_IT.UTF-8 \
  WINDOWS_LANGUAGE=ru || exit 1
first=$work/first/Gavrento.msi
second="$work/a second folder, further down/Gavrento.msi"
if cmp -s "$first" "$second"; then
  pass "packed twice, the same package ($(sha256sum <"$first" | cut -c1-16)…)"
else
  fail "packed twice, the packages differ" "$(cmp -l "$first" "$second" | head -n 4 | tr '\n' ' ')"
fi

pack "$work/later" "9.99" || exit 1
check "another version, another package code" \
  test "$(package_code "$first")" != "$(package_code "$work/later/Gavrento.msi")"

finish "$(basename "$first") reproducible ($arch)"
