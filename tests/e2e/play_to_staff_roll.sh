#!/usr/bin/env bash
# The whole game on the real executable, played as a player would: answer the full-screen
# question No, press Enter on the title, play the stage firing (Z held, missiles and laser
# now and then, Space often, as the craft's life cannot be read from outside), reach the
# boss, press G, watch the staff roll begin, press Escape: exit code 0. Screenshots of every
# scene go to build/screens/e2e-play-*.png.
# Usage: play_to_staff_roll.sh BUILD-FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
run=play
source "$(dirname "$0")/virtual_display.sh"
source "$(dirname "$0")/playthrough.sh"

moves=0
# What a player does between two looks (about two seconds; looking often slows the game):
# Space now and then keeps the craft alive; X and C need Z let go, as a held Z keeps the
# fire latch.
play_stage() {
  moves=$((moves + 1))
  [ "$seen" != rise ] || keep_shot rise
  for _ in 1 2 3 4 5 6; do tap space; sleep 0.15; done
  if [ $((moves % 3)) -eq 0 ]; then xdotool keyup z; tap x; xdotool keydown z; fi
  if [ $((moves % 5)) -eq 0 ]; then xdotool keyup z; tap c; xdotool keydown z; fi
}

start_to_stage
stage_began=$SECONDS
xdotool keydown z
play_stage
expect_scene stage
keep_shot stage

wait_for_scene boss 420 play_stage ending
xdotool keyup z
keep_shot boss
echo "the boss fight began ${SECONDS} seconds after the start"
# The stage's 11,400 frames last 190 s at the game's pace; run faster, they would crowd the
# recorded sound with effects.
[ $((SECONDS - stage_began)) -ge 180 ] || { echo "the stage was not played at the game's pace"; exit 1; }
tap g                                               # the boss into its last phase

wait_for_scene ending 60 ""
echo "the ending began ${SECONDS} seconds after the start"
sleep 0.7                                           # the first staff line fades in
expect_scene ending
keep_shot ending
if [ "$(region_max "$shot" 300x150+170+165)" -lt 64 ]; then
  echo "neither the craft nor the first staff line is drawn"
  exit 1
fi
sleep 4                                             # the ending goes on until Escape
expect_scene ending
keep_shot ending-later

quit_with_escape
check_sound
echo "played from the title through the stage and the boss to the staff roll; Escape ended the game with exit code 0"
