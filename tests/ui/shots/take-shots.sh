#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Draws every window and panel in each language at 100 % and 200 % into DIR/<language>-<scale>/:
#   tests/ui/shots/take-shots.sh build/release/tests/ui/shots/tp_window_shots DIR
# Two versions of the code drawn the same day compare file by file with cmp.
set -euo pipefail
shots=$1
out=$2
for language in zh_CN zh_TW en; do
  for scale in 1 2; do
    dir="$out/$language-$scale"
    mkdir -p "$dir"
    LANGUAGE=$language LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale \
      "$shots" "$dir" >/dev/null
  done
done
echo "$out"
