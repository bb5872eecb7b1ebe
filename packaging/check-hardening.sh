#!/bin/bash
# hardening-check (devscripts) on the program and on a probe built with the same options, for
# ctest. Exits 77 (ctest SKIP_RETURN_CODE) when hardening-check is not installed.
#
# Usage: check-hardening.sh <c++ compiler> <gavrento> <hardening_probe> <its object file>
set -uo pipefail
source "$(dirname "$0")/../tests/checks.sh"

compiler=${1:?compiler}
program=${2:?program}
probe=${3:?probe}
probe_object=${4:?object file of the probe}

command -v hardening-check >/dev/null 2>&1 || skip "hardening-check (devscripts) is not installed"

options=()
# The linker marks a program as protected against control-flow attacks only when every object
# in it is marked. Debian 12's C start files are not (the _init of crti.o has no end-branch
# instruction), so no program linked there is marked, Debian's own included; forcing the mark
# with -z ibt would be a false claim. The objects compiled here are checked instead (x86 only:
# elsewhere the compiler has no -fcf-protection).
start_file=$("$compiler" -print-file-name=crti.o)
if ! readelf --notes "$start_file" | grep -q 'IBT'; then
  echo "NOT CHECKED in the programs: control-flow protection, as $start_file has no IBT mark:"
  echo "  the linker leaves it off every program on this system"
  options+=(--nocfprotection)
  if [[ $(uname -m) == @(x86_64|i?86) ]]; then
    marked() { readelf --notes "$probe_object" | grep -q 'x86 feature: IBT, SHSTK'; }
    check "the compiled objects carry the IBT and SHSTK marks" marked
  fi
fi

# Gavrento's calls that have fortified variants (memcpy, memmove, memset) copy into buffers
# whose size is unknown when compiling, so hardening-check finds "only unprotected functions",
# the false alarm its manual describes; the probe answers for the flag instead.
check "the program: PIE, stack protector, read-only relocations, immediate binding" \
  hardening-check "${options[@]}" --nofortify "$program"
report=$(hardening-check "${options[@]}" "$probe")
check "the probe: every flag, fortified functions included" test $? -eq 0
printf '%s\n' "$report"
# hardening-check does not fail on "unknown" here, which is all it can say of a program
# without large frames: the probe has one.
expect "the probe has stack-clash probes" \
  "$(grep -o 'Stack clash protection: yes' <<<"$report")" "Stack clash protection: yes"
finish "hardening"
