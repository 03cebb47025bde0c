#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that one use of the tree needs:
#   --for play       building the game and playing it (scripts/play.sh)
#   --for resources  that, and repainting the pictures and cutting the faces
#                    (resources/make-resources.sh)
#   --for test       all of it, and the tests, sanitizers, fuzzer and package checks
#                    (scripts/test.sh); the default
# A player should not wait for a fuzzer and a package linter to download. Safe to run again: it
# only asks apt for what is missing, and updates the package lists at most once per run.
#
# usage: scripts/install-deps.sh [--for play|resources|test]
set -euo pipefail

use=test
case "${1:-}" in
  --for)
    use=${2:-}
    case "$use" in
      play | resources | test) ;;
      *) echo "usage: $0 [--for play|resources|test]" >&2; exit 2 ;;
    esac
    ;;
  "") ;;
  *) echo "usage: $0 [--for play|resources|test]" >&2; exit 2 ;;
esac

play=(
  # build
  build-essential cmake ninja-build pkg-config
  # the game
  qt6-base-dev libgl-dev libjpeg62-turbo-dev libxcb1-dev
  # the translation catalogues, compiled by the build: lrelease, and its CMake functions
  qt6-l10n-tools qt6-tools-dev
  # the Song face for characters a player types that the game's own faces lack
  fonts-arphic-uming
  # the linear programming solver the planner of best runs bounds a seed's runs with
  coinor-libclp-dev
)
resources=(
  # what resources/make-resources.sh paints and cuts the game's faces with: the brush-style
  # face of the titles, the Hei face of the place names and figures, and the font subsetter
  fonts-arphic-ukai fonts-wqy-zenhei python3-fonttools
)
test=(
  # the style check
  clang-format
  # tests and benchmarks
  googletest libgtest-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils strace opencc
  # the start-up benchmark runs the game inside a session bus with the accessibility bus
  dbus dbus-bin at-spi2-core
  # the screen reader test reads the controls over the accessibility bus
  python3-pyatspi gir1.2-atspi-2.0
  # the fuzzer
  clang libclang-rt-14-dev libfuzzer-14-dev
  # desktop integration and package checks: the manual page is rendered with man-db's man
  desktop-file-utils appstream lintian man-db
)

packages=("${play[@]}")
case "$use" in
  resources) packages+=("${resources[@]}") ;;
  # The font tests compare the game's faces with the Hei face of the resources too.
  test) packages+=("${resources[@]}" "${test[@]}") ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi

echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
