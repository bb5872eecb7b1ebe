# Sourced by every check written in shell: one way to say PASS and FAIL, to wait for a
# condition, to clean up, and to get a virtual display. A script ends with `finish`, which
# prints the totals and exits 1 when any check failed.
#
#   expect NAME ACTUAL WANTED   passes when the two texts are equal, else shows both
#   check NAME COMMAND...       passes when the command succeeds
#   pass NAME / fail NAME [WHY] say so directly
#   lines TEXT...               one argument a line, to build a WANTED of several lines
#   poll SECONDS COMMAND...     retries the command every tenth of a second until it
#                               succeeds; false once SECONDS have passed. Never a fixed wait.
#   on_exit COMMAND             runs the command (a string) when the script ends, last first
#   work_folder                 a private temporary folder in $work, removed at the end
#   skip WHY                    the whole check cannot run here: says why, exits 77
#                               (CTest's SKIP_RETURN_CODE)
#   start_xvfb [WxHxD]          a private X server on a display number it chooses itself
#                               (-displayfd: no race with other tests); exports DISPLAY
#   finish [WHAT]               "WHAT: N passed, M failed", then exit 0 or 1

passed=0
failed=0

pass() {
  echo "PASS $1"
  passed=$((passed + 1))
}

fail() {
  echo "FAIL $1${2:+: $2}"
  failed=$((failed + 1))
}

expect() {
  if [[ $2 == "$3" ]]; then
    pass "$1"
  else
    fail "$1" "$(printf '\n  found:  %s\n  wanted: %s' "${2//$'\n'/ | }" "${3//$'\n'/ | }")"
  fi
}

check() {
  local name=$1
  shift
  if "$@"; then pass "$name"; else fail "$name"; fi
}

lines() { printf '%s\n' "$@"; }

poll() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

checks_cleanups=()
on_exit() { checks_cleanups=("$1" "${checks_cleanups[@]}"); }
checks_run_cleanups() {
  local status=$? command
  for command in "${checks_cleanups[@]}"; do eval "$command" || true; done
  return $status
}
trap checks_run_cleanups EXIT

work_folder() {
  work=$(mktemp -d)
  on_exit "rm -rf '$work'"
}

skip() {
  echo "SKIPPED: $1"
  exit 77
}

start_xvfb() {
  local screen=${1:-1280x1024x24} display_file log pid
  command -v Xvfb >/dev/null || skip "Xvfb is not installed"
  display_file=$(mktemp)
  log=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$display_file" 2>"$log" &
  pid=$!
  on_exit "kill $pid 2>/dev/null; wait $pid 2>/dev/null; rm -f '$display_file' '$log'"
  if ! poll 30 test -s "$display_file"; then
    cat "$log" >&2
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$display_file")"
}

finish() {
  echo "${1:-$(basename "$0")}: $passed passed, $failed failed"
  [[ $failed -eq 0 ]]
  exit
}
