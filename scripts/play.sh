#!/usr/bin/env bash
# Builds the game and starts it. Arguments are passed to the game (for example --seed 42).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release

if [ ! -x build/release/app/tidepeddler ]; then
  echo "Built the rules and their tests; the game's windows are not part of this build yet." >&2
  exit 0
fi
exec build/release/app/tidepeddler "$@"
