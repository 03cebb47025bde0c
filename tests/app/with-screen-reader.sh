#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command in a desktop session as a screen reader's user has it: a session bus, the
# accessibility bus, and the desktop saying on the bus that a screen reader runs, so that a
# program that asks puts its controls on the accessibility bus. Ends with the command's status.
#
# usage: with-screen-reader.sh COMMAND [ARG...]   (beside an X server)
set -euo pipefail

if [ "${1:-}" != --inside-session ]; then
  exec dbus-run-session -- "$0" --inside-session "$@" 2> >(grep -v 'fd limit' >&2)
fi
shift

work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR"
launcher=
cleanup() {
  if [ -n "$launcher" ]; then
    kill "$launcher" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
for _ in $(seq 50); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null 2>&1 && break
  sleep 0.1
done

status=0
"$@" || status=$?
exit "$status"
