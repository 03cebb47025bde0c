#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the game's .deb from a release build, unpacks it into an empty root and runs the game
# from there under Xvfb, as a user who installed the package would:
#   - the package is named tidepeddler and holds the program in /usr/games, its menu entry,
#     metainfo, icons, manual page, changelog, its faces in /usr/share/tidepeddler and a
#     machine-readable copyright file that names each face's licence;
#   - lintian finds nothing to warn of, let alone an error;
#   - with no display, --help and --version answer with status 0 and a start fails with one line
#     and status 1;
#   - its dependencies are installed runtime packages, none of them for development; it
#     recommends Qt's Wayland platform plugin, and its description names the three languages;
#   - every library and font the running program maps, and every library of the planner it runs
#     for --best-run, comes from a declared dependency or from theirs, and every declared
#     dependency provides at least one of them (no more, no less);
#   - the desktop entry's TryExec and Exec name the packaged program by its full path, so a
#     session whose PATH lacks /usr/games starts it too; started so, with such a PATH, the main
#     window maps with "(1/60)" in its title, the faces are mapped from the package's
#     /usr/share/tidepeddler, a name typed with characters beyond them is drawn from the
#     declared CJK font, and closing the window ends the program with 0.
#
# usage: check-package.sh BUILD-DIR TP-XWATCH
set -euo pipefail
# The tools find and type the windows' Chinese titles and names in UTF-8 whatever the caller's
# locale, and the game speaks its own language: nothing of the caller's choice reaches it.
export LC_ALL=C.UTF-8
unset LANGUAGE

if [ "${1:-}" = --inside-xvfb ]; then
  phase=run
  shift
else
  phase=prepare
fi
build=$(cd "$1" && pwd)
xwatch=$2
app_id=io.github.tidepeddler.TidePeddler

fail() {
  echo "check-package: $*" >&2
  exit 1
}

# The package a file belongs to. /lib and /usr/lib are one folder here, but dpkg knows each
# file under the name its package gave it.
owner_of() {
  local path=$1 candidate
  for candidate in "$path" "${path#/usr}" "/usr$path"; do
    if out=$(dpkg-query -S "$candidate" 2>/dev/null); then
      echo "${out%%:*}" | sed 's/:.*//; s/,.*//'
      return 0
    fi
  done
  return 1
}

if [ "$phase" = prepare ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT

  cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
  deb=$(find "$work/out" -maxdepth 1 -name 'tidepeddler_*.deb' | head -n 1)
  [ -n "$deb" ] || fail "cpack made no tidepeddler_*.deb"
  echo "check-package: built $(basename "$deb")"

  [ "$(dpkg-deb -f "$deb" Package)" = tidepeddler ] || fail "package is not named tidepeddler"
  depends=$(dpkg-deb -f "$deb" Depends)
  echo "check-package: Depends: $depends"
  declared=()
  IFS=',' read -r -a fields <<<"$depends"
  for field in "${fields[@]}"; do
    name=$(echo "$field" | sed 's/(.*)//; s/|.*//; s/ //g')
    [ -n "$name" ] || continue
    case "$name" in
      *-dev | *-dbg | *-dbgsym) fail "declares the development package $name" ;;
    esac
    dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'install ok installed' ||
      fail "declares $name, which is not an installed package here"
    declared+=("$name")
  done

  # Without the plugin a Wayland desktop shows the game through its X server; with it, natively.
  recommends=$(dpkg-deb -f "$deb" Recommends)
  echo "check-package: Recommends: $recommends"
  grep -qE '(^|, *)qt6-wayland( |,|$)' <<<"$recommends" || fail "the package does not recommend qt6-wayland"
  description=$(dpkg-deb -f "$deb" Description)
  for language in 'Simplified Chinese' 'Traditional Chinese' English; do
    grep -q "$language" <<<"$description" || fail "the package's description does not name $language"
  done

  contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
  # The Song face is cut from Arphic's font, whose licence text has to travel with it unaltered.
  for expected in ./usr/games/tidepeddler ./usr/share/applications/$app_id.desktop \
    ./usr/share/metainfo/$app_id.metainfo.xml ./usr/share/man/man6/tidepeddler.6.gz \
    ./usr/share/doc/tidepeddler/copyright ./usr/share/doc/tidepeddler/changelog.gz \
    ./usr/share/doc/tidepeddler/ARPHICPL.TXT ./usr/share/tidepeddler/song.ttf \
    ./usr/share/tidepeddler/hei.ttf; do
    grep -qxF "$expected" <<<"$contents" || fail "package lacks $expected"
  done
  grep -q '^\./usr/bin/.' <<<"$contents" && fail "package installs into /usr/bin, not /usr/games"

  # Every E: (error) and W: (warning) line of lintian fails the package; I: and the like are
  # information only.
  lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
  cat "$work/lintian.log"
  if grep -qE '^[EW]: ' "$work/lintian.log"; then
    fail "lintian reports errors or warnings"
  fi
  echo "check-package: lintian reports no error and no warning"
  # Menus draw 16 to 48 pixels, software centres 64 and up.
  for size in 16x16 32x32 48x48 64x64 128x128; do
    grep -qxF "./usr/share/icons/hicolor/$size/apps/tidepeddler.png" <<<"$contents" ||
      fail "package lacks the $size program icon"
  done

  root="$work/root"
  dpkg-deb -x "$deb" "$root"
  desktop-file-validate "$root/usr/share/applications/$app_id.desktop" ||
    fail "installed desktop entry rejected"
  # The installed tree as a software centre reads it: metainfo, the entry it launches, icons.
  appstreamcli validate-tree --no-net "$root" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "installed metainfo rejected"; }
  for size in 16 32 48 64 128; do
    # Width and height stand big-endian in the PNG header, bytes 16 to 23.
    read -r w h < <(od -An -tu1 -j16 -N8 \
      "$root/usr/share/icons/hicolor/${size}x$size/apps/tidepeddler.png" |
      awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "${w:-0}" = "$size" ] && [ "${h:-0}" = "$size" ] ||
      fail "the ${size}x$size icon is ${w:-?} x ${h:-?}"
  done

  if ldd "$root/usr/games/tidepeddler" | grep 'not found'; then
    fail "the installed program links libraries that are not there"
  fi

  # Each face installed is named in the copyright file with a licence of its own, and the text
  # of each part of that licence is there too.
  copyright="$root/usr/share/doc/tidepeddler/copyright"
  head -n 1 "$copyright" |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in the machine-readable format"
  for face in "$root"/usr/share/tidepeddler/*.ttf; do
    name=$(basename "$face")
    licence=$(awk -v file="resources/fonts/$name" '
      /^$/ {named = 0; files = 0}
      /^Files:/ {files = 1}
      /^[A-Z]/ && !/^Files:/ {files = 0}
      files {for (i = 1; i <= NF; i++) if ($i == file) named = 1}
      named && /^License:/ {sub(/^License: */, ""); print; exit}' "$copyright")
    [ -n "$licence" ] || fail "the copyright file names no licence for $name"
    [ "$licence" != Expat ] || fail "the copyright file puts $name under the game's licence"
    echo "check-package: $name: $licence"
    while IFS= read -r part; do
      grep -qxF "License: $part" "$copyright" ||
        fail "the copyright file has no text for the licence '$part' of $name"
    done < <(sed 's/ and /\n/g' <<<"$licence")
  done

  # The manual page renders, and man finds nothing wrong in it.
  page="$root/usr/share/man/man6/tidepeddler.6.gz"
  rendered=$(MANWIDTH=80 man -l "$page" 2>&1) || fail "man could not render the manual page"
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS 'EXIT STATUS' FILES; do
    grep -qx "$section" <<<"$rendered" || fail "the manual page has no $section section"
  done
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man warns of the manual page: $warnings"
  echo "check-package: the manual page renders without warnings"

  # The command line of the unpacked program, with no display at all.
  installed="$root/usr/games/tidepeddler"
  env -i PATH=/usr/bin:/bin HOME="$work" "$installed" --help >"$work/help.txt" 2>&1 ||
    { cat "$work/help.txt" >&2; fail "--help without a display failed"; }
  env -i PATH=/usr/bin:/bin HOME="$work" "$installed" --version >/dev/null 2>&1 ||
    fail "--version without a display failed"
  status=0
  env -i PATH=/usr/bin:/bin HOME="$work" "$installed" >"$work/nodisplay.txt" 2>&1 || status=$?
  [ "$status" -eq 1 ] && [ "$(wc -l <"$work/nodisplay.txt")" -eq 1 ] ||
    { cat "$work/nodisplay.txt" >&2; fail "a start without a display ended with $status"; }
  echo "check-package: no display: --help and --version end with 0, a start with 1 and: $(cat "$work/nodisplay.txt")"

  exec "$(dirname "$0")/../../scripts/in-xvfb.sh" 1280x1024x24 \
    "$0" --inside-xvfb "$build" "$xwatch" "$root" "$work" "${declared[@]}"
fi

# Under Xvfb: start the unpacked program with nothing of the build's environment.
root=$3
work=$4
shift 4
declared=("$@")

# The menu starts what the desktop entry's Exec names, and shows the entry only while TryExec's
# file is there. Both are full paths: not every session's PATH has /usr/games in it.
entry="$root/usr/share/applications/$app_id.desktop"
for key in TryExec Exec; do
  command=$(sed -n "s/^$key=\([^ ]*\).*/\1/p" "$entry")
  [ "$command" = /usr/games/tidepeddler ] ||
    fail "the desktop entry's $key is '$command', not /usr/games/tidepeddler"
done
program="$root$command"
[ -x "$program" ] || fail "the desktop entry runs $command, which the package does not install"

env -i PATH=/usr/bin:/bin HOME="$work" LANG=C.UTF-8 DISPLAY="$DISPLAY" \
  XAUTHORITY="${XAUTHORITY:-}" "$program" >"$work/run.log" 2>&1 &
pid=$!

if ! timeout 30 xdotool search --sync --onlyvisible --name '\(1/60\)' >/dev/null; then
  kill "$pid" 2>/dev/null || true
  cat "$work/run.log" >&2
  fail "no window titled with (1/60) was mapped within 30 s"
fi
echo "check-package: main window mapped"

# The windows' texts come from the game's own faces; the declared CJK font is there for
# what the player types. Rename the player to characters no text of the game has, so that the
# font is loaded as it would be in play.
window=$(xdotool search --onlyvisible --name '\(1/60\)' | head -n 1)
xdotool windowfocus --sync "$window" key F2
timeout 10 xdotool search --sync --onlyvisible --name '改名' >/dev/null ||
  fail "F2 opened no input box titled 改名"
xdotool type --delay 20 '龘麤'
xdotool key Return
for _ in $(seq 50); do
  # The package's own faces are mapped from the start; wait for an installed font.
  awk '{print $6}' "/proc/$pid/maps" | grep -v "^$root/" | grep -qE '\.(ttf|ttc|otf)$' && break
  sleep 0.1
done

# What the program has loaded once its window is up: its libraries, plugins and fonts.
mapped=$(awk '$6 ~ /^\// {print $6}' "/proc/$pid/maps" | sort -u)
closure=$(apt-cache depends --recurse --installed --no-recommends --no-suggests --no-conflicts \
  --no-breaks --no-replaces --no-enhances "${declared[@]}" 2>/dev/null | grep -v '^ ' |
  tr -d '<>' | sort -u)
# Qt's X11 plugin opens the cursor-theme library (and with it the render extension's) when the
# system has it and draws plain X cursors when not: present on this machine, needed by nobody.
optional=(libxcursor1 libxrender1)
used=()
problems=0
for face in song.ttf hei.ttf; do
  if ! grep -qxF "$root/usr/share/tidepeddler/$face" <<<"$mapped"; then
    echo "check-package: the program did not map the packaged $face" >&2
    problems=1
  fi
done
[ "$problems" -eq 0 ] && echo "check-package: the faces are mapped from the package's /usr/share/tidepeddler"
while read -r file; do
  case "$file" in
    "$root"/*) continue ;;
    *.so | *.so.* | *.ttf | *.ttc | *.otf | *.pfb | *.pcf | *.pcf.gz) ;;
    *) continue ;;
  esac
  if ! package=$(owner_of "$file"); then
    echo "check-package: $file belongs to no package" >&2
    problems=1
    continue
  fi
  used+=("$package")
  if ! grep -qxF "$package" <<<"$closure" && ! printf '%s\n' "${optional[@]}" | grep -qxF "$package"; then
    echo "check-package: $file comes from $package, which no declared dependency brings" >&2
    problems=1
  fi
done <<<"$mapped"
# The planner the game runs for --best-run, installed off the path, loads the solver the game
# never does: its libraries count as used too, and must come from declared dependencies.
if ! "$root/usr/games/tidepeddler" --best-run 1 | tail -n 1 | grep -q '[0-9]'; then
  echo "check-package: the packaged --best-run printed no best run" >&2
  problems=1
fi
while read -r file; do
  package=$(owner_of "$file") || continue
  used+=("$package")
  if ! grep -qxF "$package" <<<"$closure"; then
    echo "check-package: the planner's $file comes from $package, which no declared dependency brings" >&2
    problems=1
  fi
done < <(ldd "$root/usr/lib/tidepeddler/tidepeddler-planner" | awk '$3 ~ /^\// {print $3}')
for name in "${declared[@]}"; do
  if ! printf '%s\n' "${used[@]}" | grep -qxF "$name"; then
    echo "check-package: declares $name, but the running program loads nothing of it" >&2
    problems=1
  fi
done
echo "check-package: loaded files come from: $(printf '%s\n' "${used[@]}" | sort -u | tr '\n' ' ')"

# A process that has ended but is not yet waited for still answers kill -0.
running() {
  [ -r "/proc/$1/stat" ] && ! awk '{sub(/.*\) /, ""); exit $1 == "Z" ? 0 : 1}' "/proc/$1/stat"
}

"$xwatch" close '(1/60)' || fail "could not find the main window to close it"
status=0
for _ in $(seq 100); do
  running "$pid" || break
  sleep 0.1
done
if running "$pid"; then
  kill "$pid"
  fail "the program did not end within 10 s of its main window closing"
fi
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { cat "$work/run.log" >&2; fail "the program ended with status $status"; }
echo "check-package: closing the main window ended the program with status 0"
[ "$problems" -eq 0 ] || fail "what the program loads does not match the package and its dependencies"
echo "check-package: passed"
