#!/usr/bin/env bash
# The wine harness on machines this one is not, made here with fake loaders:
#  - a kernel that cannot execute 32-bit programs: the 32-bit program is skipped, saying why;
#  - a wine without its loader fails within seconds with one message;
#  - a wine whose loaders the kernel refuses, both of them: every window check stops at once
#    with one line saying why (the 32-bit ones skip, saying so), whether or not the prefix
#    was made before, without waiting for anything.
# Usage: tests/windows/wine-harness-test.sh PROGRAM.exe PACKAGE.msi VERSION
#   PROGRAM.exe  any Windows program of the build; the window checks are given it for each
#                of theirs, as none of them is ever started
#   PACKAGE.msi  the build's installer, and VERSION its version, for check-install.sh
set -uo pipefail
source "$(dirname "$0")/../checks.sh"
windows_tests=$(cd "$(dirname "$0")" && pwd)
program=$1
package=$2
version=$3
work_folder

# An executable the kernel refuses as it refuses a 32-bit one where that support is missing.
cp /bin/true "$work/loader32"
printf '\0\0' | dd of="$work/loader32" bs=1 seek=18 conv=notrunc status=none
# A loader that answers as the kernel does when it refuses to start it.
# shellcheck disable=SC2016  # $0 is the fake loader's own, expanded when it runs
printf '#!/bin/sh\necho "$0: cannot execute binary file: Exec format error" >&2\nexit 126\n' \
  >"$work/refused"
chmod +x "$work/refused"
readonly kUnset=(-u GAVRENTO_NO_32BIT -u GAVRENTO_WINE32_LOADER -u GAVRENTO_WINE64_LOADER)

# expect_wine NAME STATUS TEXT -- ENV... : runs wine.sh with ENV; it must exit STATUS and say TEXT
expect_wine() {
  local name=$1 status=$2 text=$3 output actual
  shift 4
  output=$(env "${kUnset[@]}" "$@" "$windows_tests/wine.sh" i686 "$work/prefix" "$program" 2>&1)
  actual=$?
  if [[ $actual -eq $status && $output == *"$text"* ]]; then
    pass "$name"
  else
    fail "$name" "exit $actual, said: $output"
  fi
}

expect_wine "no 32-bit support: skipped, with the reason" 77 \
  "this machine cannot execute 32-bit programs" -- GAVRENTO_WINE32_LOADER="$work/loader32"
expect_wine "32-bit path forced off: skipped, with the reason" 77 "GAVRENTO_NO_32BIT is set" -- \
  GAVRENTO_NO_32BIT=1
expect_wine "no 32-bit loader at all: a failure, not a skip" 1 "loader $work/none is missing" -- \
  GAVRENTO_WINE32_LOADER="$work/none"
expect_wine "no wine loader: fails at once" 1 "wine cannot start programs" -- \
  GAVRENTO_WINE64_LOADER="$work/none"
check "no prefix is made when nothing can run" test ! -e "$work/prefix"

# Every wait of the checks (poll, and Xvfb's start) sleeps: a sleep here ends the check at
# once and leaves a mark, so a check that would wait fails here instead of taking minutes.
mkdir "$work/bin"
# shellcheck disable=SC2016  # $* and $PPID are the fake's own
printf '#!/bin/sh\necho "$*" >>"%s/waited"\nkill -TERM $PPID\n' "$work" >"$work/bin/sleep"
chmod +x "$work/bin/sleep"

# refused_check NAME STATUS TEXT SCRIPT ARCH ARGS... : the window check SCRIPT for ARCH, both
# loaders refused, must exit STATUS, say TEXT in its one line and never wait.
refused_check() {
  local name=$1 status=$2 text=$3 script=$4 output actual
  shift 4
  rm -f "$work/waited"
  output=$(env "${kUnset[@]}" PATH="$work/bin:$PATH" GAVRENTO_WINE64_LOADER="$work/refused" \
    GAVRENTO_WINE32_LOADER="$work/refused" "$windows_tests/$script" "$@" 2>&1)
  actual=$?
  if [[ $actual -eq $status && $output == *"$text"* && $output != *$'\n'* && ! -e $work/waited ]]
  then
    pass "$name"
  else
    fail "$name" "exit $actual$([[ -e $work/waited ]] && echo ', waited'), said: $output"
  fi
}

# Each window check with the arguments it takes, but its architecture and prefix.
run_each_check() { # run_each_check NAME STATUS TEXT ARCH PREFIX
  local name=$1 status=$2 text=$3 arch=$4 prefix=$5
  refused_check "wine.sh, $name" "$status" "$text" wine.sh "$arch" "$prefix" "$program"
  refused_check "run-tests.sh, $name" "$status" "$text" run-tests.sh "$arch" "$program" \
    "$program" "$program" "$prefix" 96
  refused_check "check-accessibility.sh, $name" "$status" "$text" check-accessibility.sh \
    "$arch" "$program" "$program" "$program" "$prefix"
  refused_check "check-start-failure.sh, $name" "$status" "$text" check-start-failure.sh \
    "$arch" "$program" "$program" "$prefix"
}

readonly kStops="wine cannot start programs: $work/refused --version exited 126"
readonly kSkips="SKIPPED: not running the 32-bit program: this machine cannot execute 32-bit programs"
for made in "no prefix yet" "the prefix made before"; do
  prefix=$work/prefix-${made// /-}
  [[ $made == "the prefix made before" ]] && mkdir -p "$prefix" && touch "$prefix/system.reg"
  run_each_check "64-bit, both loaders refused, $made: stops at once" 1 "$kStops" x86_64 "$prefix"
  run_each_check "32-bit, both loaders refused, $made: skipped" 77 "$kSkips" i686 "$prefix"
done
refused_check "check-install.sh, both loaders refused: stops at once" 1 "$kStops" \
  check-install.sh x86_64 "$package" "$program" "$program" "$program" "$work/msi-prefix" "$version" \
  "a description"
check "nothing of wine is left in the prefix never made" test ! -e "$work/prefix-no-prefix-yet"

# A loader that hands the program to start.exe, as wine's does when it cannot start it, for
# its first $FAILS calls, and then runs it: cmd answers 0.
cat >"$work/flaky" <<EOF
#!/bin/sh
echo x >>"$work/starts"
[ "\$(wc -l <"$work/starts")" -gt "\$FAILS" ] && echo 0 && exit
printf 'Application could not be started, or no application associated with the specified file.\r\n'
printf 'ShellExecuteEx failed: Internal error.\r\n'
EOF
chmod +x "$work/flaky"
readonly kStartExe="Application could not be started, or no application associated with the \
specified file."$'\n'"ShellExecuteEx failed: Internal error."
source "$windows_tests/wine-env.sh"
rm -f "$work/starts"
expect "wine not starting a program once: it is tried again, saying so" \
  "$(WINELOADER=$work/flaky FAILS=1 wine_output cmd 2>&1)" \
  "wine did not start cmd (${kStartExe//$'\n'/ }): trying once more"$'\n'0
rm -f "$work/starts"
expect "wine not starting it twice: its answer is what the check sees" \
  "$(WINELOADER=$work/flaky FAILS=2 wine_output cmd 2>/dev/null)" "$kStartExe"
finish "wine harness"
