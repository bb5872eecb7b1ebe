# Sourced by the wine harness (wine.sh, and through wine-window.sh every check that drives a
# window), after tests/checks.sh: finds wine's loaders, decides whether this machine can run
# 32-bit programs, asks once whether wine starts at all, makes the prefix the programs run
# in, and leaves nothing of wine's server behind.
#
# Machines differ: some kernels cannot execute 32-bit programs at all, and wine's 32-bit
# loader then fails with "Exec format error". That is found out by running the loader
# once, never guessed from names. GAVRENTO_NO_32BIT=1 takes the same path on any machine.
# GAVRENTO_WINE64_LOADER and GAVRENTO_WINE32_LOADER name other loaders, for the harness's
# own test.

readonly kWine64=${GAVRENTO_WINE64_LOADER:-/usr/lib/wine/wine64}
readonly kWine32=${GAVRENTO_WINE32_LOADER:-/usr/lib/wine/wine}
readonly kSkipped=77 # CTest's SKIP_RETURN_CODE for these tests

# A loader answers --version without starting a wine server or a program: the one way to
# ask the kernel whether it starts the loader at all. Prints the answer as one line.
loader_answer() {
  local output status
  output=$("$1" --version 2>&1)
  status=$?
  echo "${output//$'\n'/ }"
  return $status
}

# loader_starts LOADER WHAT PACKAGE [format-refused-is-an-answer]: returns 0 when LOADER
# starts; with the fourth word, 126 without a word when the kernel refuses its format
# ("Exec format error"); else says in one line why wine cannot start WHAT, and returns 1.
loader_starts() {
  local loader=$1 what=$2 package=$3 refused_is_an_answer=${4:-} output status
  if [[ ! -x $loader ]]; then
    echo "wine cannot start $what: its loader $loader is missing" \
      "(scripts/install-packages.sh windows installs $package)" >&2
    return 1
  fi
  output=$(loader_answer "$loader")
  status=$?
  [[ $status -eq 0 ]] && return 0
  [[ -n $refused_is_an_answer && $status -eq 126 && $output == *"Exec format error"* ]] &&
    return 126
  echo "wine cannot start $what: $loader --version exited $status: $output" >&2
  return 1
}

# Returns 0 when 32-bit programs run here, kSkipped (saying why) when this machine cannot
# run them, 1 (saying why) when wine's 32-bit half is broken.
wine_32bit_status() {
  if [[ -n ${GAVRENTO_NO_32BIT:-} ]]; then
    echo "SKIPPED: not running the 32-bit program: GAVRENTO_NO_32BIT is set"
    return $kSkipped
  fi
  loader_starts "$kWine32" "32-bit programs" wine32:i386 format-refused-is-an-answer
  case $? in
    0) return 0 ;;
    126)
      echo "SKIPPED: not running the 32-bit program: this machine cannot execute 32-bit programs" \
        "($kWine32: Exec format error)"
      return $kSkipped
      ;;
  esac
  return 1
}

# Returns 0 when the 64-bit loader, which makes the prefix and runs the 64-bit programs,
# starts; else says why in one line. Asked whether or not the prefix exists: a prefix made
# earlier does not mean the loader still starts, and nothing after this waits for windows
# that cannot come.
wine_64bit_starts() {
  loader_starts "$kWine64" programs wine64
}

# Stops the prefix's wine server and removes the folder it kept its socket in. Debian's wine
# makes that folder in $TMPDIR under a name it keeps in the prefix's file "wineserver", and
# leaves it when the server ends; a run leaves $TMPDIR as it found it. wineserver itself makes
# the prefix's folder, so a prefix never made is left alone.
wine_leave_nothing() {
  local prefix=$1 folder
  [[ -e $prefix/system.reg ]] || return 0
  WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1
  WINEPREFIX=$prefix wineserver -w >/dev/null 2>&1
  [[ -r $prefix/wineserver ]] && folder=$(<"$prefix/wineserver") || return 0
  [[ $folder == wine-?????? ]] && rm -rf "${TMPDIR:-/tmp}/$folder"
}

# wine_prepare ARCH PREFIX: exports what wine needs to run a program built for ARCH
# (i686 or x86_64) in PREFIX, creating that prefix on first use, and stops its server and
# removes the server's folder when the script ends (tests/checks.sh's on_exit), by a signal
# too. Fails within seconds, with one message, when wine cannot start programs at all.
wine_prepare() {
  local arch=$1 prefix=$2
  # A machine without 32-bit support answers for the 32-bit loader as a broken one does: the
  # 32-bit program is skipped there, whatever the 64-bit loader then says. A wine without
  # its 64-bit loader is broken on any machine.
  if [[ $arch == i686 && -x $kWine64 ]]; then
    wine_32bit_status || return $?
  fi
  wine_64bit_starts || return 1
  export WINELOADER=$kWine64
  [[ $arch == i686 ]] && WINELOADER=$kWine32
  # A 64-bit prefix runs both kinds of program. No runtimes for .NET or HTML: the program
  # uses neither, and installing them is slow.
  export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  on_exit "wine_leave_nothing '$prefix'"
  trap 'exit 129' HUP
  trap 'exit 130' INT
  trap 'exit 143' TERM
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

# wine's loader, when it cannot start the program it was given, hands it to start.exe, which
# says this and nothing of the program. Seen once on a busy machine for cmd.exe itself, with
# "ShellExecuteEx failed: Internal error": wine failing, not the program under test.
readonly kWineDidNotStart="Application could not be started"

# wine_output PROGRAM ARGS...: runs PROGRAM as wine_run does and prints its standard output,
# carriage returns removed. When wine did not start it, says so and tries once more, so a
# check is judged on what the program did; a second such answer is printed as it came.
wine_output() {
  local output attempt
  for attempt in 1 2; do
    output=$(wine_run "$@" 2>/dev/null | tr -d '\r')
    [[ $output != *"$kWineDidNotStart"* ]] && break
    [[ $attempt == 1 ]] && echo "wine did not start $1 (${output//$'\n'/ }): trying once more" >&2
  done
  printf '%s\n' "$output"
}
