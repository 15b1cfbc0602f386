#!/usr/bin/env bash
# The soak: the real game on a virtual X display with frame pacing off, played by random
# keys and a random virtual controller through every scene (title, loading, stage, boss,
# ending), run after run until the frames presented add up to FRAMES. Every run must end
# by Escape with exit code 0 and no sanitizer finding, and its resident memory, sampled
# every 1,000 frames and printed as a curve, must stay flat after the loading (check_run
# says how that is judged). Runs take turns at being careful (Space often, so the craft
# lives to meet the boss) and careless.
# Every scene must be reached, the boss and the ending only when FRAMES is 20,000 or more
# (the stage alone lasts 11,400 frames).
# Usage: soak.sh BUILD-FOLDER [FRAMES [SEED]]   (FRAMES 50000 and a random seed by default)
set -euo pipefail
build=$(cd "$1" && pwd)
target=${2:-50000}
seed=${3:-$((RANDOM * 32768 + RANDOM))}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/virtual_display.sh"
source "$here/soak_play.sh"

# How far the mean resident memory may rise after the loading: caches of the allocators
# and the driver settling, not growth that goes on. The address sanitizer holds freed
# memory back for a while (its quarantine, 16 MiB here) and swings twice as far.
tolerance_kib=4096
ldd "$build/veltrane" | grep -q libasan && tolerance_kib=8192
tolerance_kib=${SOAK_TOLERANCE_KIB:-$tolerance_kib}

export VELTRANE_NO_PACING=1 VELTRANE_FRAME_REPORT=1000
pad_file=$(mktemp)
export VELTRANE_VIRTUAL_CONTROLLER=$pad_file
# Sanitizer builds stop at their first finding. The address sanitizer's quarantine of
# freed memory (256 MiB by default) would read as growth in the curve: it is kept small.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}:abort_on_error=1:quarantine_size_mb=16"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}:halt_on_error=1"
trap 'status=$?; rm -f "$pad_file" "$pad_file.new"; (exit $status); clean_up' EXIT

# The run's memory samples, one line each: frame, resident MiB, scene, and a bar of one
# mark per 256 KiB above the run's lowest sample after the loading (64 at most, then +).
print_curve() {
  local sample f kib s low="" marks bar
  local starts=""
  for s in title loading stage boss ending; do [ -z "${scene_start[$s]:-}" ] || starts+="$s ${scene_start[$s]}, "; done
  echo "run $run ($([ "$careful" -eq 1 ] && echo careful || echo careless)): $run_frames frames," \
    "exit code $run_status, peak resident $((run_peak_kib / 1024)) MiB; scenes from frame: ${starts%, }"
  for sample in "${samples[@]}"; do
    read -r f kib s <<<"$sample"
    case $s in title | loading) ;; *) [ -z "$low" ] || [ "$kib" -lt "$low" ] && low=$kib ;; esac
  done
  printf '  %7s %9s  %-8s\n' frame resident scene
  for sample in "${samples[@]}"; do
    read -r f kib s <<<"$sample"
    marks=$(((kib - ${low:-$kib}) / 256))
    [ "$marks" -ge 0 ] || marks=0
    bar=$(head -c $((marks > 64 ? 64 : marks)) /dev/zero | tr '\0' '#')
    [ "$marks" -le 64 ] || bar+="+"
    printf '  %7d %5d.%d MiB  %-8s %s\n' "$f" $((kib / 1024)) $((kib % 1024 * 10 / 1024)) "$s" "$bar"
  done
}

# Exit code 0, no sanitizer report, memory flat after the loading: the mean of the later
# half of the samples after the loading no more than the tolerance above the mean of the
# earlier half. Allocators return memory in their own time, so single samples swing by a
# few MiB either way (the address sanitizer's by some 10); growth that goes on moves the mean.
check_run() {
  local sample f kib s after=() ok=0
  if [ "$run_status" -ne 0 ]; then
    echo "run $run: the game ended with exit code $run_status"
    ok=1
  fi
  if grep -E -q "Sanitizer|runtime error" "$game_log"; then
    echo "run $run: a sanitizer finding:"
    grep -E -A30 "Sanitizer|runtime error" "$game_log" | head -60
    ok=1
  fi
  for sample in "${samples[@]}"; do
    read -r f kib s <<<"$sample"
    case $s in title | loading) ;; *) after+=("$kib") ;; esac
  done
  if [ ${#after[@]} -ge 2 ]; then
    local growth
    growth=$(printf '%s\n' "${after[@]}" | awk '{ v[NR] = $1 } END {
      h = int(NR / 2); for (i = 1; i <= NR; i++) if (i <= h) a += v[i]; else b += v[i]
      printf "%d", b / (NR - h) - a / h }')
    echo "run $run: memory after the loading, later half's mean against the earlier half's: $growth KiB"
    if [ "$growth" -gt "$tolerance_kib" ]; then
      echo "run $run: resident memory grows after the loading"
      ok=1
    fi
  fi
  return $ok
}

echo "soak: $target frames, seed $seed, build $build, memory tolerance $tolerance_kib KiB"
RANDOM=$seed
start_display
done_frames=0
run=0
failures=0
declare -A reached=()
while [ "$done_frames" -lt "$target" ]; do
  run=$((run + 1))
  run_status=0
  play_one_run $((target - done_frames)) $((run % 2))
  done_frames=$((done_frames + run_frames))
  print_curve
  check_run || failures=$((failures + 1))
  for s in "${!scene_start[@]}"; do reached[$s]=1; done
  # A run that presented nothing would never end the soak.
  [ "$run_frames" -gt 0 ] || break
done

required=(title loading stage)
[ "$target" -lt 20000 ] || required+=(boss ending)
for s in "${required[@]}"; do
  [ -n "${reached[$s]:-}" ] || { echo "soak: no run reached the $s"; failures=$((failures + 1)); }
done
echo "soak: $done_frames frames in $run runs, seed $seed; scenes reached:" \
  "$(for s in title loading stage boss ending; do [ -z "${reached[$s]:-}" ] || printf '%s ' "$s"; done)"
[ "$failures" -eq 0 ] || { echo "soak: failed"; exit 1; }
echo "soak: clean"
