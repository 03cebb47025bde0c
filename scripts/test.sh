#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything and runs every test: the optimised build, the same tests under the address
# and undefined-behaviour sanitizers, the style check, the bounded fuzz run and the desktop
# files' validation.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
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
