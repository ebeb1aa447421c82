#!/usr/bin/env bash
# The real program as a player starts it, on a dark desktop (qt6ct's
# "darker" scheme), under tests/xwm/run.sh: its main window has the class the
# desktop entry names, icons up to 256 px, and the light window colour the
# game was designed on, whatever the scheme.
#   tests/xwm/run.sh tests/xwm/realgame.sh PELLUMO SOURCE-FOLDER
set -euo pipefail
game=$1 source=$2
work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null; wait; rm -rf "$work"' EXIT
# A portable copy keeps its settings beside itself: here, not in the build.
cp "$game" "$work/pellumo"
cp -r "$source/tests/gui/darkdesktop" "$work/config"
XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORMTHEME=qt6ct "$work/pellumo" 2>"$work/log" &
pid=$!
fail() { echo "$*" >&2; cat "$work/log" >&2; exit 1; }
# The main window is the one openbox framed: a window Qt maps unframed (a
# tooltip) carries the application's name as its title too, and goes again.
id=
for _ in $(seq 300); do
  for w in $(xdotool search --onlyvisible --name '^Pellumo!$' 2>/dev/null); do
    xprop -id "$w" _NET_FRAME_EXTENTS 2>/dev/null | grep -q ' = ' && { id=$w; break 2; }
  done
  sleep 0.1
done
[ -n "$id" ] || fail "no framed window named Pellumo! appeared"

class=$(sed -n 's/^StartupWMClass=//p' "$source/packaging/io.github.pellumo.Pellumo.desktop")
xprop -id "$id" WM_CLASS | grep -qF ", \"$class\"" || fail "WM_CLASS is not \"$class\": $(xprop -id "$id" WM_CLASS)"
xprop -len 4000000 -id "$id" _NET_WM_ICON | grep -q "Icon (256 x 256)" || fail "no 256 px icon"
# Left of the board, below the menus: the window's own colour.
colour=$(import -window "$id" -crop 1x1+3+200 -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}') ||
  fail "no picture of window $id; the game is $(kill -0 "$pid" 2>/dev/null && echo running || echo gone); windows now: $(xdotool search --name . getwindowname %@ 2>/dev/null | tr '\n' '|')"
[ "$colour" = "#EFEFEF" ] || fail "the window is painted $colour, not the designed #EFEFEF"
