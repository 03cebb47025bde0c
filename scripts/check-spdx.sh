#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that every tracked file says under which licence it stands:
#   - every source, script and build file has an "SPDX-License-Identifier:" line in its first
#     five lines (room for a shebang or an XML declaration above it). Those files are
#     C++ (*.cpp *.h *.hpp *.cc), CMake (CMakeLists.txt *.cmake), shell (*.sh), Python (*.py),
#     any other file starting with "#!", tool settings (.clang-format .gitignore *.supp *.toml),
#     fuzzers' dictionaries (*.dict),
#     desktop entries (*.desktop), XML such as the metainfo (*.xml) and manual pages (*.[1-9]);
#   - every other tracked file (pictures, fonts, JSON, prose...) is matched by a path of an
#     annotation in REUSE.toml. LICENSE and LICENSES/* need neither.
# Prints each file that fails, one a line, and exits 1 if there is any.
#
# usage: scripts/check-spdx.sh
set -euo pipefail
cd "$(dirname "$0")/.."

needs_line() {
  case "$1" in
    *.cpp | *.h | *.hpp | *.cc | */CMakeLists.txt | CMakeLists.txt | *.cmake | *.sh | *.py) return 0 ;;
    .clang-format | */.clang-format | .gitignore | */.gitignore | *.supp | *.toml | *.dict) return 0 ;;
    *.desktop | *.xml | *.[1-9]) return 0 ;;
  esac
  # Scripts without an extension, such as .ci/run.
  head -c 2 "$1" | cmp -s - <(printf '#!')
}

missing_line=()
others=()
while IFS= read -r -d '' file; do
  # Deleted in the work tree but not yet in the index: nothing to check.
  [ -f "$file" ] || continue
  case "$file" in
    LICENSE | LICENSES/*) continue ;;
  esac
  if needs_line "$file"; then
    head -n 5 "$file" | grep -q 'SPDX-License-Identifier:' || missing_line+=("$file")
  else
    others+=("$file")
  fi
done < <(git ls-files -z)

status=0
for file in "${missing_line[@]}"; do
  echo "check-spdx: no SPDX-License-Identifier line: $file" >&2
  status=1
done

# REUSE.toml paths: "*" stands for any characters but "/", "**" for any characters at all.
uncovered=$(printf '%s\0' "${others[@]}" | /usr/bin/python3 -c '
import re, sys, tomllib
with open("REUSE.toml", "rb") as f:
    annotations = tomllib.load(f).get("annotations", [])
patterns = []
for annotation in annotations:
    paths = annotation["path"]
    for path in [paths] if isinstance(paths, str) else paths:
        regex = ""
        for part in re.split(r"(\\\*|\*\*|\*)", path):
            regex += {"\\*": re.escape("*"), "**": ".*", "*": "[^/]*"}.get(part, re.escape(part))
        patterns.append(re.compile(regex))
for name in sys.stdin.read().split("\0"):
    if name and not any(p.fullmatch(name) for p in patterns):
        print(name)
')
while IFS= read -r file; do
  [ -n "$file" ] || continue
  echo "check-spdx: neither an SPDX line nor a REUSE.toml entry: $file" >&2
  status=1
done <<<"$uncovered"

if [ $status -eq 0 ]; then
  echo "check-spdx: every tracked file names its licence"
fi
exit $status
