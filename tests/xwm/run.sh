#!/usr/bin/env bash
# Runs a test program on a private X server at 96 DPI under openbox, a real
# window manager: window frames, focus and keyboard input exist only there.
# The screen holds the window at scale 2 too.
#   tests/xwm/run.sh PROGRAM [ARGS...]
set -euo pipefail

for tool in Xvfb openbox xdotool xprop; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/deps.sh" >&2; exit 1; }
done

work=$(mktemp -d)
cleanup() {
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  [ -n "${server:-}" ] && kill "$server" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display and writes its number when it is ready.
Xvfb -displayfd 3 -noreset -screen 0 2560x1600x24 -dpi 96 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
# Ready once it has claimed the screen as the window manager (a loaded
# machine may take seconds). The server runs with -noreset: between the
# clients of these checks it would otherwise reset and refuse openbox.
for _ in $(seq 400); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" || { cat "$work/openbox.log" >&2; echo "openbox did not start" >&2; exit 1; }

QT_QPA_PLATFORM=xcb "$@"
