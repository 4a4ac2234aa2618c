#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs an installed mojimaru as the current user on the current X display: registers a child,
# ends the program with SIGTERM, starts it again, registers a second child, ends it again, and
# checks that the records hold both children in order (so the second start found the first).
# Every start runs with an unwritable TMPDIR, which must not stop it.
# usage: smoke-run.sh <program> <records folder> <folder for screenshots and the log>
set -eu
exe=$1
records=$2
out=$3
export SDL_AUDIODRIVER=dummy
log=$out/program.log

fail() {
    echo "smoke-run: $*" >&2
    [ -f "$log" ] && sed 's/^/  program: /' "$log" >&2
    exit 1
}

shot() {
    if command -v import > /dev/null; then import -window root "$out/$1.png" 2> /dev/null || true; fi
}

start() {
    TMPDIR=/nonexistent/tmp "$exe" >> "$log" 2>&1 &
    pid=$!
    win=$(timeout 60 xdotool search --sync --onlyvisible --pid "$pid" 2> /dev/null | tail -n 1) ||
        fail "no window appeared"
    sleep 2
    kill -0 "$pid" 2> /dev/null || fail "the program ended by itself"
}

# The window's place of a point of the 634 x 450 layout, which stands in the middle of the window.
click() {
    eval "$(xdotool getwindowgeometry --shell "$win")"
    xdotool mousemove $((X + (WIDTH - 634) / 2 + $1)) $((Y + (HEIGHT - 450) / 2 + $2)) click 1
    sleep 0.5
}

register() {
    xdotool type --delay 120 "$1"
    xdotool key Return
    sleep 1
}

stop() {
    kill -TERM "$pid"
    status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "SIGTERM ended the program with status $status"
}

# The name bytes of record $1 (length byte and Shift-JIS text) of Player.dat.
name_of() {
    od -An -tx1 -j $((($1 - 1) * 108 + 2)) -N 5 "$records/Player.dat" | tr -d ' \n'
}

# First start: no records yet, the registration shows with the name field ready.
start
click 242 200  # the name field
register taro  # typed in かな: たろ
shot first
stop
[ -f "$records/Player.dat" ] || fail "no Player.dat in $records"
[ "$(wc -c < "$records/Player.dat")" -eq 108 ] || fail "Player.dat does not hold one child"
[ "$(wc -c < "$records/Game.dat")" -eq 4000 ] || fail "Game.dat is not 4000 bytes"
[ "$(name_of 1)" = "0482bd82eb" ] || fail "the first child is not たろ: $(name_of 1)"

# Second start: the child is there; register another through the 名前の登録 button.
start
shot second
click 463 80   # 名前の登録
click 242 200  # the name field
register hana  # はな
shot third
stop
[ "$(wc -c < "$records/Player.dat")" -eq 216 ] || fail "Player.dat does not hold two children"
[ "$(name_of 1)" = "0482bd82eb" ] || fail "the first child was lost"
[ "$(name_of 2)" = "0482cd82c8" ] || fail "the second child is not はな: $(name_of 2)"
echo "smoke-run: both children kept across SIGTERM and a new start"
