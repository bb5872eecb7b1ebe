#!/bin/bash
# The program natively on a Wayland desktop, for ctest. A headless weston; the program started
# as a Wayland session starts it (XDG_SESSION_TYPE=wayland, no X display, no platform forced,
# so Qt chooses); the Wayland protocol log (WAYLAND_DEBUG=1) read for the window's title, the
# desktop entry it names, and the compositor's answer. Exits 77 (ctest SKIP_RETURN_CODE) when
# weston or Qt's Wayland platform (qt6-wayland) is not installed. Then the compositor ends
# under a second start of the program, one with a runtime folder of its own.
#
# Usage: check-wayland.sh <gavrento> <desktop entry name> <Qt platform plugin folder>
set -uo pipefail
source "$(dirname "$0")/../tests/checks.sh"

program=${1:?program}
desktop_entry=${2:?desktop entry name}
platforms=${3:?Qt platform plugin folder}
readonly title="Calcolo del Gavrento dell'Uomo e della Donna"
readonly socket=gavrento-test
readonly patience=20  # seconds: an upper bound for each wait, never a fixed one

command -v weston >/dev/null 2>&1 || skip "weston is not installed"
[[ -e "$platforms/libqwayland-generic.so" ]] ||
  skip "Qt's Wayland platform (qt6-wayland) is not installed in $platforms"

work_folder
mkdir -m 700 "$work/runtime" "$work/home" "$work/tmp"
touch "$work/protocol.log"
# What went wrong, when something did.
show_logs() {
  ((failed > 0)) || return 0
  echo "--- weston:"
  cat "$work/weston.log"
  echo "--- the program's protocol log, last lines:"
  tail -n 40 "$work/protocol.log"
}
on_exit show_logs

XDG_RUNTIME_DIR="$work/runtime" weston --backend=headless-backend.so --shell=kiosk-shell.so \
  --no-config --idle-time=0 --socket="$socket" >"$work/weston.log" 2>&1 &
compositor=$!
on_exit "kill $compositor 2>/dev/null; wait $compositor 2>/dev/null"
poll $patience test -S "$work/runtime/$socket" || { fail "weston did not start"; finish wayland; }

env -i PATH="$PATH" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_SESSION_TYPE=wayland \
  WAYLAND_DISPLAY="$socket" WAYLAND_DEBUG=1 "$program" >"$work/protocol.log" 2>&1 &
client=$!
on_exit "kill $client 2>/dev/null; wait $client 2>/dev/null"

# Requests the program sends are marked "->"; events from the compositor are not.
sent() { grep -qF -- "$1" "$work/protocol.log"; }
answered() { grep -qE '^\[[0-9. ]+\] xdg_toplevel@[0-9]+\.configure\(' "${1:-$work/protocol.log}"; }
check "the window's caption reaches weston (xdg_toplevel.set_title)" \
  poll $patience sent "set_title(\"$title\")"
check "the window names its desktop entry, $desktop_entry" poll $patience sent "set_app_id(\"$desktop_entry\")"
check "the compositor configures the window" poll $patience answered
check "the program is still running" kill -0 "$client"
grep -E 'set_title|set_app_id|xdg_toplevel@[0-9]+\.configure' "$work/protocol.log"

# Without XDG_RUNTIME_DIR (sudo, a container), the display named by its path: the program
# makes a runtime folder of its own, and removes it as Qt ends the program for the lost
# compositor, with Qt's status and message.
timeout $patience env -i PATH="$PATH" HOME="$work/home" TMPDIR="$work/tmp" \
  XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY="$work/runtime/$socket" WAYLAND_DEBUG=1 \
  "$program" >"$work/lost.log" 2>&1 &
orphan=$!
check "the second window is configured" poll $patience answered "$work/lost.log"
check "it has a runtime folder of its own" compgen -G "$work/tmp/gavrento-*"
kill $compositor && wait $compositor
wait $orphan
expect "its status once the compositor has gone" $? 1
expect "what it says" "$(grep -v '^\[' "$work/lost.log")" \
  "The Wayland connection broke. Did the Wayland compositor die?"
expect "what it leaves in its temporary folder" "$(ls -A "$work/tmp")" ""
finish "wayland session"
