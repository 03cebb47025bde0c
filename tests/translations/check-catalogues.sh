#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails when a catalogue in translations/ is not up to date with the sources: a text the player
# reads that a catalogue lacks or has left unfinished, or a text a catalogue holds that the sources
# no longer use. Runs scripts/update-translations.sh on copies, so the catalogues themselves stay
# as they are.
#
# usage: check-catalogues.sh LUPDATE
set -euo pipefail
cd "$(dirname "$0")/../.."
lupdate=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copies=()
for catalogue in translations/*.ts; do
  cp "$catalogue" "$work/"
  copies+=("$work/$(basename "$catalogue")")
done
[ ${#copies[@]} -gt 0 ] || { echo "check-catalogues: no catalogue in translations/" >&2; exit 1; }

LUPDATE="$lupdate" scripts/update-translations.sh "${copies[@]}"

status=0
for copy in "${copies[@]}"; do
  name=$(basename "$copy")
  if ! cmp -s "$copy" "translations/$name"; then
    echo "check-catalogues: $name is not as the sources make it:" >&2
    diff -u "translations/$name" "$copy" | head -n 60 >&2 || true
    status=1
  fi
  unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
  gone=$(grep -cE 'type="(vanished|obsolete)"' "$copy" || true)
  if [ "$unfinished" -gt 0 ] || [ "$gone" -gt 0 ]; then
    echo "check-catalogues: $name has $unfinished unfinished and $gone vanished texts" >&2
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "check-catalogues: every text of ${#copies[@]} catalogues is finished"
exit "$status"
