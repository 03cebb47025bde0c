#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plays a whole run of the real program in a real X server, a journey a day without trading,
# closing every diary: after day 60 the end message comes, then the hall of fame shows this
# run; closing it ends the program with status 0, the hall-of-fame file holds the run, and
# --scores prints it without a display.
#
# usage: whole-game.sh PROGRAM XWATCH SEED
# The seed must be one whose run survives sixty days of travelling alone.
source "$(dirname "$0")/driving.sh" whole-game -- "$@"
program=$2
xwatch=$3
seed=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/data"
log="$work/log"

"$program" --seed "$seed" >"$log" 2>&1 &
pid=$!

window=$(timeout 30 xdotool search --sync --onlyvisible --name '\(1/60\)$' | head -n 1) ||
  { cat "$log" >&2; fail "no window titled with (1/60) within 30 s"; }

shown() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
day_of_title() {
  local title
  title=$(xdotool getwindowname "$window" 2>/dev/null) || return 1
  title=${title##*(}
  echo "${title%%/60)}"
}
wait_for() { # condition, tenths of a second
  for _ in $(seq "$2"); do
    eval "$1" && return 0
    sleep 0.1
  done
  return 1
}

day=1
journeys=0
while ! shown '^tidepeddler$'; do
  (( journeys < 70 )) || fail "still travelling after $journeys journeys, on day $day"
  # 火车站 lies at 336,264, 49 x 17, in the window.
  xdotool mousemove --window "$window" 360 272 click 1
  journeys=$((journeys + 1))
  wait_for '[ "$(day_of_title)" -gt "$day" ] || shown "^tidepeddler$"' 100 ||
    fail "the day did not advance from $day"
  # The diary of a day with an event opens right after the title changes.
  if wait_for 'shown "^我的日记本$"' 3; then
    "$xwatch" close '我的日记本' >/dev/null || fail "could not close the diary on day $day"
    wait_for '! shown "^我的日记本$"' 100 || fail "the diary did not close"
  fi
  day=$(day_of_title)
done
echo "whole-game: the end message came after $journeys journeys"

"$xwatch" close tidepeddler >/dev/null || fail "could not close the end message"
wait_for 'shown "^富豪榜$"' 100 || { cat "$log" >&2; fail "no hall-of-fame window after the end"; }
shown '\(60/60\)$' && fail "the main window is still shown beside the hall of fame"
echo "whole-game: the hall of fame opened"

file="$XDG_DATA_HOME/tidepeddler/hall-of-fame.json"
[ -f "$file" ] || fail "no hall-of-fame file at $file"
grep -q "\"seed\": $seed\b" "$file" || { cat "$file" >&2; fail "the file does not hold the run"; }
grep -q '"name": "路人甲"' "$file" || { cat "$file" >&2; fail "the file does not hold the name"; }

"$xwatch" close '富豪榜' >/dev/null || fail "could not close the hall of fame"
wait_for '! kill -0 "$pid" 2>/dev/null' 100 || { kill "$pid"; fail "the program did not end"; }
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { cat "$log" >&2; fail "the program ended with status $status"; }

scores=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --scores) || fail "--scores failed"
grep -q '路人甲' <<<"$scores" || { echo "$scores" >&2; fail "--scores does not show the run"; }
grep -qw "$seed" <<<"$scores" || { echo "$scores" >&2; fail "--scores does not show the seed"; }
echo "whole-game: passed"
