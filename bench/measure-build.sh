#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times the two commands a newcomer runs first, each on a fresh clone, as "Building" in
# bench/README.md reports them:
#   play  scripts/play.sh from the clone until the game's main window is mapped (under an X server
#         of its own, with an empty data folder so that no saved journey is asked about first)
#   ci    .ci/run from the clone until it ends
# Prints one line per command: what, seconds, the processor time it took (user and system, of
# every process it started and waited for: a figure that other users of the machine move less
# than the wall-clock one), exit status and the load average before the start.
#
# usage: bench/measure-build.sh play|ci [SOURCE [COMMIT]]
# SOURCE is the repository to clone (default: this one), COMMIT what to check out (default: its
# HEAD), so the figures of an older commit can be taken with today's script.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

what=${1:-}
source=${2:-$here}
commit=${3:-HEAD}
case "$what" in
  play | ci) ;;
  *) echo "usage: $0 play|ci [SOURCE [COMMIT]]" >&2; exit 2 ;;
esac

clone=$(mktemp -d /tmp/tp-measure-build.XXXXXX)
trap 'rm -rf "$clone" "$clone.times"' EXIT
git clone -q "$source" "$clone"
git -C "$clone" checkout -q "$commit"
load=$(cut -d' ' -f1-3 /proc/loadavg)

# Sets cpu to the user and system seconds of the waited-for children of this shell, summed. Not
# to be called in a pipeline or $(...): a subshell has no children of its own to report.
children_cpu() {
  times >"$clone.times"
  cpu=$(tail -n 1 "$clone.times" | awk '{
    t = 0
    for (i = 1; i <= 2; i++) { split($i, p, "m"); t += p[1] * 60 + p[2] }
    printf "%.0f", t }')
}

if [ "$what" = ci ]; then
  start=$(date +%s.%N)
  status=0
  (cd "$clone" && .ci/run) >"$clone.log" 2>&1 || status=$?
  end=$(date +%s.%N)
  children_cpu
  # Where the build time went, per file: ninja's log of each build folder.
  for log in "$clone"/build/*/.ninja_log; do
    [ -f "$log" ] && cp "$log" "$clone.$(basename "$(dirname "$log")").ninja_log"
  done
else
  # The game's main window carries the day in its title, "(1/60)" on a first start.
  watch() {
    local clone=$1 cpu
    export XDG_DATA_HOME=$1/xdg
    mkdir -p "$XDG_DATA_HOME"
    local start end status=0
    start=$(date +%s.%N)
    (cd "$1" && exec scripts/play.sh) >"$1.log" 2>&1 &
    local pid=$!
    timeout 600 xdotool search --sync --onlyvisible --name '\(1/60\)' >/dev/null || status=$?
    end=$(date +%s.%N)
    # The game replaced play.sh (exec): ending it ends the run.
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    children_cpu
    echo "$start $end $status $cpu"
  }
  export -f watch children_cpu
  read -r start end status cpu < <("$here/scripts/in-xvfb.sh" 1280x1024x24 bash -c 'watch "$0"' "$clone")
fi

seconds=$(awk -v a="$start" -v b="$end" 'BEGIN {printf "%.0f", b - a}')
echo "$what: ${seconds} s, ${cpu} s of processor time, status $status, load before: $load (log: $clone.log)"
