#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything and runs every test: the optimised build, the same tests under the address
# and undefined-behaviour sanitizers, the style check, the bounded fuzz run and the desktop
# files' validation. With --bench it ends with the start-up benchmark's one-line summary: not a
# test that can fail (machines differ), a reminder to read before submitting.
set -euo pipefail
cd "$(dirname "$0")/.."

bench=no
case "${1:-}" in
  --bench) bench=yes ;;
  "") ;;
  *) echo "usage: $0 [--bench]" >&2; exit 2 ;;
esac

scripts/install-deps.sh --for test
scripts/check-format.sh
scripts/check-spdx.sh

cmake --preset release
cmake --build --preset release
ctest --preset release

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

# The picture loader meets hostile streams for a bounded minute.
fuzz/run.sh 60

scripts/check-desktop.sh

if [ "$bench" = yes ]; then
  bench/measure-startup.sh --runs 5 --idle 2 --summary || echo "the start-up benchmark could not run"
fi
