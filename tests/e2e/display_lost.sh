#!/usr/bin/env bash
# The real game loses its X server while the title runs full screen (where anything left
# waiting on the dead connection hangs every time): it must end by itself, and not by a crash.
# Usage: display_lost.sh BUILD-FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
source "$(dirname "$0")/virtual_display.sh"

start_display
start_game "$build"
answer_question Return                              # Yes: full screen
sleep 1                                             # some frames of the title
kill -0 "$game"                                     # still running
stop_process "$xvfb"
xvfb=""

await_game 5
cat "$game_log"
if [ "$game_status" -eq 0 ] || [ "$game_status" -ge 128 ]; then
  echo "the game ended with exit code $game_status: a lost display is a failure, not a crash"
  exit 1
fi
echo "the game ended with exit code $game_status once its X server had gone"
