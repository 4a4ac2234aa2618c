#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Games 5, 6 and 7 played at a large screen: the program's CPU (all threads) while a game runs, the
# window's and the playfield's drawn frames a second (DAMAGE events on the window and those inside
# the playfield, framecount.c) and the peak memory, beside the idle menu's CPU on the same screen.
#
#   tools/measure/play.sh WORK_DIR PROGRAM_DIR
#
# Called by measure.sh with its scratch folder (helpers built there). Environment: PLAY_SCREEN
# (1920x1080x24), PLAY_SECONDS (10). The program is driven as a child would, by clicks (xdotool):
# the first player, the game's picture in the menu, the start button.
set -euo pipefail
work=$1
program_dir=$2
screen=${PLAY_SCREEN:-1920x1080x24}
seconds=${PLAY_SECONDS:-10}
here=$(cd "$(dirname "$0")" && pwd)

cc -O2 -Wall -o "$work/framecount" "$here/framecount.c" -lX11 -lXdamage -lXfixes

. "$here/xscreen.sh" play
click() { xdotool mousemove "$1" "$2" click 1; }

jiffies() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)

play() {  # play GAME_NO ANIM_X ANIM_Y START_X START_Y FIELD_X FIELD_Y FIELD_W FIELD_H
  (cd "$work/program" && exec env -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR QT_QPA_PLATFORM=xcb \
     SDL_AUDIODRIVER=dummy TMPDIR="$work/tmp" ./mojimaru 2>>"$work/play.log") &
  prog=$!
  local win=""
  for _ in $(seq 100); do
    win=$(xdotool search --onlyvisible --pid "$prog" 2>/dev/null | tail -n1 || true)
    [ -n "$win" ] && break
    sleep 0.1
  done
  sleep 3
  # idle menu, for comparison
  local j0 j1
  j0=$(jiffies "$prog"); sleep "$seconds"; j1=$(jiffies "$prog")
  local menu_pct menu_rss
  menu_rss=$(awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$prog/status")
  menu_pct=$(awk -v a="$j0" -v b="$j1" -v hz="$hz" -v s="$seconds" 'BEGIN { printf "%.2f", (b - a) * 100 / hz / s }')
  # the first player, then the game's picture
  click $(at $((17 + 10 + 40)) $((46 + 22 + 10)) 634 450)
  sleep 0.5
  click $(at "$2" "$3" 634 450)
  sleep 2
  click $(at "$4" "$5" 640 480)
  sleep 2
  win=$(xdotool search --onlyvisible --pid "$prog" 2>/dev/null | tail -n1)
  j0=$(jiffies "$prog")
  local frames x0 y0 x1 y1
  read -r x0 y0 < <(at "$6" "$7" 640 480)
  read -r x1 y1 < <(at $(($6 + $8)) $(($7 + $9)) 640 480)
  frames=$("$work/framecount" "$win" "$seconds" "$x0" "$y0" $((x1 - x0)) $((y1 - y0)))
  j1=$(jiffies "$prog")
  local play_pct hwm
  play_pct=$(awk -v a="$j0" -v b="$j1" -v hz="$hz" -v s="$seconds" 'BEGIN { printf "%.2f", (b - a) * 100 / hz / s }')
  hwm=$(awk '/VmHWM/ { printf "%.1f", $2 / 1024 }' "/proc/$prog/status")
  [ -n "${SHOT_DIR:-}" ] && import -display "$DISPLAY" -window root "$SHOT_DIR/play-game$1.png" 2>/dev/null || true
  echo "game $1: playing cpu_pct=$play_pct ${frames} | idle menu cpu_pct=$menu_pct, ${menu_rss} MiB | peak ${hwm} MiB"
  kill "$prog"; wait "$prog" 2>/dev/null || true
  prog=""
}

# Games 5, 6 and 7 are the pictures of the second row; a click on one starts the game as the
# caption does. The start buttons stand at (533, 420) in games 5 and 7, (513, 420) in game 6; the
# playfields are 360 x 320 at (6, 56) and (24, 88), game 6's board 360 x 360 at (24, 88).
play 5 $((17 + 75)) $((146 + 150 + 60)) 533 420 6 56 360 320
play 6 $((17 + 150 + 75)) $((146 + 150 + 60)) 513 420 24 88 360 360
play 7 $((17 + 300 + 75)) $((146 + 150 + 60)) 533 420 24 88 360 320
