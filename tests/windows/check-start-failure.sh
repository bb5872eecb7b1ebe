#!/usr/bin/env bash
# When Windows will not create the window, the user is told so in a message box, and once
# it is answered the program ends with status 1.
# Usage: tests/windows/check-start-failure.sh ARCH START_FAILURE.exe READ_CONTROLS.exe PREFIX
# Exits 77 when the machine cannot run 32-bit programs.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../checks.sh"
source "$here/wine-env.sh"
arch=$1
program=$(realpath "$2")
reader=$(realpath "$3")
prefix=$4

wine_prepare "$arch" "$prefix" || exit
start_xvfb 800x600x24 || { fail "Xvfb did not start"; finish; }
wineserver -p
on_exit "wineserver -k >/dev/null 2>&1"
export LC_ALL=C

work_folder
(
  wine_run "$program" >/dev/null 2>&1
  echo $? >"$work/status"
) &

readonly kTitle=Gavrento
box_says() { wine_run "$reader" dialog "$kTitle" 2>/dev/null | grep -qF -- "$1"; }
ended() { [[ -s $work/status ]]; }
check "a message box titled $kTitle says the window could not be created" \
  poll 60 box_says "Impossibile creare la finestra."
check "it has one button" box_says $'Button\t'
check "after OK the program ends with status 1" \
  eval 'xdotool key Return && poll 30 ended && [[ $(cat "$work/status") == 1 ]]'
finish "$(basename "$program") ($arch) when its window cannot be created"
