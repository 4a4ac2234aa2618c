#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Memory with the writing pads: the program's peak memory (VmHWM) with the name pad open, then,
# in the same run, with game 2's answer pad open after the name pad was closed.
#
#   tools/measure/pads.sh WORK_DIR PROGRAM_DIR
#
# Called by measure.sh with its scratch folder (two players registered). Environment:
# PADS_SCREEN (1280x1024x24), SHOT_DIR (a picture of each open pad). Driven by clicks (xdotool).
set -euo pipefail
work=$1
program_dir=$2
screen=${PADS_SCREEN:-1280x1024x24}

here=$(cd "$(dirname "$0")" && pwd)
. "$here/xscreen.sh" pads
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-1}"; }
hwm() { awk '/VmHWM/ { printf "%.1f", $2 / 1024 }' "/proc/$prog/status"; }
shot() { [ -n "${SHOT_DIR:-}" ] && import -display "$DISPLAY" -window root "$SHOT_DIR/$1.png" 2>/dev/null || true; }

(cd "$program_dir" && exec env -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR QT_QPA_PLATFORM=xcb \
   SDL_AUDIODRIVER=dummy TMPDIR="$work/tmp" ./mojimaru 2>>"$work/pads.log") &
prog=$!
for _ in $(seq 100); do
  xdotool search --onlyvisible --pid "$prog" >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 3
menu=$(hwm)
# registration, its "てがき", then "とじる" and back to the game menu
click $(at $((411 + 52)) $((62 + 18)) 634 450)
click $(at $((17 + 362 + 55)) $((146 + 84 + 20)) 634 450) 2
name=$(hwm); shot pads-name
click $(at $((514 + 55)) $((436 + 19)) 640 480)
click $(at $((411 + 52)) $((62 + 18)) 634 450)
# the first player, game 2, its start, "答を書く", "てがき"
click $(at $((17 + 10 + 40)) $((46 + 22 + 10)) 634 450) 0.5
click $(at $((17 + 150 + 75)) $((146 + 60)) 634 450) 2
click $(at $((431 + 93)) $((400 + 20)) 640 480)
click $(at $((432 + 92)) $((352 + 20)) 640 480) 0.5
click $(at $((432 + 92)) $((446 + 15)) 640 480) 2
game=$(hwm); shot pads-game2
click $(at $((514 + 55)) $((436 + 19)) 640 480)
echo "pads at ${screen%x*}: menu ${menu} MiB; name pad open ${name} MiB; game 2's pad open after it ${game} MiB; peak $(hwm) MiB"
