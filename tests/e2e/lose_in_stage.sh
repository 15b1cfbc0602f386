#!/usr/bin/env bash
# The real executable, played without firing and without Space: enemies and their shots
# wear the craft's life down in the stage, its death spin ends, and the ending follows
# without a boss fight; Escape then ends the game with exit code 0. No key is held, so the
# run is the same on every machine. Screenshots go to build/screens/e2e-lost-*.png.
# Usage: lose_in_stage.sh BUILD-FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
run=lost
source "$(dirname "$0")/virtual_display.sh"
source "$(dirname "$0")/playthrough.sh"

start_to_stage
sleep 2
expect_scene stage
keep_shot stage

wait_for_scene ending 300 "" boss
echo "the craft was lost and the ending began ${SECONDS} seconds after the start"
sleep 0.7                                           # the first staff line fades in
expect_scene ending
keep_shot ending
sleep 4                                             # the ending goes on until Escape
expect_scene ending

quit_with_escape
check_sound
echo "lost the craft in the stage, reached the ending; Escape ended the game with exit code 0"
