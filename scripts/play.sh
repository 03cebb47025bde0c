#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the game and starts it. Arguments are passed to the game (for example --seed 42).
# Only what building and playing need is installed, and only the game is configured and built,
# in build/play: the tests and benchmarks are scripts/test.sh's.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --for play
cmake --preset play >/dev/null
cmake --build --preset play

exec build/play/app/tidepeddler "$@"
