# SPDX-License-Identifier: MIT
# What each test that drives the real program begins with, sourced as its first step:
#
#   source "$(dirname "$0")/driving.sh" NAME [--screen-reader] -- "$@"
#
# Runs the test again beside an X server of its own (and with --screen-reader, in a session whose
# desktop says a screen reader runs), where the test's own arguments follow "--inside" in "$@";
# sets a UTF-8 locale for the tools; and defines fail, which ends the test with one line that
# names it.

set -euo pipefail
# The tools find and type the windows' Chinese titles and names in UTF-8 whatever the caller's
# locale, and the game speaks its own language: nothing of the caller's choice reaches it.
export LC_ALL=C.UTF-8
unset LANGUAGE

driving_name=$1
shift
driving_scripts="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../scripts" && pwd)"
driving_session=()
if [ "$1" = --screen-reader ]; then
  driving_session=("$driving_scripts/in-desktop-session.sh" --screen-reader)
  shift
fi
shift # the "--" before the test's arguments

fail() {
  echo "$driving_name: $*" >&2
  exit 1
}

if [ "${1:-}" != --inside ]; then
  exec "$driving_scripts/in-xvfb.sh" 1024x768x24 \
    "${driving_session[@]}" "$0" --inside "$@"
fi
