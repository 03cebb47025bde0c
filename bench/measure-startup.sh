#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures Tide Peddler against a bare Qt window of the same size, side by side under Xvfb, and
# prints one table with the medians and the budgets:
#   exec -> main window mapped   <= 1.4 x bare      peak resident memory   <= 1.35 x bare
#   CPU while idle for 10 s      0                   decoding all eight pictures   < 5 ms
#   a whole 60-day game (BM_WholeGame)   < 20 us
#
# usage: bench/measure-startup.sh [--runs N] [--idle SECONDS] [--build DIR]
# Builds what it measures in DIR (default build/release, configured with the release preset when
# it is not yet). Where the game is not built yet, the bare window is measured alone.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$(pwd)

runs=10
idle=10
build=build/release
inside=no
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=$2; shift 2 ;;
    --idle) idle=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --inside-xvfb) inside=yes; shift ;;
    *) echo "usage: $0 [--runs N] [--idle SECONDS] [--build DIR]" >&2; exit 2 ;;
  esac
done
build=$(realpath -m "$build")

has_target() {
  grep -qE "^$1: " <<<"$targets"
}

if [ "$inside" = no ]; then
  if [ ! -f "$build/build.ninja" ] && [ ! -f "$build/Makefile" ]; then
    cmake --preset release >/dev/null
  fi
  targets=$(cmake --build "$build" --target help | sed 's/^\.\.\. //')
  wanted=(tp_bare_window tp_xwatch tp_rules_bench)
  has_target tidepeddler && wanted+=(tidepeddler)
  picture_bench=$(grep -oE '^tp_[a-z_]*picture[a-z_]*bench' <<<"$targets" | head -n 1 || true)
  [ -n "$picture_bench" ] && wanted+=("$picture_bench")
  cmake --build "$build" --target "${wanted[@]}" >/dev/null
  export TP_PICTURE_BENCH="$picture_bench"
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    "$0" --inside-xvfb --runs "$runs" --idle "$idle" --build "$build"
fi

# Under Xvfb from here on. Both programs see the same plain environment.
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_DEBUG_PLUGINS
export XDG_RUNTIME_DIR XDG_DATA_HOME
XDG_RUNTIME_DIR=$(mktemp -d)
# A first start: no journey saved by an earlier run, which would be offered before the window.
XDG_DATA_HOME=$(mktemp -d)
results=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR" "$XDG_DATA_HOME" "$results"' EXIT

xwatch="$build/tools/tp_xwatch"
programs=(bare)
declare -A binary=([bare]="$build/bench/tp_bare_window")
if [ -x "$build/app/tidepeddler" ]; then
  programs+=(game)
  binary[game]="$build/app/tidepeddler"
fi

measure() {
  "$xwatch" run --idle "$idle" --settle 1000 -- "${binary[$1]}" 2>>"$results/$1.log"
}

# The first start of each fills the page cache and font caches; it is not counted.
for p in "${programs[@]}"; do
  measure "$p" >/dev/null
done
# Alternating runs, so that a slow spell of the machine hits both alike.
for i in $(seq "$runs"); do
  for p in "${programs[@]}"; do
    measure "$p" >>"$results/$p.txt" || {
      echo "measure-startup: run $i of $p failed" >&2
      cat "$results/$p.log" >&2
      exit 1
    }
  done
done

# The median of key=value fields over the runs of one program.
median() {
  sed -n "s/.*\\b$2=\\([-0-9.]*\\).*/\\1/p" "$results/$1.txt" | sort -g |
    awk '{v[NR] = $1} END {m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
                           print (m == int(m)) ? m : sprintf("%.1f", m)}'
}
spread() {
  sed -n "s/.*\\b$2=\\([-0-9.]*\\).*/\\1/p" "$results/$1.txt" | sort -g |
    awk 'NR == 1 {lo = $1} {hi = $1} END {printf "%.1f–%.1f", lo, hi}'
}
exits() {
  sed -n 's/.*exit=\([-0-9]*\).*/\1/p' "$results/$1.txt" | sort -u | paste -sd, -
}
# The median real time of the one benchmark in Google Benchmark's JSON on stdin, in the unit
# that is $1 seconds' nanoseconds (1e-3: microseconds, 1e-6: milliseconds).
median_of_json() {
  python3 -c '
import json, sys
per_ns = float(sys.argv[1])
unit_ns = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}
for r in json.load(sys.stdin)["benchmarks"]:
    if r.get("aggregate_name") == "median":
        print("%.3f" % (r["real_time"] * unit_ns[r["time_unit"]] * per_ns))' "$1"
}
verdict() { # ratio limit
  awk -v r="$1" -v l="$2" 'BEGIN {print (r <= l) ? "within" : "**over**"}'
}

bare_map=$(median bare map_ms)
bare_rss=$(median bare peak_rss_kib)
bare_ticks=$(median bare idle_cpu_ticks)
bare_us=$(median bare idle_cpu_us)
bare_wake=$(median bare idle_wakeups)

if [ "${#programs[@]}" -gt 1 ]; then
  game_map=$(median game map_ms)
  game_rss=$(median game peak_rss_kib)
  game_ticks=$(median game idle_cpu_ticks)
  game_us=$(median game idle_cpu_us)
  game_wake=$(median game idle_wakeups)
  max_ticks=$(sed -n 's/.*idle_cpu_ticks=\([0-9]*\).*/\1/p' "$results/game.txt" | sort -n | tail -n 1)
  map_ratio=$(awk -v a="$game_map" -v b="$bare_map" 'BEGIN {printf "%.2f", a / b}')
  rss_ratio=$(awk -v a="$game_rss" -v b="$bare_rss" 'BEGIN {printf "%.2f", a / b}')
  game_map_cell="$game_map ms ($(spread game map_ms))"
  game_rss_cell="$(awk -v k="$game_rss" 'BEGIN {printf "%.1f", k / 1024}') MiB"
  game_idle_cell="$game_ticks ticks, $game_us µs, $game_wake wake-ups"
  map_cells="$map_ratio × | ≤ 1.40 × | $(verdict "$map_ratio" 1.40)"
  rss_cells="$rss_ratio × | ≤ 1.35 × | $(verdict "$rss_ratio" 1.35)"
  idle_cells="— | 0 | $( [ "$max_ticks" -eq 0 ] && echo within || echo '**over**')"
  exit_cell="$(exits game)"
else
  game_map_cell="not built yet"
  game_rss_cell="not built yet"
  game_idle_cell="not built yet"
  map_cells="— | ≤ 1.40 × | —"
  rss_cells="— | ≤ 1.35 × | —"
  idle_cells="— | 0 | —"
  exit_cell="—"
fi

# Decoding the eight pictures: the pictures' own benchmark, where it exists.
pictures_cell="not available yet"
pictures_cells="— | < 5 ms | —"
if [ -n "${TP_PICTURE_BENCH:-}" ] && [ -x "$build/bench/$TP_PICTURE_BENCH" ]; then
  pictures_ms=$("$build/bench/$TP_PICTURE_BENCH" --benchmark_filter='^BM_DecodeAllPictures$' \
    --benchmark_repetitions=10 --benchmark_report_aggregates_only=true --benchmark_format=json \
    2>/dev/null | median_of_json 1e-6)
  pictures_cell="$pictures_ms ms"
  pictures_cells="— | < 5 ms | $(awk -v t="$pictures_ms" 'BEGIN {print (t < 5) ? "within" : "**over**"}')"
fi

whole_game_us=$("$build/bench/tp_rules_bench" --benchmark_filter='^BM_WholeGame$' \
  --benchmark_repetitions=10 --benchmark_report_aggregates_only=true --benchmark_format=json \
  2>/dev/null | median_of_json 1e-3)
whole_game_cells="— | < 20 µs | $(awk -v t="$whole_game_us" 'BEGIN {print (t < 20) ? "within" : "**over**"}')"

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
echo
echo "$(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) × $cpu, $(uname -sr), Qt $qt, Xvfb 1280×1024×24;"
echo "medians of $runs runs each (range in brackets), idle measured for $idle s after a 1 s settle."
echo
echo "| measure | bare window | Tide Peddler | ratio | budget | verdict |"
echo "|---|---|---|---|---|---|"
echo "| exec → main window mapped | $bare_map ms ($(spread bare map_ms)) | $game_map_cell | $map_cells |"
echo "| peak resident memory (VmHWM) | $(awk -v k="$bare_rss" 'BEGIN {printf "%.1f", k / 1024}') MiB | $game_rss_cell | $rss_cells |"
echo "| CPU while idle ${idle} s | $bare_ticks ticks, $bare_us µs, $bare_wake wake-ups | $game_idle_cell | $idle_cells |"
echo "| exit status after the window is closed | $(exits bare) | $exit_cell | — | 0 | — |"
echo "| decoding all eight pictures | — | $pictures_cell | $pictures_cells |"
echo "| a whole 60-day game (BM_WholeGame) | — | $whole_game_us µs | $whole_game_cells |"
