#!/usr/bin/env bash
# The real game on a virtual X display, driven as a player would: answer the full-screen
# question No, let the title run, press Escape; the program must end with exit code 0.
# Usage: start_and_quit.sh BUILD-FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
log=$(mktemp)

display=":$((100 + $$ % 800))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$log"' EXIT
export DISPLAY=$display SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Waits for a top-level window of exactly that name and prints its id. (xwininfo reads
# UTF-8 names, which xdotool's name search misses.)
find_window() {
  for _ in $(seq 100); do
    id=$(xwininfo -root -tree | awk -v name="\"$1\":" '$2 == name { print $1; exit }')
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "no window named $1" >&2
  return 1
}

cd "$build"
mkdir -p screens
./veltrane >"$log" 2>&1 &
game=$!

question=$(find_window "スクリーン設定")
xdotool windowfocus --sync "$question" key Escape   # Escape answers No: window mode

window=$(find_window "Veltrane")
sleep 2                                             # some frames of the title
kill -0 $game                                       # still running
width=$(xwininfo -id "$window" | awk '/Width:/ { print $2 }')
if [ "$width" -ne 640 ]; then
  echo "the window is $width pixels wide: the answer No should have given a 640-pixel window"
  exit 1
fi
import -window root "$build/screens/e2e-title.png" 2>/dev/null || true
xdotool windowfocus --sync "$window" key Escape

status=0
for _ in $(seq 100); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
wait $game || status=$?
cat "$log"
if [ $status -ne 0 ]; then
  echo "the game ended with exit code $status"
  exit 1
fi
echo "the game started, ran and quit with exit code 0"
