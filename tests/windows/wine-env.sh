# Sourced by the wine harness (wine.sh, run-tests.sh): finds wine's loaders, decides
# whether this machine can run 32-bit programs, and makes the prefix the programs run in.
#
# Machines differ: some kernels cannot execute 32-bit programs at all, and wine's 32-bit
# loader then fails with "Exec format error". That is found out by running the loader
# once, never guessed from names. GAVRENTO_NO_32BIT=1 takes the same path on any machine.
# GAVRENTO_WINE64_LOADER and GAVRENTO_WINE32_LOADER name other loaders, for the harness's
# own test.

readonly kWine64=${GAVRENTO_WINE64_LOADER:-/usr/lib/wine/wine64}
readonly kWine32=${GAVRENTO_WINE32_LOADER:-/usr/lib/wine/wine}
readonly kSkipped=77 # CTest's SKIP_RETURN_CODE for these tests

# Returns 0 when 32-bit programs run here, kSkipped (saying why) when this machine cannot
# run them, 1 (saying why) when wine's 32-bit half is broken.
wine_32bit_status() {
  if [[ -n ${GAVRENTO_NO_32BIT:-} ]]; then
    echo "SKIPPED: not running the 32-bit program: GAVRENTO_NO_32BIT is set"
    return $kSkipped
  fi
  if [[ ! -e $kWine32 ]]; then
    echo "wine cannot start 32-bit programs: its loader $kWine32 is missing" \
      "(scripts/install-packages.sh windows installs wine32:i386)" >&2
    return 1
  fi
  local output status
  output=$("$kWine32" --version 2>&1)
  status=$?
  [[ $status -eq 0 ]] && return 0
  if [[ $status -eq 126 && $output == *"Exec format error"* ]]; then
    echo "SKIPPED: not running the 32-bit program: this machine cannot execute 32-bit programs" \
      "($kWine32: Exec format error)"
    return $kSkipped
  fi
  echo "wine cannot start 32-bit programs: $kWine32 --version exited $status: $output" >&2
  return 1
}

# wine_prepare ARCH PREFIX: exports what wine needs to run a program built for ARCH
# (i686 or x86_64) in PREFIX, creating that prefix on first use. Fails within seconds,
# with one message, when wine cannot start programs at all.
wine_prepare() {
  local arch=$1 prefix=$2
  if [[ ! -x $kWine64 ]]; then
    echo "wine cannot start programs: its loader $kWine64 is missing" \
      "(scripts/install-packages.sh windows installs wine64)" >&2
    return 1
  fi
  export WINELOADER=$kWine64
  if [[ $arch == i686 ]]; then
    wine_32bit_status || return $?
    WINELOADER=$kWine32
  fi
  # A 64-bit prefix runs both kinds of program. No runtimes for .NET or HTML: the program
  # uses neither, and installing them is slow.
  export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$(dirname "$prefix")"
  (
    flock 9
    [[ -e $prefix/system.reg ]] && exit 0
    rm -rf "$prefix"
    local log=$prefix.log
    # The registry reaches its files when the server ends: wait for that before looking.
    if ! timeout 300 "$kWine64" wineboot --init >"$log" 2>&1 || ! timeout 60 wineserver -w ||
      [[ ! -e $prefix/system.reg ]]; then
      echo "wine cannot start programs: creating the prefix $prefix failed:" >&2
      tail -n 5 "$log" >&2
      exit 1
    fi
  ) 9>"$prefix.lock"
}

# Runs a Windows program of the prepared kind.
wine_run() {
  "$WINELOADER" "$@"
}
