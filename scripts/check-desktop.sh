#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Validates the desktop entry and the AppStream metainfo as software centres and menus read
# them, offline, with appstreamcli's pedantic hints shown. Exits non-zero when either is rejected.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
shopt -s nullglob
entries=(packaging/*.desktop)
metainfos=(packaging/*.metainfo.xml)
if [ ${#entries[@]} -eq 0 ] || [ ${#metainfos[@]} -eq 0 ]; then
  echo "check-desktop: no desktop entry or metainfo under packaging/" >&2
  exit 1
fi

for entry in "${entries[@]}"; do
  if ! desktop-file-validate "$entry"; then
    echo "check-desktop: $entry rejected by desktop-file-validate" >&2
    status=1
  fi
done

for metainfo in "${metainfos[@]}"; do
  if ! appstreamcli validate --pedantic --no-net "$metainfo"; then
    echo "check-desktop: $metainfo rejected by appstreamcli" >&2
    status=1
  fi
  # A software centre finds the menu entry through the launchable; a typo there loses it.
  launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
  if [ ! -f "packaging/$launchable" ]; then
    echo "check-desktop: $metainfo launches '$launchable', which is not under packaging/" >&2
    status=1
  fi
done

if [ $status -eq 0 ]; then
  echo "check-desktop: desktop entry and metainfo valid"
fi
exit $status
