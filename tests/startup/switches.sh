#!/usr/bin/env bash
# The program's switches as a terminal or a script sees them, with no
# display: the exact text on each stream and the exit status, for the
# portable program and the installed one.
#   tests/startup/switches.sh PORTABLE INSTALLED VERSION
set -uo pipefail
portable=$(realpath "$1") installed=$(realpath "$2") version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# check NAME STATUS STDOUT STDERR [VAR=VALUE...] -- PROGRAM ARGS...
# Runs with nothing of this environment but PATH and what the case sets.
check() {
  local name=$1 status=$2 out=$3 err=$4
  shift 4
  local vars=()
  while [ "$1" != "--" ]; do vars+=("$1"); shift; done
  shift
  env -i PATH="$PATH" HOME="$work/home" LANG=C.UTF-8 "${vars[@]}" "$@" >"$work/out" 2>"$work/err"
  local got=$?
  printf '%s' "$out" >"$work/want-out"
  printf '%s' "$err" >"$work/want-err"
  if [ "$got" != "$status" ] || ! cmp -s "$work/out" "$work/want-out" || ! cmp -s "$work/err" "$work/want-err"; then
    echo "FAILED: $name: exit status $got, wanted $status"
    diff -u --label "wanted stdout" --label "stdout" "$work/want-out" "$work/out"
    diff -u --label "wanted stderr" --label "stderr" "$work/want-err" "$work/err"
    failed=1
  else
    echo "ok: $name"
  fi
}

usage() {
  printf '%s\n' "Usage: pellumo [--debug] [--help] [--version]" \
    "Pellumo! $version, dots and boxes against the computer." "" \
    "  --debug    open wide with the debug strip and the Debug menu" \
    "             (the same as PELLUMO_DEBUG=1 in the environment)" \
    "  --help     print this text and exit" \
    "  --version  print the version and exit" "" \
    "Settings, statistics and high scores: $1" \
    "Moves written by Print Moves: ~/myboxmoves.csv"
}
nodisplay() {
  printf '%s\n' "Pellumo! needs a graphical display to show its window: $1." \
    "Start it from a desktop session, or under xvfb-run."
}

check "--version" 0 "pellumo $version"$'\n' "" -- "$portable" --version
check "--version wins over --help" 0 "pellumo $version"$'\n' "" -- "$portable" --help --version
check "--help beside the program" 0 "$(usage "$(dirname "$portable")/pellumo.ini")"$'\n' "" -- "$portable" --help
check "-h" 0 "$(usage "$(dirname "$portable")/pellumo.ini")"$'\n' "" -- "$portable" -h
check "--help installed" 0 "$(usage "$work/home/.config/pellumo/pellumo.ini")"$'\n' "" -- "$installed" --help
check "--help installed, XDG_CONFIG_HOME" 0 "$(usage "$work/config/pellumo/pellumo.ini")"$'\n' "" \
  XDG_CONFIG_HOME="$work/config" -- "$installed" --help
check "--help in German" 0 "$(printf '%s\n' "Aufruf: pellumo [--debug] [--help] [--version]" \
  "Pellumo! $version, Käsekästchen gegen den Computer." "" \
  "  --debug    breit öffnen, mit Debug-Leiste und Debug-Menü" \
  "             (wie PELLUMO_DEBUG=1 in der Umgebung)" \
  "  --help     diesen Text ausgeben und beenden" \
  "  --version  die Version ausgeben und beenden" "" \
  "Einstellungen, Statistik und Bestenliste: $(dirname "$portable")/pellumo.ini" \
  "Von „Züge sichern“ geschriebene Züge: ~/myboxmoves.csv")"$'\n' "" LANG=de_DE.UTF-8 -- "$portable" --help

none="no display found (neither DISPLAY nor WAYLAND_DISPLAY is set)"
check "no display" 2 "" "$(nodisplay "$none")"$'\n' -- "$portable"
check "no display, --debug and a switch it does not know" 2 "" "$(nodisplay "$none")"$'\n' -- "$portable" --debug --bogus
check "no display, installed" 2 "" "$(nodisplay "$none")"$'\n' -- "$installed"
check "xcb asked for, no DISPLAY" 2 "" "$(nodisplay "QT_QPA_PLATFORM is xcb but DISPLAY is not set")"$'\n' \
  QT_QPA_PLATFORM=xcb WAYLAND_DISPLAY=wayland-0 -- "$portable"
check "wayland asked for, no WAYLAND_DISPLAY" 2 "" \
  "$(nodisplay "QT_QPA_PLATFORM is wayland-egl but WAYLAND_DISPLAY is not set")"$'\n' \
  QT_QPA_PLATFORM=wayland-egl DISPLAY=:0 -- "$portable"
# Nothing above may have made a file in the player's home.
if [ -e "$work/home" ]; then echo "FAILED: the switches wrote in the home folder"; failed=1; fi
exit "$failed"
