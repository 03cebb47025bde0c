#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What the parts of the game's first frame cost in peak resident memory on their own, each beside
# the bare window, inside a session bus with the accessibility bus as bench/measure-startup.sh
# measures: text drawn from the game's face, two report lists, twelve buttons.
#
# usage: bench/yardsticks.sh [--build DIR] [--runs N]
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/release
runs=3
stage=outside
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --inside) stage=inside; shift ;;
    *) echo "usage: $0 [--build DIR] [--runs N]" >&2; exit 2 ;;
  esac
done
build=$(realpath -m "$build")

if [ "$stage" = outside ]; then
  if [ ! -f "$build/build.ninja" ] && [ ! -f "$build/Makefile" ]; then
    cmake --preset release >/dev/null
  fi
  built=$(cmake --build "$build" --target tp_bare_window tp_yardstick_window tp_xwatch tidepeddler 2>&1) ||
    { echo "$built" >&2; exit 1; }
  exec scripts/in-xvfb.sh 1280x1024x24 \
    scripts/in-desktop-session.sh "$0" --inside --build "$build" --runs "$runs"
fi

face="$build/share/tidepeddler/song.ttf"
peak() { # program arguments...: the median VmHWM in KiB over the runs
  for _ in $(seq "$runs"); do
    "$build/tools/tp_xwatch" run --idle 1 --settle 700 -- "$@" |
      sed -n 's/.*peak_rss_kib=\([0-9]*\).*/\1/p'
  done | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'
}

bare=$(peak "$build/bench/tp_bare_window")
echo "| window | peak resident memory | more than the bare window |"
echo "|---|---|---|"
printf '| bare | %.1f MiB | — |\n' "$(awk -v k="$bare" 'BEGIN {print k / 1024}')"
for mode in text text+lists text+buttons text+lists+buttons; do
  kib=$(peak "$build/bench/tp_yardstick_window" "$face" "$mode")
  awk -v m="$mode" -v k="$kib" -v b="$bare" \
    'BEGIN {printf "| %s | %.1f MiB | %+.1f MiB (%.2f ×) |\n", m, k / 1024, (k - b) / 1024, k / b}'
done
