# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by play.sh and pads.sh: a private Xvfb of "$screen" for the program, killed (with the
# program in $prog) on exit, and at X Y W H: the device point of layout point (X, Y) of a W x H
# layout centred in the logical screen, as the program places it (640 x 480 layouts, the menu's
# 634 x 450). Needs $work, $screen and a name for the server's files ($1).
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$work/$1-display" 2>"$work/$1-xvfb.log" &
xvfb=$!
prog=""
finish() {
  [ -n "$prog" ] && kill "$prog" 2>/dev/null && wait "$prog" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap finish EXIT
for _ in $(seq 100); do [ -s "$work/$1-display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/$1-display")"

sw=${screen%%x*}; rest=${screen#*x}; sh=${rest%%x*}
read -r scale lw lh < <(awk -v w="$sw" -v h="$sh" 'BEGIN {
  s = w / 640 < h / 480 ? w / 640 : h / 480; printf "%.6f %d %d\n", s, int(w / s), int(h / s) }')
at() { awk -v s="$scale" -v W="$lw" -v H="$lh" -v x="$1" -v y="$2" -v cw="$3" -v ch="$4" 'BEGIN {
  ox = int((W - cw) / 2); oy = int((H - ch) / 2); if (ox < 0) ox = 0; if (oy < 0) oy = 0
  printf "%d %d\n", (ox + x) * s, (oy + y) * s }'; }
