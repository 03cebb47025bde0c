#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program speaks the player's language from the locale, everywhere a player looks: for
# Traditional Chinese, English and Simplified Chinese in turn, the main window's title and
# controls, a diary entry the rules compose, and the message that ends a run are read over the
# accessibility bus, as a screen reader reads them, and with what the command line writes are
# checked: each in its language, the
# Traditional ones without a Simplified form, the English ones without a Chinese character, the
# Simplified ones exactly as the game has always written them.
#
# usage: languages.sh PROGRAM
# Seed 16's first journey brings the diary, and its story is a beggar's lesson in the local talk.
source "$(dirname "$0")/driving.sh" languages --screen-reader -- "$@"
here=$(cd "$(dirname "$0")" && pwd)
program=$2
work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# What the player reads: every control's name, description and text, and the windows' titles.
read_out() {
  /usr/bin/python3 "$here/screen_reader.py" --text tidepeddler ||
    { cat "$work/log" >&2; fail "the program is not on the accessibility bus"; }
  xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null || true
}

start() { # locale, arguments
  local locale=$1
  shift
  LC_ALL=$locale LANG=$locale "$program" "$@" >>"$work/log" 2>&1 &
  pid=$!
}

stop() {
  kill -9 "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
}

# The window on show titled exactly so, waited for up to ten seconds. Titles are compared as
# getwindowname reads them: where the game's locale is not installed, as on a test machine, the
# old title property holds UTF-8 that xdotool's own search cannot match.
titled() { # title
  local id
  for _ in $(seq 100); do
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
      [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

travel() { # window
  xdotool mousemove --window "$1" 360 272 click 1
}

# The run kept after the first day, moved on to its last day, so that the next journey ends it.
last_day() {
  /usr/bin/python3 - "$XDG_DATA_HOME/tidepeddler/journey.json" <<'EOF'
import json, sys
path = sys.argv[1]
journey = json.load(open(path, encoding="utf-8"))
journey["day"] = 60
journey["dailyWorth"] = journey["dailyWorth"] * 59
journey["diary"] = []
json.dump(journey, open(path, "w", encoding="utf-8"), ensure_ascii=False)
EOF
}

# Plays the language's three moments; leaves what was read in $work/LOCALE-*.txt.
play() { # locale, title, diary's title, question's title
  local locale=$1 title=$2 diary=$3 question=$4 window
  export XDG_DATA_HOME="$work/$locale"
  start "$locale" --seed 16
  window=$(titled "$title            (1/60)") ||
    { cat "$work/log" >&2; fail "$locale: no main window titled $title"; }
  read_out >"$work/$locale-main.txt"

  travel "$window"
  window=$(titled "$diary") || fail "$locale: no diary titled $diary"
  read_out >"$work/$locale-diary.txt"
  # The journey is kept once its diary is read.
  xdotool windowfocus "$window"
  xdotool key Escape
  for _ in $(seq 100); do
    [ -f "$XDG_DATA_HOME/tidepeddler/journey.json" ] && break
    sleep 0.1
  done
  stop

  last_day
  start "$locale"
  window=$(titled "$question") || { cat "$work/log" >&2; fail "$locale: no question titled $question"; }
  xdotool windowfocus "$window"
  xdotool key Return
  window=$(titled "$title            (60/60)") || fail "$locale: the journey did not go on at day 60"
  travel "$window"
  # The run's end is told in a message over the main window.
  for _ in $(seq 100); do
    [ "$(xdotool search --onlyvisible --name . | wc -l)" -gt 1 ] && break
    sleep 0.1
  done
  read_out >"$work/$locale-end.txt"
  stop
  echo "languages: $locale read"
}

# What the program writes on the command line: its help, a refused option, the hall of fame, the
# statistics and a journal.
# The game's Chinese name may stand beside its English one.
said() { # locale
  {
    LC_ALL=$1 LANG=$1 "$program" --help
    LC_ALL=$1 LANG=$1 "$program" --no-such-option 2>&1 || true
    LC_ALL=$1 LANG=$1 XDG_DATA_HOME="$work/$1" "$program" --scores
    LC_ALL=$1 LANG=$1 XDG_DATA_HOME="$work/$1" "$program" --stats
    # The journal kept in one language reads in every other.
    LC_ALL=$1 LANG=$1 XDG_DATA_HOME="$work/zh_TW.UTF-8" "$program" --journal
  } | sed 's/潮汐货郎 (Tide Peddler)/Tide Peddler/' >"$work/$1-command-line.txt"
}

# Fails unless the text read at a moment holds the given line.
holds() { # locale, moment, text
  grep -qF -- "$3" "$work/$1-$2.txt" ||
    { cat "$work/$1-$2.txt" >&2; fail "$1: the $2 does not read '$3'"; }
}

play zh_TW.UTF-8 "潮汐貨郎 V1.00" "我的日記本" "潮汐貨郎"
play en_US.UTF-8 "Tide Peddler V1.00" "My Diary" "Tide Peddler"
play zh_CN.UTF-8 "潮汐货郎 V1.00" "我的日记本" "潮汐货郎"
for locale in zh_TW.UTF-8 en_US.UTF-8 zh_CN.UTF-8; do
  said "$locale"
done

holds zh_TW.UTF-8 main $'push button\t買入'
holds zh_TW.UTF-8 main $'tree\t今日市場'
holds zh_TW.UTF-8 diary "一個要飯的教給俺幾句青島方言"
holds zh_TW.UTF-8 end "你在青島總共賺到了"
holds zh_TW.UTF-8 command-line "用法："
holds zh_TW.UTF-8 command-line "走過的天數"
holds zh_TW.UTF-8 command-line "第 2 天　去了"
holds zh_TW.UTF-8 command-line "回到故鄉，共賺到"
holds en_US.UTF-8 main $'push button\tBuy'
holds en_US.UTF-8 main $'tree\tToday\'s market'
holds en_US.UTF-8 diary "A beggar taught me some Qingdao talk"
holds en_US.UTF-8 end "you made ￥"
holds en_US.UTF-8 command-line "Usage:"
holds en_US.UTF-8 command-line "Days travelled"
holds en_US.UTF-8 command-line "A beggar taught me some Qingdao talk"
holds en_US.UTF-8 command-line "Went home with"
holds zh_CN.UTF-8 main $'push button\t买入'
holds zh_CN.UTF-8 main $'tree\t今日市场'
holds zh_CN.UTF-8 diary "一个要饭的教给俺几句青岛方言"
holds zh_CN.UTF-8 end "你在青岛共赚到了:￥"
# The command line has always spoken English in the game's own language.
holds zh_CN.UTF-8 command-line "Usage: tidepeddler [options]"
holds zh_CN.UTF-8 command-line "第 1 天　来到青岛，开始新的旅程（种子 16）。"

# No character of what the Traditional game showed is one the converter would write otherwise,
# but for the form Taiwan itself writes (吃).
characters=$(cat "$work"/zh_TW.UTF-8-*.txt | grep -oP '\p{Han}' | sort -u | grep -v '^吃$')
[ "$(wc -l <<<"$characters")" -gt 50 ] || fail "zh_TW: too few characters read to judge"
converted=$(opencc -c s2t <<<"$characters")
simplified=$(diff <(echo "$characters") <(echo "$converted") | grep '^<' || true)
[ -z "$simplified" ] || fail "zh_TW: Simplified forms shown: $(tr -d '<\n ' <<<"$simplified")"

# Nothing the English game showed is in Chinese.
chinese=$(cat "$work"/en_US.UTF-8-*.txt | grep -P '[\p{Han}\x{3000}-\x{303F}\x{FF01}-\x{FF5E}]' || true)
[ -z "$chinese" ] || fail "en_US: Chinese shown: $chinese"

echo "languages: each language is spoken everywhere a player looks"
