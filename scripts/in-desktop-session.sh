#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command in the session a desktop gives its programs and ends with the command's status:
# a session bus of its own (dbus-run-session) with the accessibility bus running, as a desktop
# starts it at login. With --screen-reader the desktop also says on the bus that a screen reader
# runs, so that a program that asks puts its controls on the accessibility bus. Needs an X server
# (scripts/in-xvfb.sh): the accessibility bus is announced on it.
#
# usage: scripts/in-desktop-session.sh [--screen-reader] COMMAND [ARG...]
set -euo pipefail

if [ "${1:-}" != --inside-session ]; then
  # As root in a container the bus cannot raise its file limit, and says so on every start.
  exec dbus-run-session -- "$0" --inside-session "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
fi
shift
screen_reader=no
if [ "${1:-}" = --screen-reader ]; then
  screen_reader=yes
  shift
fi

# A runtime folder of the session's own, private as the desktop makes it.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
launcher=
cleanup() {
  if [ -n "$launcher" ]; then
    kill "$launcher" 2>/dev/null || true
  fi
  rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
a11y_bus_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
for _ in $(seq 100); do
  a11y_bus_up && break
  sleep 0.05
done
a11y_bus_up || { echo "in-desktop-session: the accessibility bus did not start" >&2; exit 1; }

if [ "$screen_reader" = yes ]; then
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null ||
    { echo "in-desktop-session: cannot say that a screen reader runs" >&2; exit 1; }
fi

status=0
"$@" || status=$?
exit "$status"
