# Sourced by the checks written in shell that compare what a tool read with what is wanted.
# Each check prints PASS or FAIL with both sides; the script ends with `exit $failed`.

failed=0

expect() { # expect NAME ACTUAL WANTED
  if [[ $2 == "$3" ]]; then
    echo "PASS $1"
  else
    printf 'FAIL %s:\n  found:  %s\n  wanted: %s\n' "$1" "${2//$'\n'/ | }" "${3//$'\n'/ | }"
    failed=1
  fi
}

lines() { printf '%s\n' "$@"; }
