# What the playthroughs share (sourced after virtual_display.sh): keys held as a player
# holds them, screenshots of the game's window, and the scene told from a screenshot.
# The game prints nothing, so the scene is known from its pictures alone, compared loosely:
# black corners for the ending and the loading screen, the boss's red life bar at the top,
# the head-up display's lit corners for the stage.
# The sourcing script sets build (the build folder) and run (a short name for its
# screenshots, build/screens/e2e-RUN-*.png).

mkdir -p "$build/screens"
shot="$build/screens/.e2e-$run-last.png"   # the last look
seen=""                                     # the scene it showed

# A press long enough for a frame to see the key down (Z, X, C, Space, G and Enter count
# only while down, and frames are quick without pacing).
tap() {
  xdotool keydown "$1"
  sleep 0.15
  xdotool keyup "$1"
}

# Mean of a region (WxH+X+Y) of picture $1 as "red green blue", 0 to 255.
region_mean() {
  convert "$1" -crop "$2" +repage -resize '1x1!' -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}

# Brightest channel value in a region of picture $1, 0 to 255.
region_max() {
  convert "$1" -crop "$2" +repage -format '%[fx:int(255*maxima)]' info:
}

# Prints the scene picture $1 shows: title, loading, stage, rise (the boss rising under
# its own camera, no head-up display, deep blue), boss (its life bar shown), ending, or
# other (a frame between scenes).
scene_of() {
  local tl tr bl br bar emblem logo whole
  tl=$(region_max "$1" 40x40+0+0)
  tr=$(region_max "$1" 40x40+600+0)
  bl=$(region_max "$1" 40x40+0+440)
  br=$(region_max "$1" 40x40+600+440)
  if [ "$tl" -le 16 ] && [ "$tr" -le 16 ] && [ "$bl" -le 16 ]; then
    # Black round the edges: the loading screen has its caption in the bottom-right corner
    # and nothing between its bars and the caption; the ending's craft or a staff line
    # sliding down lights that band whenever a line passes that corner.
    if [ "$br" -gt 16 ] && [ "$(region_max "$1" 640x180+0+240)" -le 16 ]; then echo loading; else echo ending; fi
    return
  fi
  read -r -a bar <<<"$(region_mean "$1" 60x6+175+11)"
  if [ "${bar[0]}" -ge 140 ] && [ "${bar[1]}" -le 80 ]; then echo boss; return; fi
  read -r -a emblem <<<"$(region_mean "$1" 120x20+90+395)"
  read -r -a logo <<<"$(region_mean "$1" 300x40+250+70)"
  if [ "${emblem[0]}" -ge 150 ] && [ "${logo[2]}" -ge 180 ]; then echo title; return; fi
  if [ "$tl" -ge 200 ] && [ "$tr" -ge 200 ]; then echo stage; return; fi
  read -r -a whole <<<"$(region_mean "$1" 640x480+0+0)"
  if [ "${whole[2]}" -ge $((2 * whole[0] + 20)) ]; then echo rise; return; fi
  echo other
}

# Takes a screenshot of the game's window into $shot and prints the scene it shows.
look() {
  import -window "$window" "$shot" 2>/dev/null || { echo none; return; }
  scene_of "$shot"
}

# Keeps the last screenshot as build/screens/e2e-RUN-$1.png.
keep_shot() {
  cp "$shot" "$build/screens/e2e-$run-$1.png"
}

# Looks at the game until it shows scene $1, for at most $2 seconds, running the command
# $3 (a player's move, may be empty) between looks; seen holds the scene of the last look.
# Fails when the game ends or shows one of the scenes listed in $4 first.
wait_for_scene() {
  local want=$1 seconds=$2 move=$3 unwanted=${4:-} deadline=$((SECONDS + $2))
  while [ $SECONDS -lt $deadline ]; do
    if ! kill -0 "$game" 2>/dev/null; then
      echo "the game ended while waiting for the $want scene"
      return 1
    fi
    seen=$(look)
    [ "$seen" = "$want" ] && return 0
    if [[ " $unwanted " == *" $seen "* ]]; then
      echo "the game showed the $seen scene while waiting for the $want scene"
      keep_shot "unexpected-$seen"
      return 1
    fi
    [ -z "$move" ] || $move
  done
  echo "no $want scene within $seconds seconds (the last look showed: $seen)"
  keep_shot "timeout-$want"
  return 1
}

# Looks once; fails unless the game shows scene $1.
expect_scene() {
  local seen
  seen=$(look)
  [ "$seen" = "$1" ] || { echo "expected the $1 scene, the game shows: $seen"; keep_shot "unexpected-$seen"; return 1; }
}

# From the start to the first frames of the stage: answer the full-screen question No, see
# the title, press Enter, see the loading screen, then the stage. Keeps a screenshot of the
# title and of the loading screen. The game keeps its pace of 60 frames a second and SDL's
# disk driver records the sound in real time beside it, so effects come as often against
# the tune as a player hears them; unpaced, they would crowd into the mix.
start_to_stage() {
  unset VELTRANE_NO_PACING
  audio_driver=disk
  start_display
  start_game "$build"
  answer_question Escape                            # No: window mode
  xdotool windowfocus --sync "$window"
  wait_for_scene title 30 ""
  keep_shot title
  tap Return
  wait_for_scene loading 10 "" "stage"
  keep_shot loading
  wait_for_scene stage 120 ""
  echo "the stage began ${SECONDS} seconds after the start"
}

# The recorded sound of a game that has ended: prints its length, peak and RMS level, and
# fails on any sample at full scale (the mix saturates there, so a burst of effects over
# the tune must leave headroom), or on a recording shorter than most of the game's run.
check_sound() {
  local level
  read -r -a level < <(perl -e 'binmode STDIN; my ($n, $full, $peak, $sum) = (0, 0, 0, 0);
    while (read(STDIN, my $block, 65536)) {
      for my $s (unpack "s<*", $block) { my $a = abs $s; $n++; $sum += $a * $a;
        $peak = $a if $a > $peak; $full++ if $a >= 32767 } }
    printf "%d %d %.1f %.1f\n", $n / 88200, $full, 20 * log(($peak || 1) / 32768) / log(10),
      10 * log(($sum || 1) / ($n || 1) / 32768**2) / log(10)' <"$game_sound")
  echo "sound: ${level[0]} s recorded, peak ${level[2]} dBFS, RMS ${level[3]} dBFS, ${level[1]} samples at full scale"
  if [ "${level[0]}" -lt $((SECONDS * 8 / 10)) ]; then
    echo "the recording is shorter than the game's run (${SECONDS} s): the sound was not mixed in real time"
    return 1
  fi
  [ "${level[1]}" -eq 0 ] || { echo "the mix reached full scale"; return 1; }
}
