#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plays the first day of the real program in a real X server: the window opens on day 1, a
# click on a location button moves the day on (the diary, if the day brings one, is closed),
# and closing the main window ends the program with status 0.
#
# usage: end-to-end.sh PROGRAM XWATCH SEED DIARY
# DIARY is "diary" when the seed's first journey brings an event, "none" when it does not.
source "$(dirname "$0")/driving.sh" end-to-end -- "$@"
program=$2
xwatch=$3
seed=$4
expect=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A data folder of its own: a journey kept by another run would be offered first.
export XDG_DATA_HOME="$work/data"
log="$work/log"

"$program" --seed "$seed" >"$log" 2>&1 &
pid=$!

window=$(timeout 30 xdotool search --sync --onlyvisible --name '\(1/60\)$' | head -n 1) ||
  { cat "$log" >&2; fail "no window titled with (1/60) within 30 s"; }
title=$(xdotool getwindowname "$window")
[[ "$title" == "潮汐货郎 V1.00"*"(1/60)" ]] || fail "unexpected title '$title'"
echo "end-to-end: mapped '$title'"

# 火车站 (Button1) lies at 336,264, 49 x 17, in the window.
xdotool mousemove --window "$window" 360 272 click 1

advanced=no
for _ in $(seq 100); do
  if [[ "$(xdotool getwindowname "$window")" == *"(2/60)" ]]; then
    advanced=yes
    break
  fi
  sleep 0.1
done
[ "$advanced" = yes ] || fail "the day did not advance after the click"
echo "end-to-end: the day advanced to 2"

# A day with an event shows the diary, and the main window answers nothing until it closes.
diary_shown() { xdotool search --onlyvisible --name '^我的日记本$' >/dev/null; }
if [ "$expect" = diary ]; then
  for _ in $(seq 100); do
    diary_shown && break
    sleep 0.1
  done
  diary_shown || fail "the seed's first journey brings an event, but no diary opened"
  "$xwatch" close '我的日记本' || fail "could not close the diary"
  for _ in $(seq 100); do
    diary_shown || break
    sleep 0.1
  done
  diary_shown && fail "the diary did not close"
  echo "end-to-end: closed the diary"
else
  sleep 0.5
  diary_shown && fail "a diary opened on a day without an event"
fi

"$xwatch" close '(2/60)' || fail "could not close the main window"
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  kill "$pid"
  fail "the program was still running 10 s after its window closed"
fi
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { cat "$log" >&2; fail "the program ended with status $status"; }
echo "end-to-end: passed (exit status 0)"
