# One run of the soak (sourced by soak.sh, after virtual_display.sh): the game started,
# the full-screen question answered No, then random input by scene until the run's frames
# are spent or the ending has shown long enough, and Escape. Random choices come from
# bash's RANDOM, which the caller seeds; the game's own pace decides how many frames pass
# between two inputs, so a seed repeats the inputs, not the frames they fall on.

play_keys=(Left Right Up Down z x c)

# What the game reported: the scene from its loads (the title tune, the first model, then
# the stage, boss and ending tunes), the frames presented and the memory samples.
read_game_log() {
  local line rest
  mapfile -t -s "$log_lines" new_lines <"$game_log"
  log_lines=$((log_lines + ${#new_lines[@]}))
  for line in "${new_lines[@]}"; do
    [[ $line =~ ^veltrane:\ frame\ ([0-9]+)(.*)$ ]] || continue
    frame=${BASH_REMATCH[1]}
    rest=${BASH_REMATCH[2]}
    case $rest in
      " load tune "*/title.mid) enter_scene title ;;
      " load model "*) [ "$scene" = title ] && enter_scene loading ;;
      " load tune "*/stage01.mid) enter_scene stage ;;
      " load tune "*/boss.mid) enter_scene boss ;;
      " load tune "*/ending.mid) enter_scene ending ;;
    esac
    if [[ $rest =~ ^(\ end)?\ resident\ ([0-9]+)\ KiB\ peak\ ([0-9]+)\ KiB$ ]]; then
      if [ -n "${BASH_REMATCH[1]}" ]; then
        run_peak_kib=${BASH_REMATCH[3]}
      else
        samples+=("$frame ${BASH_REMATCH[2]} $scene")
      fi
    fi
  done
}

enter_scene() {
  scene=$1
  scene_start[$1]=$frame
}

press() { xdotool keydown "$1"; held[$1]=1; }
release() { xdotool keyup "$1"; unset "held[$1]"; }
release_all() { local key; for key in "${!held[@]}"; do release "$key"; done; }
flip() { if [ -n "${held[$1]:-}" ]; then release "$1"; else press "$1"; fi; }

# A controller state: full deflection or centre on each axis mostly, any value sometimes;
# any of the four buttons.
move_controller() {
  local axes=() i
  for i in 0 1; do
    if [ $((RANDOM % 4)) -eq 0 ]; then axes+=($((RANDOM * 2 - 32768))); else axes+=($(((RANDOM % 3 - 1) * 32767))); fi
  done
  echo "${axes[0]} ${axes[1]} $((RANDOM % 16))" >"$pad_file.new"
  mv "$pad_file.new" "$pad_file"
}

# One step of input in the current scene. Keys pressed for one step only (Enter, Space, G)
# are let go at the next step.
step_input() {
  local key
  for key in Return space g; do [ -n "${held[$key]:-}" ] && release "$key"; done
  case $scene in
    title)
      [ $((RANDOM % 4)) -eq 0 ] && flip "${play_keys[RANDOM % ${#play_keys[@]}]}"
      [ $((RANDOM % 20)) -eq 0 ] && press Return
      ;;
    stage | boss)
      flip "${play_keys[RANDOM % ${#play_keys[@]}]}"
      [ $((RANDOM % 3)) -eq 0 ] && move_controller
      # A careful player resets the craft often enough that it reaches the boss.
      [ "$careful" -eq 1 ] && [ $((RANDOM % 3)) -eq 0 ] && press space
      [ "$scene" = boss ] && [ $((RANDOM % 150)) -eq 0 ] && press g
      ;;
    ending)
      [ $((RANDOM % 4)) -eq 0 ] && flip "${play_keys[RANDOM % ${#play_keys[@]}]}"
      ;;
  esac
  return 0
}

# play_one_run BUDGET CAREFUL: one run of at most BUDGET frames; a careful run presses Space
# often. Sets run_frames, run_status, run_peak_kib, samples and scene_start.
play_one_run() {
  local budget=$1 ending_frames=$((1000 + RANDOM % 2000))
  careful=$2
  scene=start frame=0 log_lines=0 run_peak_kib=0 samples=()
  unset scene_start held
  declare -gA scene_start=() held=()
  echo "0 0 0" >"$pad_file"
  start_game "$build"
  answer_question Escape                            # No: window mode
  xdotool windowfocus --sync "$window"
  while kill -0 "$game" 2>/dev/null; do
    read_game_log
    if [ "$frame" -ge "$budget" ] ||
      { [ "$scene" = ending ] && [ $((frame - scene_start[ending])) -ge "$ending_frames" ]; }; then
      release_all
      xdotool key Escape
      break
    fi
    step_input
    sleep 0.03
  done
  if [ -n "$game" ]; then
    await_game 120
    run_status=$game_status
  fi
  read_game_log
  run_frames=$frame
}
