#!/bin/bash
# The program natively on a Wayland desktop, for ctest. A headless weston; the program started
# as a Wayland session starts it (XDG_SESSION_TYPE=wayland, no X display, no platform forced,
# so Qt chooses); the Wayland protocol log (WAYLAND_DEBUG=1) read for the window's title, the
# desktop entry it names, and the compositor's answer. Exits 77 (ctest SKIP_RETURN_CODE) when
# weston or Qt's Wayland platform (qt6-wayland) is not installed.
#
# Usage: check-wayland.sh <gavrento> <desktop entry name> <Qt platform plugin folder>
set -euo pipefail

program=${1:?program}
desktop_entry=${2:?desktop entry name}
platforms=${3:?Qt platform plugin folder}
readonly title="Calcolo del Gavrento dell'Uomo e della Donna"
readonly socket=gavrento-test
readonly patience=200  # tenths of a second: an upper bound for each wait, never a fixed one

if ! command -v weston >/dev/null 2>&1; then
  echo "SKIP: weston is not installed"
  exit 77
fi
if [[ ! -e "$platforms/libqwayland-generic.so" ]]; then
  echo "SKIP: Qt's Wayland platform (qt6-wayland) is not installed in $platforms"
  exit 77
fi

work=$(mktemp -d)
mkdir -m 700 "$work/runtime" "$work/home"
compositor=
client=
finish() {
  local status=$? pid
  for pid in $client $compositor; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
  exit "$status"
}
trap finish EXIT

# Waits until the command succeeds; false when patience runs out.
poll() {
  local tick
  for ((tick = 0; tick < patience; ++tick)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
running() { kill -0 "$1" 2>/dev/null; }
fail() {
  echo "FAIL: $*"
  echo "--- weston:"
  cat "$work/weston.log"
  echo "--- the program's protocol log, last lines:"
  tail -n 40 "$work/protocol.log"
  exit 1
}

XDG_RUNTIME_DIR="$work/runtime" weston --backend=headless-backend.so --shell=kiosk-shell.so \
  --no-config --idle-time=0 --socket="$socket" >"$work/weston.log" 2>&1 &
compositor=$!
poll test -S "$work/runtime/$socket" || { touch "$work/protocol.log"; fail "weston did not start"; }

env -i PATH="$PATH" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_SESSION_TYPE=wayland \
  WAYLAND_DISPLAY="$socket" WAYLAND_DEBUG=1 "$program" >"$work/protocol.log" 2>&1 &
client=$!

# Requests the program sends are marked "->"; events from the compositor are not.
sent() { grep -qF -- "$1" "$work/protocol.log"; }
answered() { grep -qE '^\[[0-9. ]+\] xdg_toplevel@[0-9]+\.configure\(' "$work/protocol.log"; }
poll sent "set_title(\"$title\")" || fail "no xdg_toplevel.set_title with the window's caption"
poll sent "set_app_id(\"$desktop_entry\")" || fail "the window does not name $desktop_entry"
poll answered || fail "the compositor did not configure the window"
running "$client" || fail "the program ended"
grep -E 'set_title|set_app_id|xdg_toplevel@[0-9]+\.configure' "$work/protocol.log"
echo "PASS: the window reached weston through Wayland, with its caption and desktop entry"
