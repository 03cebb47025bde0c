#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program's answers to its command line with no display at all: help and version succeed
# without loading a platform plugin, a bad option or seed gives one line and the usage on stderr
# and status 2, and a start that finds no display to open says so in one line and ends with
# status 1, never with abort() and its core dump.
#
# usage: command-line.sh PROGRAM
set -uo pipefail
program=$(realpath "$1")
failures=0
no_display_line='tidepeddler: cannot open a display; set DISPLAY or WAYLAND_DISPLAY'

fail() {
  echo "command-line: $*" >&2
  failures=$((failures + 1))
}

# No display and no platform chosen, as on a console or over ssh without X forwarding. Qt says
# which plugins it loads when QT_DEBUG_PLUGINS is set, so loading one shows up on stderr.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export QT_DEBUG_PLUGINS=1
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
scratch=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR" "$scratch"' EXIT
# A core dump, were one written, would land in the scratch folder, not among the tests.
cd "$scratch" || exit 1

for platform in "" xcb; do
  for help in --help -h; do
    out=$(QT_QPA_PLATFORM=$platform "$program" $help 2>"$scratch/err"); status=$?
    [ "$status" -eq 0 ] || fail "$help (platform '$platform') ended with $status"
    head -n 1 <<<"$out" | grep -qx 'Usage: tidepeddler \[options\]' ||
      fail "$help began with '$(head -n 1 <<<"$out")'"
    grep -q -- '--seed' <<<"$out" || fail "$help does not mention --seed"
    [ ! -s "$scratch/err" ] || fail "$help wrote to stderr: $(head -n 3 "$scratch/err")"
  done
  for version in --version -v; do
    out=$(QT_QPA_PLATFORM=$platform "$program" $version 2>"$scratch/err"); status=$?
    [ "$status" -eq 0 ] || fail "$version (platform '$platform') ended with $status"
    grep -qxE 'tidepeddler [0-9]+\.[0-9]+\.[0-9]+' <<<"$out" || fail "$version printed '$out'"
    [ ! -s "$scratch/err" ] || fail "$version wrote to stderr: $(head -n 3 "$scratch/err")"
  done
done

# The hall of fame prints without a display; with no run recorded yet it says so.
out=$(XDG_DATA_HOME="$scratch/data" "$program" --scores 2>"$scratch/err"); status=$?
[ "$status" -eq 0 ] || fail "--scores ended with $status"
[ -n "$out" ] || fail "--scores printed nothing"
[ ! -s "$scratch/err" ] || fail "--scores wrote to stderr: $(head -n 3 "$scratch/err")"
[ ! -e "$scratch/data/tidepeddler/hall-of-fame.json" ] || fail "--scores wrote a file"

# So do the statistics: all zeros before any journey ends, a kept file's figures after, and a
# damaged file told in one line and left where it is.
out=$(XDG_DATA_HOME="$scratch/data" "$program" --stats 2>"$scratch/err"); status=$?
[ "$status" -eq 0 ] && [ "$(grep -c '^0  ' <<<"$out")" -eq 9 ] || fail "--stats printed '$out'"
[ ! -s "$scratch/err" ] && [ ! -e "$scratch/data/tidepeddler" ] || fail "--stats wrote something"
mkdir -p "$scratch/data/tidepeddler"
kept="$scratch/data/tidepeddler/statistics.json"
echo '{"version": 1, "cameHome": 2, "died": 1, "givenUp": 0, "bestAmount": 1234567,
  "totalAmount": 1234568, "currentStreak": 0, "longestStreak": 2, "daysTravelled": 140}' >"$kept"
out=$(XDG_DATA_HOME="$scratch/data" "$program" --stats)
grep -qx '1,234,567  最高金额' <<<"$out" && grep -qx '  617,284  平均金额' <<<"$out" ||
  fail "--stats printed '$out'"
echo '{"version": 1}' >"$kept"
out=$(XDG_DATA_HOME="$scratch/data" "$program" --stats 2>"$scratch/err"); status=$?
[ "$status" -eq 0 ] && [ "$(wc -l <"$scratch/err")" -eq 1 ] && [ -e "$kept" ] ||
  fail "--stats on a damaged file ended with $status, said '$(cat "$scratch/err")'"

# With no journey saved and no run ended there is no journal: one line says so.
out=$(XDG_DATA_HOME="$scratch/none" "$program" --journal 2>"$scratch/err"); status=$?
[ "$status" -eq 1 ] && [ -z "$out" ] && [ "$(wc -l <"$scratch/err")" -eq 1 ] ||
  fail "--journal with none ended with $status, said '$out' and '$(cat "$scratch/err")'"

# The best run of a seed, for a player and for programs, with no display.
out=$("$program" --best-run 42 2>"$scratch/err"); status=$?
json=$("$program" --best-run 42 --json)
read -r amount bound < <(/usr/bin/python3 -c '
import json, sys
run = json.loads(sys.argv[1])
assert run["seed"] == 42 and run["plan"] and 0 < run["amount"] <= run["bound"]
print(run["amount"], run["bound"])' "$json") || fail "--best-run 42 --json printed no best run: $json"
[ "$status" -eq 0 ] && grep -q "$amount.*$bound" <<<"$(tail -n 1 <<<"$out")" ||
  fail "--best-run 42 ended with $status, said '$(tail -n 2 <<<"$out")' and '$(cat "$scratch/err")'"

for args in "--seed abc" "--seed -1" "--seed 4294967296" "--seed" "--colour" "extra" "--help-all"; do
  # shellcheck disable=SC2086
  err=$(timeout 10 "$program" $args 2>&1 >/dev/null); status=$?
  [ "$status" -eq 2 ] || fail "'$args' ended with $status, not 2"
  first=$(head -n 1 <<<"$err")
  [[ "$first" == tidepeddler:* ]] || fail "'$args' began its answer with '$first'"
  grep -q -- '--seed' <<<"$err" || fail "'$args' did not print the usage"
  grep -q 'qt\.' <<<"$err" && fail "'$args' loaded a Qt plugin"
done

# Starts that cannot show a window: exactly one line on stderr, nothing on stdout, status 1.
expect_no_display() { # description, then the environment and arguments for env
  local what=$1
  shift
  out=$(timeout 20 env "$@" "$program" --seed 1 2>"$scratch/err"); status=$?
  [ "$status" -eq 1 ] || fail "$what: ended with $status, not 1"
  [ -z "$out" ] || fail "$what: printed '$out'"
  [ "$(cat "$scratch/err")" = "$no_display_line" ] ||
    fail "$what: said '$(head -n 5 "$scratch/err")'"
}
expect_no_display "no display"
expect_no_display "empty DISPLAY" DISPLAY=
# No X server listens there: the connection is refused, as when the server has gone away.
expect_no_display "a DISPLAY that is not there" DISPLAY="unix:$scratch/no-server:0"
expect_no_display "xcb chosen without DISPLAY" QT_QPA_PLATFORM=xcb
expect_no_display "wayland chosen without WAYLAND_DISPLAY" QT_QPA_PLATFORM=wayland
expect_no_display "a WAYLAND_DISPLAY that is not there" WAYLAND_DISPLAY=wayland-tp-none
expect_no_display "both set, neither there" DISPLAY="unix:$scratch/no-server:0" \
  WAYLAND_DISPLAY=wayland-tp-none

# A platform the check does not know is left to Qt; when Qt finds no way to start it, the
# answer is still status 1 with the same line last, not an abort.
out=$(timeout 20 env QT_QPA_PLATFORM=tp-no-such-platform "$program" 2>"$scratch/err"); status=$?
[ "$status" -eq 1 ] || fail "an unknown platform ended with $status, not 1"
[ "$(tail -n 1 "$scratch/err")" = "$no_display_line" ] ||
  fail "an unknown platform ended its answer with '$(tail -n 1 "$scratch/err")'"
ls core* >/dev/null 2>&1 && fail "a core file was written"

[ "$failures" -eq 0 ] && echo "command-line: passed"
exit $((failures > 0))
