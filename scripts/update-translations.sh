#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Brings the translation catalogues in translations/ up to date with the texts in the sources:
# new texts come in unfinished, texts gone from the sources are marked vanished. A translator then
# finishes each (Qt Linguist, or by hand), and removes what vanished; the test run fails until
# every text of every catalogue is finished and none has vanished.
#
# usage: scripts/update-translations.sh [CATALOGUE...]   (default: every catalogue)
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
catalogues=("$@")
[ ${#catalogues[@]} -gt 0 ] || catalogues=(translations/*.ts)

# Where the player's texts are written: tr() in the windows, QCoreApplication::translate where
# there is no window, TP_TEXT in the rules, which cannot name Qt.
sources=(game ui app halloffame journey statistics storage)

# The sources include each other from the top folder: lupdate reads a window's class from its
# header, so that tr() in it gets the class's full name as its context, as at run time.
"$lupdate" -silent -locations none -extensions cpp,h -I . \
  -tr-function-alias QT_TRANSLATE_NOOP+=TP_TEXT \
  "${sources[@]}" -ts "${catalogues[@]}"
