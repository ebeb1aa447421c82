#!/usr/bin/env bash
# Measures, under Xvfb, how long the game takes from process start to its
# first painted window (the About window), and its resident memory after a
# whole game played through the real window with xdotool.
#
#   scripts/measure-startup.sh [path/to/pellumo] [--screenshot FILE]
#
# The program prints the measurements itself when PELLUMO_MEASURE=1 is set:
# the time from process start to the first paint (to standard error, on the
# first paint) and VmRSS/VmHWM at exit. The variable changes nothing the
# game does. Needs xvfb-run, xauth, xdotool and ImageMagick's import.
set -euo pipefail

exe=${1:-build/pellumo}
shot=""
if [ "${2:-}" = "--screenshot" ]; then shot=$(realpath -m "${3:?file}"); fi
exe=$(realpath "$exe")
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "measure-startup: $tool is missing" >&2; exit 1; }
done

# A program folder of our own, so no settings land beside the build.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$exe" "$folder/pellumo"
cp "$(dirname "$exe")/Robotz Recycle.wav" "$folder/" 2>/dev/null || true
cp -r "$(dirname "$exe")/help" "$folder/" 2>/dev/null || true
export FOLDER=$folder SHOT=$shot

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
set -euo pipefail
cd "$FOLDER"
times=()
for run in 1 2 3 4 5; do
  rm -f pellumo.ini
  PELLUMO_MEASURE=1 ./pellumo 2>err.txt &
  pid=$!
  for i in $(seq 100); do grep -q first-paint-ms err.txt 2>/dev/null && break; sleep 0.05; done
  kill $pid; wait $pid 2>/dev/null || true
  times+=($(sed -n "s/.*first-paint-ms-since-start //p" err.txt))
done
echo "first paint (ms after process start), 5 runs: ${times[*]}"
printf "%s\n" "${times[@]}" | sort -n | sed -n 3p | sed "s/^/median: /;s/$/ ms/"

# A whole game: click every line again and again until the game is over.
rm -f pellumo.ini
PELLUMO_MEASURE=1 ./pellumo 2>err.txt &
pid=$!
win=""
for i in $(seq 100); do
  win=$(xdotool search --onlyvisible --name "^Pellumo!$" 2>/dev/null | head -1 || true)
  [ -n "$win" ] && break; sleep 0.1
done
[ -n "$win" ] || { echo "no main window" >&2; exit 1; }
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$win")"
# The board area: find its light yellow top left corner below the menu bar.
import -window root screen.png
top=$(convert screen.png -crop 1x200+$((X + 8))+$Y +repage txt:- | grep -i "FFFFC0" | head -1 | cut -d, -f2 | cut -d: -f1 || true)
[ -n "$top" ] || { echo "board not found on the screen" >&2; exit 1; }
board_y=$((Y + top)); board_x=$((X + 6))
# Designed board: lines 67 x 60 twips, boxes 677.625 x 565, 15 twips a pixel.
clicks() {
  awk -v bx=$board_x -v by=$board_y "BEGIN {
    v=67; h=60; bw=677.625; bh=565
    for (i = 1; i <= 72; i++) {
      c = (i - 1) % 8; r = int((i - 1) / 8)
      printf \"%d %d\n\", bx + (v + c * (bw + v) + bw / 2) / 15, by + (r * (bh + h) + h / 2) / 15
      c = (i - 1) % 9; r = int((i - 1) / 9)
      printf \"%d %d\n\", bx + (c * (bw + v) + v / 2) / 15, by + (h + r * (bh + h) + bh / 2) / 15
    }
  }"
}
over=0; n=0
for pass in $(seq 12); do
  while read -r x y; do
    if xdotool search --name "^Game Over$" >/dev/null 2>&1; then over=1; break; fi
    xdotool mousemove $x $y click 1
    n=$((n + 1))
    sleep 0.05
    if [ -n "$SHOT" ] && [ $n -eq 40 ]; then
      sleep 3; xdotool mousemove $((board_x + 150)) $((board_y + 100)); sleep 0.3
      import -window "$win" "$SHOT"; echo "screenshot: $SHOT"
    fi
  done < <(clicks)
  [ $over -eq 1 ] && break
  sleep 2
done
if [ $over -eq 1 ]; then
  echo "game over after $pass passes"
  sleep 1
  grep -E "VmRSS|VmHWM" /proc/$pid/status | sed "s/^/after a whole game: /"
  xdotool key --window "$(xdotool search --name "^Game Over$" | head -1)" Return || true
else
  echo "the game did not end" >&2
  grep -E "VmRSS|VmHWM" /proc/$pid/status | sed "s/^/after $n clicks: /"
fi
kill $pid 2>/dev/null; wait $pid 2>/dev/null || true
'
