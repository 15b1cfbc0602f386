# What the end-to-end scripts share (sourced): a virtual X server on a free display, the
# real game started on it, its windows found by name, and a clean-up that stops the game
# before the X server and never waits long on either.
shopt -s inherit_errexit

e2e_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
game_log=$(mktemp)
game_sound=$(mktemp)  # what the game played, when audio_driver is disk
audio_driver=dummy
game=""
xvfb=""

# True when process $1 has ended within $2 tenths of a second.
ended_within() {
  for _ in $(seq "$2"); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  ! kill -0 "$1" 2>/dev/null
}

# Asks process $1 to end, and forces it after five seconds.
stop_process() {
  kill "$1" 2>/dev/null || return 0
  ended_within "$1" 50 || kill -KILL "$1" 2>/dev/null || true
}

# The EXIT trap: a game must not outlive its display, so the game goes first. A failed
# run shows what the game printed.
clean_up() {
  local status=$?
  [ -n "$game" ] && stop_process "$game"
  [ -n "$xvfb" ] && stop_process "$xvfb"
  [ $status -eq 0 ] || cat "$game_log"
  rm -f "$game_log" "$game_sound"
}
trap clean_up EXIT

# Starts Xvfb on a display no other X server holds (it reports the number once it accepts
# connections) and exports DISPLAY.
start_display() {
  local ready number
  exec {ready}< <(exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
  xvfb=$!
  if ! read -r -t 10 number <&"$ready"; then
    echo "the X server did not start" >&2
    return 1
  fi
  export DISPLAY=":$number"
}

# Starts the game of build folder $1 on the display, with no sound card: in its run folder,
# or as command $3 in folder $2. SDL's dummy driver takes the sound, or its disk driver
# records it into $game_sound.
start_game() {
  export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=$audio_driver SDL_DISKAUDIOFILE=$game_sound
  if ldd "$1/veltrane" | grep -q libasan; then
    # See keep_libraries_loaded.c.
    export LD_PRELOAD="$1/tests/libkeep_libraries_loaded.so"
    export ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0"
    export LSAN_OPTIONS="suppressions=$e2e_here/system-leaks.supp:print_suppressions=0"
  fi
  (cd "${2:-$1}" && exec "${3:-./veltrane}") >"$game_log" 2>&1 &
  game=$!
}

# Waits (up to a minute: a sanitizer build starting on a busy machine is slow) for a
# top-level window of exactly that name and prints its id. (xwininfo reads
# UTF-8 names, which xdotool's name search misses. It fails when a window goes while it
# walks the tree, as the game's start-up windows do: that look just finds nothing.)
find_window() {
  local id
  for _ in $(seq 600); do
    id=$(xwininfo -root -tree 2>/dev/null | awk -v name="\"$1\":" '$2 == name { print $1; exit }') || id=""
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "no window named $1" >&2
  return 1
}

# Answers the full-screen question with key $1 (Return: Yes, Escape: No) and sets window
# to the game's window id.
answer_question() {
  local question
  question=$(find_window "スクリーン設定")
  xdotool windowfocus --sync "$question" key "$1"
  window=$(find_window "Veltrane")
}

# Waits up to $1 seconds for the game to end by itself; sets game_status to its exit code.
await_game() {
  if ! ended_within "$game" $(($1 * 10)); then
    echo "the game was still running $1 seconds later"
    return 1
  fi
  game_status=0
  wait "$game" || game_status=$?
  game=""
}

# Presses Escape in the game's window, as a player quits from any screen: the game must end
# within 30 seconds with exit code 0.
quit_with_escape() {
  xdotool windowfocus --sync "$window" key Escape
  await_game 30
  if [ "$game_status" -ne 0 ]; then
    echo "the game ended with exit code $game_status"
    return 1
  fi
}
