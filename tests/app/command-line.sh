#!/usr/bin/env bash
# The program's answers to its command line, without opening a window: help and version
# succeed, a bad option or seed gives one line and the usage on stderr and status 2.
#
# usage: command-line.sh PROGRAM
set -uo pipefail
program=$1
failures=0

fail() {
  echo "command-line: $*" >&2
  failures=$((failures + 1))
}

# No display at all: a window would fail to open, so reaching it shows up as an error.
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=minimal
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

out=$("$program" --help 2>/dev/null); status=$?
[ "$status" -eq 0 ] || fail "--help ended with $status"
grep -q -- '--seed' <<<"$out" || fail "--help does not mention --seed"

out=$("$program" --version 2>/dev/null); status=$?
[ "$status" -eq 0 ] || fail "--version ended with $status"
grep -qE '^tidepeddler [0-9]+\.[0-9]+' <<<"$out" || fail "--version printed '$out'"

for args in "--seed abc" "--seed -1" "--seed 4294967296" "--seed" "--colour" "extra"; do
  # shellcheck disable=SC2086
  err=$(timeout 10 "$program" $args 2>&1 >/dev/null); status=$?
  [ "$status" -eq 2 ] || fail "'$args' ended with $status, not 2"
  first=$(head -n 1 <<<"$err")
  [[ "$first" == tidepeddler:* ]] || fail "'$args' began its answer with '$first'"
  grep -q -- '--seed' <<<"$err" || fail "'$args' did not print the usage"
done

[ "$failures" -eq 0 ] && echo "command-line: passed"
exit $((failures > 0))
