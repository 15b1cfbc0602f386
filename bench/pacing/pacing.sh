#!/usr/bin/env bash
# The intervals between presented frames of the stage in play, paced as a player has it,
# on the cores given (default 0,1: two cores), windowed 640x480 on a virtual X display:
# median, 1st and 99th percentile, largest, and how many exceed 20 ms. Then the game's
# peak resident memory so far and what is resident at the end, by mapping.
# Usage: bench/pacing/pacing.sh GAME_DIR [SECONDS] [CPUS]   (GAME_DIR holds veltrane and DATA)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=$(cd "$1" && pwd); secs=${2:-30}; cpus=${3:-0,1}
work=$(mktemp -d); xvfb=""; vt=""
trap '[ -n "$vt" ] && kill $vt 2>/dev/null; [ -n "$xvfb" ] && kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
cc -shared -fPIC -O2 -o "$work/swap_times.so" "$here/swap_times.c" -ldl
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 & xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" SDL_AUDIODRIVER=dummy
win() { for _ in $(seq 300); do id=$(xwininfo -root -tree 2>/dev/null | awk -v n="\"$1\":" 'index($0, n) { print $1; exit }') || id=""; [ -n "$id" ] && { echo $id; return; }; sleep 0.1; done; }
( cd "$game" && SWAP_TIMES_FILE="$work/times" LD_PRELOAD="$work/swap_times.so" SDL_VIDEODRIVER=x11 exec taskset -c "$cpus" ./veltrane ) >/dev/null 2>&1 & vt=$!
q=$(win "スクリーン設定"); [ -n "$q" ] && xdotool windowfocus --sync "$q" key Escape
w=$(win "Veltrane"); sleep 2
xdotool keydown --window "$w" Return; sleep 0.3; xdotool keyup --window "$w" Return
sleep "${LOADING_S:-12}"                       # the loading screen runs 480 frames
xdotool keydown --window "$w" z
start=$(wc -l <"$work/times"); sleep "$secs"; end=$(wc -l <"$work/times")
xdotool keyup --window "$w" z
awk '/^VmHWM/ { printf "peak resident %.1f MiB; resident now by mapping (MiB):\n", $2 / 1024 }' /proc/$vt/status
awk '/^[0-9a-f]+-[0-9a-f]+ / { name = NF >= 6 ? $6 : "[anonymous]"; sub(/.*\//, "", name) }
     /^Rss:/ { rss[name] += $2 } END { for (n in rss) if (rss[n] >= 1024) printf "  %7.1f %s\n", rss[n] / 1024, n }' \
  /proc/$vt/smaps | sort -rn | head -12
kill $vt; wait $vt 2>/dev/null || true; vt=""
sed -n "$((start + 1)),${end}p" "$work/times" | awk 'NR > 1 { print ($1 - last) / 1000 } { last = $1 }' | sort -g |
  awk -v cpus="$cpus" '{ v[NR] = $1; over += $1 > 20 } END {
    printf "cpus %s: %d intervals, median %.2f ms, 1st percentile %.2f, 99th %.2f, largest %.2f, %d over 20 ms\n",
      cpus, NR, v[int(NR / 2) + 1], v[int(NR / 100) + 1], v[int(NR * 99 / 100)], v[NR], over }'
