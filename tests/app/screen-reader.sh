#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A screen reader finds every control of the real program named: in a session with the session
# bus and the accessibility bus, with a screen reader said to be running, the main window's
# buttons, lists and status values are read over the accessibility bus with their names, and the
# status values with what they show.
#
# usage: screen-reader.sh PROGRAM
source "$(dirname "$0")/driving.sh" screen-reader --screen-reader -- "$@"
here=$(cd "$(dirname "$0")" && pwd)
program=$2
work=$(mktemp -d)
export XDG_DATA_HOME="$work/data"
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

"$program" --seed 3 >"$work/log" 2>&1 &
pid=$!
timeout 30 xdotool search --sync --onlyvisible --name '\(1/60\)$' >/dev/null ||
  { cat "$work/log" >&2; fail "no main window"; }

controls=$(/usr/bin/python3 "$here/screen_reader.py" tidepeddler) ||
  { cat "$work/log" >&2; fail "the program is not on the accessibility bus"; }

unnamed=$(awk -F'\t' '($1 == "push button" || $1 == "tree") && $2 == ""' <<<"$controls")
[ -z "$unnamed" ] || fail "controls a screen reader cannot name: $unnamed"
for name in 买入 卖出 医院 银行 声明 网吧 中介 帮助 火车站 李沧区 栈桥 东海路 中山路 啤酒城 小青岛 \
  四方区 李村集贸市场 长途站; do
  grep -qP "^push button\t$name\t" <<<"$controls" || fail "no button named $name"
done
for name in 今日市场 随身货物; do
  grep -qP "^tree\t$name\t" <<<"$controls" || fail "no list named $name"
done
for value in 姓名:路人甲 现金:2000 欠款:3000 健康:100 存款:0; do
  grep -qP "^label\t${value%%:*}\t${value#*:}$" <<<"$controls" ||
    fail "the ${value%%:*} box is not read as ${value#*:}"
done
echo "screen-reader: every control of the main window is read with its name"
