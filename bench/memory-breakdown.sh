#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Where the game's memory goes, beside the bare Qt window's: starts each under Xvfb inside a
# session bus, waits for its window, lets it settle, and adds up the resident memory of each
# mapping in /proc/PID/smaps by what it maps (a library, the game's own code, the faces, the heap,
# other anonymous memory). Prints one table: each kind for both programs and the difference,
# largest difference first, and the peak (VmHWM) of both.
#
# usage: bench/memory-breakdown.sh [--build DIR] [--runs N]
# Each figure is the median of N runs (default 5).
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/release
runs=5
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
  built=$(cmake --build "$build" --target tidepeddler tp_bare_window 2>&1) ||
    { echo "$built" >&2; exit 1; }
  exec scripts/in-xvfb.sh 1280x1024x24 \
    scripts/in-desktop-session.sh "$0" --inside --build "$build" --runs "$runs"
fi

unset QT_QPA_PLATFORM QT_SCALE_FACTOR
export XDG_DATA_HOME
XDG_DATA_HOME=$(mktemp -d)
results=$(mktemp -d)
trap 'rm -rf "$XDG_DATA_HOME" "$results"' EXIT

declare -A binary=([bare]="$build/bench/tp_bare_window" [game]="$build/app/tidepeddler")
declare -A title=([bare]='^bare$' [game]='\(1/60\)$')

# One sample: "kind kib" lines for every mapping kind, and "peak kib".
sample() {
  local program=$1 pid window
  "${binary[$program]}" >/dev/null 2>&1 &
  pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --name "${title[$program]}" | head -n 1)
  [ -n "$window" ] || { kill "$pid"; echo "memory-breakdown: no window of $program" >&2; exit 1; }
  sleep 1.5
  awk -v game="$build" '
    /^[0-9a-f]+-[0-9a-f]+ / {
      path = $6
      for (i = 7; i <= NF; i++) path = path " " $i
      if (path == "") kind = "anonymous"
      else if (path == "[heap]") kind = "heap"
      else if (path ~ /^\[/) kind = path
      else if (path ~ /\.cache-[0-9]+$/) kind = "fontconfig caches"
      else if (index(path, game) == 1 && path ~ /\.ttf$/) kind = "the game'"'"'s faces"
      else if (index(path, game) == 1) kind = "the program itself"
      else { n = split(path, parts, "/"); kind = parts[n]; sub(/\.so.*/, "", kind) }
      next
    }
    /^Rss:/ { rss[kind] += $2 }
    END { for (k in rss) printf "%s\t%d\n", k, rss[k] }' "/proc/$pid/smaps"
  printf 'peak (VmHWM)\t%d\n' "$(sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\).*/\1/p' "/proc/$pid/status")"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

for i in $(seq "$runs"); do
  for p in bare game; do
    sample "$p" >"$results/$p.$i"
  done
done

# Medians per kind, then the table.
for p in bare game; do
  cat "$results/$p".* | sort -t $'\t' -k1,1 -k2,2n |
    awk -F'\t' '$1 != k {if (n) printf "%s\t%d\n", k, v[int((n + 1) / 2)]; k = $1; n = 0}
                {v[++n] = $2}
                END {if (n) printf "%s\t%d\n", k, v[int((n + 1) / 2)]}' |
    sort >"$results/$p.median"
done
echo "| what | bare window | Tide Peddler | difference |"
echo "|---|---|---|---|"
join -t $'\t' -a 1 -a 2 -e 0 -o 0,1.2,2.2 "$results/bare.median" "$results/game.median" |
  awk -F'\t' '{printf "%s\t%d\t%d\t%d\n", $1, $2, $3, $3 - $2}' |
  sort -t $'\t' -k4,4nr |
  awk -F'\t' '$4 != 0 || $1 ~ /peak/ {
    printf "| %s | %.2f MiB | %.2f MiB | %+.2f MiB |\n", $1, $2 / 1024, $3 / 1024, $4 / 1024}'
