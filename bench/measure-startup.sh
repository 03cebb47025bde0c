#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures Tide Peddler against a bare Qt window of the same size under Xvfb, in the two situations
# a player's desktop can be in, each side by side with the bare window in the same run:
#   desktop  inside a session bus (dbus-run-session) with the accessibility bus running, as every
#            desktop session has them
#   no bus   with a session bus address that nothing answers at
# and prints a table for each, then the benchmarks of the rules, the pictures and the journey.
#
# Goals, in both situations:  exec -> main window mapped <= 1.15 x bare,
#                             peak resident memory <= 1.25 x bare, CPU while idle 0.
# The old budget (1.4 x and 1.35 x) is the floor no change may break; the verdicts use the goals.
#
# usage: bench/measure-startup.sh [--runs N] [--idle SECONDS] [--build DIR] [--summary]
# Builds what it measures in DIR (default build/release, configured with the release preset when
# it is not yet). --summary prints one line instead of the tables.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=10
idle=10
build=build/release
summary=no
stage=outside
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=$2; shift 2 ;;
    --idle) idle=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --summary) summary=yes; shift ;;
    --inside-session) stage=session; shift ;;
    *) echo "usage: $0 [--runs N] [--idle SECONDS] [--build DIR] [--summary]" >&2; exit 2 ;;
  esac
done
build=$(realpath -m "$build")
options=(--runs "$runs" --idle "$idle" --build "$build")
[ "$summary" = yes ] && options+=(--summary)

if [ "$stage" = outside ]; then
  if [ ! -f "$build/build.ninja" ] && [ ! -f "$build/Makefile" ]; then
    cmake --preset release >/dev/null
  fi
  built=$(cmake --build "$build" --target tidepeddler tp_bare_window tp_xwatch tp_rules_bench \
    tp_pictures_bench tp_journey_bench 2>&1) || { echo "$built" >&2; exit 1; }
  # Under Xvfb from here on, in a session bus of our own with the accessibility bus, as a
  # desktop session has them.
  exec scripts/in-xvfb.sh 1280x1024x24 \
    scripts/in-desktop-session.sh "$0" --inside-session "${options[@]}"
fi

# Inside the session. Both programs see the same plain environment.
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_DEBUG_PLUGINS QT_ACCESSIBILITY AT_SPI_BUS_ADDRESS
export XDG_DATA_HOME
# A first start: no journey saved by an earlier run, which would be offered before the window.
XDG_DATA_HOME=$(mktemp -d)
results=$(mktemp -d)
trap 'rm -rf "$XDG_DATA_HOME" "$results"' EXIT

xwatch="$build/tools/tp_xwatch"
declare -A binary=([bare]="$build/bench/tp_bare_window" [game]="$build/app/tidepeddler")
situations=(desktop nobus)
declare -A situation_name=([desktop]="desktop: session bus and accessibility bus"
                           [nobus]="no reachable session bus")

measure() { # situation program
  local -a environment=()
  [ "$1" = nobus ] && environment=(env "DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/no-bus")
  "${environment[@]}" "$xwatch" run --idle "$idle" --settle 1000 -- "${binary[$2]}" \
    2>>"$results/$1-$2.log"
}

# The first start of each fills the page cache and font caches; it is not counted.
for s in "${situations[@]}"; do
  for p in bare game; do
    measure "$s" "$p" >/dev/null
  done
done
# Interleaved runs, so that a slow spell of the machine hits every column alike.
for i in $(seq "$runs"); do
  for s in "${situations[@]}"; do
    for p in bare game; do
      measure "$s" "$p" >>"$results/$s-$p.txt" || {
        echo "measure-startup: run $i of $p ($s) failed" >&2
        cat "$results/$s-$p.log" >&2
        exit 1
      }
    done
  done
done

# The median of key=value fields over the runs of one column; "na" when the machine gave none.
median() {
  local values
  values=$(sed -n "s/.*\\b$2=\\([-0-9.]*\\)\\b.*/\\1/p" "$results/$1.txt" | sort -g)
  [ -n "$values" ] || { echo na; return; }
  awk '{v[NR] = $1} END {m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
                         print (m == int(m)) ? m : sprintf("%.1f", m)}' <<<"$values"
}
spread() {
  sed -n "s/.*\\b$2=\\([-0-9.]*\\).*/\\1/p" "$results/$1.txt" | sort -g |
    awk 'NR == 1 {lo = $1} {hi = $1} END {printf "%.1f–%.1f", lo, hi}'
}
most() {
  sed -n "s/.*\\b$2=\\([0-9]*\\).*/\\1/p" "$results/$1.txt" | sort -n | tail -n 1
}
exits() {
  sed -n 's/.*exit=\([-0-9]*\).*/\1/p' "$results/$1.txt" | sort -u | paste -sd, -
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
within() { # ratio goal floor
  awk -v r="$1" -v g="$2" -v f="$3" \
    'BEGIN {print (r <= g) ? "within" : (r <= f) ? "**over the goal**" : "**over the floor**"}'
}
mib() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }

verdicts=()
one_line=()
tables=()
for s in "${situations[@]}"; do
  bare_map=$(median "$s-bare" map_ms)
  game_map=$(median "$s-game" map_ms)
  bare_rss=$(median "$s-bare" peak_rss_kib)
  game_rss=$(median "$s-game" peak_rss_kib)
  bare_faults=$(median "$s-bare" map_faults)
  game_faults=$(median "$s-game" map_faults)
  bare_instr=$(median "$s-bare" map_instructions)
  game_instr=$(median "$s-game" map_instructions)
  map_ratio=$(ratio "$game_map" "$bare_map")
  rss_ratio=$(ratio "$game_rss" "$bare_rss")
  idle_ok=yes
  for p in bare game; do
    [ "$(most "$s-$p" idle_cpu_ticks)" -eq 0 ] && [ "$(most "$s-$p" idle_wakeups)" -eq 0 ] ||
      { [ "$p" = game ] && idle_ok=no; }
  done
  map_verdict=$(within "$map_ratio" 1.15 1.40)
  rss_verdict=$(within "$rss_ratio" 1.25 1.35)
  idle_verdict=$([ "$idle_ok" = yes ] && echo within || echo '**over the goal**')
  verdicts+=("$map_verdict" "$rss_verdict" "$idle_verdict")
  if [ "$game_instr" = na ]; then
    instr_row="| instructions to the map | not counted: this machine's processor counters are closed | | | | |"
  else
    instr_row="| instructions to the map | $bare_instr | $game_instr | $(ratio "$game_instr" "$bare_instr") × | — | — |"
  fi
  tables+=("### ${situation_name[$s]}

| measure | bare window | Tide Peddler | ratio | goal (floor) | verdict |
|---|---|---|---|---|---|
| exec → main window mapped | $bare_map ms ($(spread "$s-bare" map_ms)) | $game_map ms ($(spread "$s-game" map_ms)) | $map_ratio × | ≤ 1.15 × (1.40 ×) | $map_verdict |
| page faults to the map | $bare_faults | $game_faults | $(ratio "$game_faults" "$bare_faults") × | — | — |
$instr_row
| peak resident memory (VmHWM) | $(mib "$bare_rss") MiB | $(mib "$game_rss") MiB | $rss_ratio × | ≤ 1.25 × (1.35 ×) | $rss_verdict |
| CPU while idle ${idle} s | $(median "$s-bare" idle_cpu_ticks) ticks, $(median "$s-bare" idle_cpu_us) µs, $(median "$s-bare" idle_wakeups) wake-ups | $(median "$s-game" idle_cpu_ticks) ticks, $(median "$s-game" idle_cpu_us) µs, $(median "$s-game" idle_wakeups) wake-ups | — | 0 | $idle_verdict |
| exit status after the window is closed | $(exits "$s-bare") | $(exits "$s-game") | — | 0 | — |")
  one_line+=("${s/nobus/no bus}: map ${map_ratio}×, memory ${rss_ratio}×, idle $([ "$idle_ok" = yes ] && echo 0 || echo busy)")
done

overall=within
for v in "${verdicts[@]}"; do
  [ "$v" = within ] || overall="OVER"
done
if [ "$summary" = yes ]; then
  echo "start-up against a bare Qt window (goals 1.15× map, 1.25× memory, idle 0): $(IFS=';'; echo "${one_line[*]}" | sed 's/;/; /g') — $overall"
  exit 0
fi

# The benchmarks: the median of Google Benchmark's JSON on stdin, in the unit that is $1 seconds'
# nanoseconds (1e-3: microseconds, 1e-6: milliseconds).
median_of_json() {
  python3 -c '
import json, sys
per_ns = float(sys.argv[1])
unit_ns = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}
for r in json.load(sys.stdin)["benchmarks"]:
    if r.get("aggregate_name") == "median":
        print("%.3f" % (r["real_time"] * unit_ns[r["time_unit"]] * per_ns))' "$1"
}
bench() { # program filter unit
  "$build/bench/$1" --benchmark_filter="^$2\$" --benchmark_repetitions=10 \
    --benchmark_report_aggregates_only=true --benchmark_format=json 2>/dev/null | median_of_json "$3"
}
below() { awk -v t="$1" -v l="$2" 'BEGIN {print (t < l) ? "within" : "**over**"}'; }
pictures_ms=$(bench tp_pictures_bench BM_DecodeAllPictures 1e-6)
whole_game_us=$(bench tp_rules_bench BM_WholeGame 1e-3)
save_ms=$(bench tp_journey_bench BM_SaveAfterAnAction 1e-6)

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
echo
echo "$(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) × $cpu, $(uname -sr), Qt $qt, Xvfb 1280×1024×24;"
echo "medians of $runs interleaved runs each (range in brackets), idle measured for $idle s after a 1 s settle."
for table in "${tables[@]}"; do
  echo
  echo "$table"
done
echo
echo "| benchmark | median | goal | verdict |"
echo "|---|---|---|---|"
echo "| decoding all eight pictures | $pictures_ms ms | < 5 ms | $(below "$pictures_ms" 5) |"
echo "| a whole 60-day game (BM_WholeGame) | $whole_game_us µs | < 20 µs | $(below "$whole_game_us" 20) |"
echo "| saving the journey after an action | $save_ms ms | < 16 ms, a frame | $(below "$save_ms" 16) |"
echo
echo "$(IFS=';'; echo "${one_line[*]}" | sed 's/;/; /g') — $overall"
