#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A journey survives a killed program: plays a few days of the real program by seed, kills it
# with SIGKILL, starts it plainly, answers the question with Enter, and checks that the main
# window shows exactly what it showed before the kill, pixel for pixel, and that the days played
# on show the markets of the same run played without a break.
#
# usage: resume.sh PROGRAM XWATCH SEED
# The seed's first market must sell its fifth good for less than the starting cash.
source "$(dirname "$0")/driving.sh" resume -- "$@"
program=$2
xwatch=$3
seed=$4
work=$(mktemp -d)
log="$work/log"
pid=
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

shown() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
wait_for() { # condition, tenths of a second
  for _ in $(seq "$2"); do
    eval "$1" && return 0
    sleep 0.1
  done
  return 1
}
main_window() { # the day it shows
  timeout 30 xdotool search --sync --onlyvisible --name "\\($1/60\\)\$" | head -n 1
}

start() {
  "$program" "$@" >>"$log" 2>&1 &
  pid=$!
}

# Travels from 火车站 and closes the diary the day may bring.
travel() {
  local window=$1 day=$2
  xdotool mousemove --window "$window" 360 272 click 1
  wait_for 'shown "\\($((day + 1))/60\\)\$" || shown "\\($((day + 2))/60\\)\$"' 100 ||
    fail "the day did not advance from $day"
  if wait_for 'shown "^我的日记本$"' 3; then
    "$xwatch" close '我的日记本' >/dev/null || fail "could not close the diary"
    wait_for '! shown "^我的日记本$"' 100 || fail "the diary did not close"
  fi
}

day_of() {
  local title
  title=$(xdotool getwindowname "$1")
  title=${title##*(}
  echo "${title%%/60)}"
}

# Buys the most of the market's fifth good that the cash pays for.
buy_fifth_good() {
  local window=$1
  xdotool mousemove --window "$window" 150 100 click 1
  xdotool mousemove --window "$window" 308 40 click 1
  wait_for '[ "$(xdotool getwindowfocus)" != "$window" ]' 50 || fail "no trade dialog opened"
  xdotool key Return
  wait_for '[ "$(xdotool search --onlyvisible --name . | wc -l)" -eq 1 ]' 50 ||
    fail "the trade dialog did not close on Enter"
}

# A picture of the main window with the same control focused and the pointer resting in the
# same empty place, so that only what the game shows can differ.
picture() {
  local window=$1 file=$2
  xdotool mousemove --window "$window" 420 110 click 1
  sleep 0.3
  "$xwatch" shot "($(day_of "$window")/60)" "$file" || fail "no picture of the main window"
}

# The first days, the same in both runs: travel, buy, travel twice.
play_first_days() {
  local window
  window=$(main_window 1) || fail "no main window on day 1"
  travel "$window" 1
  buy_fifth_good "$window"
  travel "$window" "$(day_of "$window")"
  travel "$window" "$(day_of "$window")"
  echo "$window"
}

# Three more days, a picture after each.
play_on() {
  local window=$1 prefix=$2
  for n in 1 2 3; do
    travel "$window" "$(day_of "$window")"
    picture "$window" "$work/$prefix-$n.ppm"
  done
}

# The unbroken run, kept in a data folder of its own.
export XDG_DATA_HOME="$work/unbroken"
start --seed "$seed"
window=$(play_first_days)
picture "$window" "$work/unbroken-before.ppm"
play_on "$window" unbroken
echo "resume: played the unbroken run to day $(day_of "$window")"
kill -9 "$pid"
wait "$pid" 2>/dev/null || true

export XDG_DATA_HOME="$work/broken"
start --seed "$seed"
window=$(play_first_days)
day=$(day_of "$window")
picture "$window" "$work/before.ppm"
cmp -s "$work/before.ppm" "$work/unbroken-before.ppm" || fail "the two runs differ before the kill"
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
pid=
echo "resume: killed the program on day $day"

start
question=$(timeout 30 xdotool search --sync --onlyvisible --name '^潮汐货郎$' | head -n 1) ||
  { cat "$log" >&2; fail "no question about the saved journey"; }
xdotool windowfocus "$question"
xdotool key Return
window=$(main_window "$day") || { cat "$log" >&2; fail "the main window did not come back on day $day"; }
picture "$window" "$work/after.ppm"
cmp -s "$work/before.ppm" "$work/after.ppm" ||
  fail "the main window shows something else than before the kill"
echo "resume: the main window shows what it showed before the kill"

play_on "$window" broken
for n in 1 2 3; do
  cmp -s "$work/unbroken-$n.ppm" "$work/broken-$n.ppm" ||
    fail "day $n after the kill differs from the unbroken run"
done
echo "resume: passed"
