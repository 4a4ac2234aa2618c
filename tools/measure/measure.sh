#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up and idle cost of the program, beside a bare Qt 6 window on the same machine.
#
#   tools/measure/measure.sh [BUILD_DIR]        (default: build; needs BUILD_DIR/program built)
#
# On a private Xvfb (SDL_AUDIODRIVER=dummy, so no sound card is needed) the program, with two
# players registered so that the game menu shows, and a bare Qt 6 window are each started once to
# warm the caches, then RUNS times (default 5) by mapwatch (mapwatch.c), which reports the time
# from exec to the map of the window and to its drawing being complete with the animations
# running, the CPU used by then and how long the main thread waited for a free CPU (other load on
# the machine), the peak memory at 10 s and the CPU over the next 20 s. Prints a Markdown table of
# the medians (also written to BUILD_DIR/measure-latest.md), then the median and 99th percentile
# lines of the tick benchmarks found in BUILD_DIR/tests/bench_*.
#
# Then STARTS (default 20) consecutive starts of each, to the drawn menu only, for the slowest
# start; then games 5, 6 and 7 played on a PLAY_SCREEN (1920x1080x24) Xvfb (play.sh), and the
# memory with the writing pads open (pads.sh).
#
# Environment: RUNS (5), SCREEN (1280x1024x24), SHOT_DIR (keep a picture of each window there),
# STARTS (20), PLAY (1; 0 skips the games), PLAY_SCREEN, PLAY_SECONDS (10).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$repo/build}" && pwd)
program_dir="$build/program"
runs=${RUNS:-5}
screen=${SCREEN:-1280x1024x24}

[ -x "$program_dir/mojimaru" ] || { echo "no $program_dir/mojimaru: build the program first (make build)" >&2; exit 1; }

# Tools for the measurement only; the program's own build needs none of them.
need=(xvfb gcc g++ pkg-config libx11-dev libxext-dev libxdamage-dev xdotool imagemagick qt6-base-dev)
missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >&2
fi

work=$(mktemp -d /tmp/moji-measure.XXXXXX)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# --- the helpers, built into the scratch folder -------------------------------------------------
cc -O2 -Wall -o "$work/mapwatch" "$here/mapwatch.c" -lX11 -lXext
cc -O2 -Wall -o "$work/player_dat" "$here/player_dat.c"

# The baseline: the smallest Qt Widgets program with a window.
cat > "$work/bare_qt.cpp" <<'EOF'
#include <QApplication>
#include <QWidget>
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget w;
    w.resize(640, 480);
    w.show();
    return app.exec();
}
EOF
# shellcheck disable=SC2046
g++ -O2 -std=c++17 -fPIC -o "$work/bare_qt" "$work/bare_qt.cpp" $(pkg-config --cflags --libs Qt6Widgets)

# A copy of the program directory with two registered players, so the game menu (not the
# registration) shows, and the real build's records stay untouched.
cp -a "$program_dir" "$work/program"
rm -f "$work/program/Player.dat" "$work/program/Game.dat"
"$work/player_dat" "$work/program/Player.dat"
mkdir -p "$work/tmp"  # the program's single-instance lock lives in TMPDIR: keep it private

# --- the X server -------------------------------------------------------------------------------
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
display=":$(head -n1 "$work/display")"

run() {  # run NAME [mapwatch options]
  local name=$1; shift
  local exe
  case $name in
    mojimaru) exe="$work/program/mojimaru" ;;
    bare_qt) exe="$work/bare_qt" ;;
  esac
  (cd "$(dirname "$exe")" &&
   env -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_AUTO_SCREEN_SCALE_FACTOR \
     DISPLAY="$display" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy TMPDIR="$work/tmp" \
     "$work/mapwatch" --server-pid "$xvfb_pid" --min-size 640x480 "$@" -- "$exe" 2>>"$work/$name.log")
}

load=$(cut -d' ' -f1-3 /proc/loadavg)
echo "Warm-up runs..." >&2
for name in mojimaru bare_qt; do
  run "$name" --observe 1500 --memory-at 0 --cpu-for 0 >/dev/null ||
    { echo "$name does not start:" >&2; tail -n 20 "$work/$name.log" >&2; exit 1; }
done

for i in $(seq "$runs"); do
  for name in mojimaru bare_qt; do
    shot=()
    [ -n "${SHOT_DIR:-}" ] && shot=(--shot "$SHOT_DIR/$name-$i.ppm")
    if ! line=$(run "$name" "${shot[@]}"); then
      echo "$name run $i failed:" >&2
      tail -n 20 "$work/$name.log" >&2
      exit 1
    fi
    echo "$name run $i: $line" >&2
    echo "$line" >> "$work/$name.results"
  done
done

starts=${STARTS:-20}
echo "Consecutive starts..." >&2
for i in $(seq "$starts"); do
  for name in mojimaru bare_qt; do
    # 4 s: the menu's slowest animations change less often than every 0.75 s, and in a
    # shorter look their next frame would count as the drawing still going on
    if ! line=$(run "$name" --observe 4000 --memory-at 0 --cpu-for 0); then
      echo "$name start $i failed:" >&2
      tail -n 20 "$work/$name.log" >&2
      exit 1
    fi
    echo "$name start $i: $line" >&2
    echo "$line" >> "$work/$name.starts"
  done
done

play_lines=""
if [ "${PLAY:-1}" != 0 ]; then
  echo "Games 5 and 7..." >&2
  play_lines=$("$here/play.sh" "$work" "$work/program") || echo "play.sh failed" >&2
  echo "Writing pads..." >&2
  play_lines+=$'\n'$("$here/pads.sh" "$work" "$work/program") || echo "pads.sh failed" >&2
fi

# slowest KEY NAME: median and slowest of the consecutive starts
slowest() {
  sed -n "s/.*\b$1=\([-0-9.]*\).*/\1/p" "$work/$2.starts" | sort -g |
    awk '{v[NR] = $1} END { if (!NR) { print "-"; exit }
      printf "%d ms, slowest %d ms\n", v[int((NR + 1) / 2)] + 0.5, v[NR] + 0.5 }'
}

# cell KEY NAME UNIT: the median of the runs (the lower middle of an even count), then the range
cell() {
  sed -n "s/.*\\b$1=\\([-0-9.]*\\).*/\\1/p" "$work/$2.results" | sort -g |
    awk -v unit="$3" '
      function f(v) {
        if (unit == "ms") return sprintf("%d", v + 0.5)
        if (unit == "MiB") return sprintf("%.1f", v / 1024)
        return sprintf("%.2f", v)
      }
      {v[NR] = $1}
      END {
        if (!NR) { print "-"; exit }
        out = f(v[int((NR + 1) / 2)]) " " (unit == "%" ? "%" : unit)
        if (NR > 1) out = out " (" f(v[1]) "–" f(v[NR]) ")"
        print out
      }'
}

cpu=$(sed -n 's/^model name[^:]*: //p' /proc/cpuinfo | head -n1)
qt=$(pkg-config --modversion Qt6Core)
debian=$(cat /etc/debian_version 2>/dev/null || echo "?")
commit=$(git -C "$repo" rev-parse --short HEAD 2>/dev/null || echo "?")

{
  echo "Measured $(date -u '+%Y-%m-%d') at commit $commit on $cpu ($(nproc) cores), Debian $debian, Qt $qt;"
  echo "Xvfb $screen, warm start, no sound card (SDL_AUDIODRIVER=dummy), two players registered;"
  echo "median of $runs runs (range in brackets); load average before the runs: $load."
  echo "Repeat with \`make measure\` (tools/measure/measure.sh)."
  echo
  echo "| Measurement | もじまる | bare Qt 6 window | Target |"
  echo "|---|---:|---:|---:|"
  echo "| exec to the window mapped | $(cell map_ms mojimaru ms) | $(cell map_ms bare_qt ms) | |"
  echo "| exec to fully drawn (menu: data loaded, 7 animations running) | $(cell drawn_ms mojimaru ms) | $(cell drawn_ms bare_qt ms) | 300 ms |"
  echo "| CPU time used by then, all threads | $(cell drawn_cpu_ms mojimaru ms) | $(cell drawn_cpu_ms bare_qt ms) | |"
  echo "| main thread's wait for a free CPU by then (the machine's other load) | $(cell main_wait_ms mojimaru ms) | $(cell main_wait_ms bare_qt ms) | |"
  echo "| peak memory (VmHWM) at 10 s | $(cell hwm_kb mojimaru MiB) | $(cell hwm_kb bare_qt MiB) | 100 MB |"
  echo "| CPU from 10 s to 30 s, idle menu with animations and music (% of one core) | $(cell cpu_pct mojimaru %) | $(cell cpu_pct bare_qt %) | 3 % |"
  echo "| X server CPU meanwhile (drawing on the program's behalf) | $(cell xcpu_pct mojimaru %) | $(cell xcpu_pct bare_qt %) | |"
  echo "| exec to fully drawn, $starts consecutive starts (median, slowest) | $(slowest drawn_ms mojimaru) | $(slowest drawn_ms bare_qt) | 500 ms |"
  if [ -n "$play_lines" ]; then
    echo
    echo "Games 5, 6 and 7 played on ${PLAY_SCREEN:-1920x1080x24} (program CPU of all threads, % of one core; drawn frames of the game window, and of them those inside the playfield), then the writing pads:"
    echo
    echo '```'
    echo "$play_lines"
    echo '```'
  fi

  benches=()
  for b in "$build"/tests/bench_*; do
    [ -x "$b" ] && [ -f "$b" ] && benches+=("$b")
  done
  if [ ${#benches[@]} -gt 0 ]; then
    echo
    echo "Action games' tick benchmarks (median / p99 per tick):"
    echo
    echo '```'
    for b in "${benches[@]}"; do
      (cd "$(dirname "$b")" && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy timeout 300 "$b" 2>&1) |
        grep -iE 'median|p99' | sed "s|^|$(basename "$b"): |" || echo "$(basename "$b"): no median/p99 line"
    done
    echo '```'
  fi
} > "$work/table.md"

cp "$work/table.md" "$build/measure-latest.md"
cat "$work/table.md"
