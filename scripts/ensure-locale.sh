#!/usr/bin/env bash
# Makes sure the C library knows the named UTF-8 locale, so tests can check that the
# height is read with the period even under a locale with a decimal comma.
# Usage: scripts/ensure-locale.sh it_IT
set -euo pipefail
name=${1:?usage: ensure-locale.sh LANGUAGE_TERRITORY}
if locale -a 2>/dev/null | grep -qix "${name}.utf8"; then exit 0; fi
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
"${as_root[@]}" localedef -i "$name" -f UTF-8 "${name}.UTF-8"
