#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command beside an X server of its own (Xvfb) and ends with the command's status.
#
# The server chooses its display itself (-displayfd): it takes the first number whose lock and
# every socket it can hold. Choosing from the lock files beforehand, as xvfb-run -a does, races
# with a server that tests running in parallel start at the same moment, and cannot see a server
# of another file system that shares this machine's abstract sockets: the clients then reach that
# other server, and lose it when it ends. A cookie only this command holds makes any such mix-up
# fail at once instead of showing windows on a stranger's screen.
#
# usage: scripts/in-xvfb.sh WIDTHxHEIGHTxDEPTH COMMAND [ARG...]
set -euo pipefail

if [ $# -lt 2 ]; then
  echo "usage: $0 WIDTHxHEIGHTxDEPTH COMMAND [ARG...]" >&2
  exit 2
fi
screen=$1
shift

work=$(mktemp -d)
server=
cleanup() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# The server accepts any cookie its file holds, whatever display the entry names; the clients'
# entry is written once the number is known.
cookie=$(mcookie)
: >"$work/server"
: >"$work/client"
xauth -q -f "$work/server" add :0 MIT-MAGIC-COOKIE-1 "$cookie"
Xvfb -displayfd 3 -nolisten tcp -screen 0 "$screen" -auth "$work/server" \
  3>"$work/display" >"$work/log" 2>&1 &
server=$!

# The number comes once the server accepts connections.
for _ in $(seq 200); do
  [ "$(tail -c 1 "$work/display")" = "" ] && [ -s "$work/display" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.05
done
display=$(tr -d '\n' <"$work/display")
if [ -z "$display" ]; then
  echo "in-xvfb: the X server did not start:" >&2
  cat "$work/log" >&2
  exit 1
fi

export XAUTHORITY="$work/client" DISPLAY=":$display"
xauth -q add "$DISPLAY" MIT-MAGIC-COOKIE-1 "$cookie"
status=0
"$@" || status=$?
exit "$status"
