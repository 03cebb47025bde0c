#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the game and starts it. Arguments are passed to the game (for example --seed 42).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target tidepeddler

exec build/release/app/tidepeddler "$@"
