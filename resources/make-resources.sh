#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Repaints every picture, glyph and icon under resources/, cuts the game's two faces, and
# rewrites the committed files.
# Usage: resources/make-resources.sh
# Needs the build dependencies and the faces it paints with (scripts/install-deps.sh --for
# resources), including the brush-style font used for the titles. Commit the rewritten files afterwards; the game's build only embeds them.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${here}/../build/resource-generator"
cmake -S "${here}/generator" -B "${build}" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "${build}"
"${build}/tp_resource_generator" "${here}"
/usr/bin/python3 "${here}/fonts/make-fonts.py"
