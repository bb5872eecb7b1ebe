#!/bin/bash
# Runs a freedesktop validator on one file for ctest.  Exits 77 (ctest SKIP_RETURN_CODE) when
# the validator is not installed, so a missing tool shows up as "skipped" instead of a pass.
# Warnings fail the test as well as errors: software centres hide or demote entries that
# produce them.  Hints and pedantic infos are printed but allowed.
#
# Usage: run-validator.sh desktop-file-validate <file.desktop>
#        run-validator.sh appstreamcli <file.metainfo.xml>
set -euo pipefail

tool=${1:?validator name}
file=${2:?file to validate}

if ! command -v "$tool" >/dev/null 2>&1; then
  echo "SKIP: $tool is not installed"
  exit 77
fi

case "$tool" in
  desktop-file-validate) command=(desktop-file-validate "$file") ;;
  appstreamcli) command=(appstreamcli validate --no-net --no-color "$file") ;;
  *) echo "unknown validator: $tool" >&2; exit 2 ;;
esac

status=0
output=$("${command[@]}" 2>&1) || status=$?
printf '%s\n' "$output"

if [[ $status -ne 0 ]]; then
  echo "FAIL: $tool exited with status $status"
  exit 1
fi
# desktop-file-validate prints "<file>: error: ..." / "<file>: warning: ...";
# appstreamcli prints "E: ..." / "W: ...".
if grep -Eq '(^[EW]: |: (error|warning): )' <<<"$output"; then
  echo "FAIL: $tool reported errors or warnings"
  exit 1
fi
echo "PASS: $tool found nothing to complain about"
