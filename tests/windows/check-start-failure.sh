#!/usr/bin/env bash
# When Windows will not create the window, the user is told so in a message box, and once
# it is answered the program ends with status 1.
# Usage: tests/windows/check-start-failure.sh ARCH START_FAILURE.exe READ_CONTROLS.exe PREFIX
# Exits 77 when the machine cannot run 32-bit programs.
set -uo pipefail
source "$(dirname "$0")/wine-window.sh"
arch=$1
program=$(realpath "$2")
prefix=$4

wine_prepare "$arch" "$prefix" || exit
work_folder
wine_desktop "$prefix" "$(realpath "$3")" || { fail "Xvfb starts"; finish; }
(
  wine_run "$program" >/dev/null 2>&1
  echo $? >"$app_status"
) &

readonly kTitle=Gavrento
box_says() { reader dialog "$kTitle" | grep -qF -- "$1"; }
check "a message box titled $kTitle says the window could not be created" \
  poll 60 box_says "Impossibile aprire la finestra"
check "it has one button" box_says $'Button\t'
check "after OK the program ends with status 1" eval 'xdotool key Return && ended_with 1'
finish "$(basename "$program") ($arch) when its window cannot be created"
