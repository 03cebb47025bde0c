#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A screen reader finds every control of the real program named: in a session with the session
# bus and the accessibility bus, with a screen reader said to be running, the main window's
# buttons, lists and status values are read over the accessibility bus with their names, and the
# status values with what they show; the menu's items likewise, each of them doing what it says.
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

# The menu: Shift+F10 and the right button open it, and a screen reader reads each item with its
# keys; each item that opens a window opens it, and quitting keeps the journey.
main=$(xdotool search --onlyvisible --name '\(1/60\)$' | head -n 1)
# A purchase first, so that there is something to take back: a double click on the market's
# first row, and Enter in the trade dialog.
xdotool mousemove --window "$main" 150 26 click --repeat 2 1
sleep 1
xdotool key Return
sleep 0.5
/usr/bin/python3 "$here/screen_reader.py" --focus 6 >"$work/focus" &
listener=$!
sleep 1
xdotool windowfocus --sync "$main" key shift+F10
sleep 0.5
xdotool key --delay 100 --repeat 11 Down
xdotool key Escape
wait "$listener"
for item in 新的旅程:Ctrl+N 今天的旅程:Ctrl+D 同一种子再来:Ctrl+R 退回一步:Ctrl+Z 日志:Ctrl+J 价格簿:Ctrl+P 富豪榜:Ctrl+H 统计:Ctrl+T \
  改名:F2 帮助:F1 退出:Ctrl+Q; do
  grep -qP "^menu item\t${item%%:*}\\(.\\)\t.*\t\\Q${item#*:}\\E$" "$work/focus" ||
    fail "the menu's item ${item%%:*} is not read with ${item#*:}: $(cat "$work/focus")"
done
# The n-th item, chosen by the keyboard from a menu opened by the right button.
choose() { # n
  xdotool mousemove --window "$main" 360 150 click 3
  sleep 0.5
  xdotool key --delay 50 --repeat "$1" Down key Return
}
for window in 5:日志 6:价格簿 8:统计; do
  choose "${window%%:*}"
  shown=$(timeout 10 xdotool search --sync --onlyvisible --name "^${window#*:}\$") ||
    fail "the menu item ${window#*:} opened no window"
  xdotool windowfocus --sync "$(head -n 1 <<<"$shown")" key Escape
  xdotool windowfocus --sync "$main"
done
choose 11
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the menu item 退出 did not quit"
pid=
[ -f "$XDG_DATA_HOME/tidepeddler/journey.json" ] || fail "quitting did not keep the journey"
echo "screen-reader: every control of the main window and every item of its menu is read with its name"
