#!/usr/bin/env bash
# The real game on a virtual X display, driven as a player would: answer the full-screen
# question No, let the title run, press Escape; the program must end with exit code 0.
# Usage: start_and_quit.sh BUILD-FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
source "$(dirname "$0")/virtual_display.sh"

start_display
start_game "$build"
answer_question Escape                              # No: window mode
sleep 2                                             # some frames of the title
kill -0 "$game"                                     # still running
width=$(xwininfo -id "$window" | awk '/Width:/ { print $2 }')
if [ "$width" -ne 640 ]; then
  echo "the window is $width pixels wide: the answer No should have given a 640-pixel window"
  exit 1
fi
mkdir -p "$build/screens"
import -window root "$build/screens/e2e-title.png" 2>/dev/null || true
quit_with_escape
cat "$game_log"
echo "the game started, ran and quit with exit code 0"
