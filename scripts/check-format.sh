#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails when a C++ file differs from the style that .clang-format fixes.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files -- '*.cpp' '*.h' | grep -v '^build/' || true)
[ -n "$files" ] || exit 0
# shellcheck disable=SC2086
clang-format --dry-run -Werror $files
