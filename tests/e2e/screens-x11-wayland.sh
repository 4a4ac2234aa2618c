#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on a Wayland desktop and on X11: under weston (pixman renderer, with its desktop
# shell and panel) and under Xvfb, both at the given size, it starts, covers the whole
# screen (the shell's panel too), shows a message box inside its window, and the two screens look
# the same. The message box is the notebook's start-up notice, brought on by a damaged history
# file, so no input is needed.
# usage: screens-x11-wayland.sh <program folder> <folder for the screenshots> [WxH]
set -eu
program=$(cd "$1" && pwd)
out=$2
size=${3:-1920x1080}
width=${size%x*}
height=${size#*x}
mkdir -p "$out"
work=$(mktemp -d /tmp/mojimaru-screens.XXXXXX)
pids=""
cleanup() {
    for p in $pids; do kill "$p" 2> /dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

fail() {
    echo "screens: $*" >&2
    for f in "$work"/*.log; do [ -f "$f" ] && sed "s|^|  $(basename "$f"): |" "$f" >&2; done
    exit 1
}

# A copy of the program folder for each run: records and the history are written beside it.
prepare() {
    rm -rf "$work/program"
    cp -r "$program" "$work/program"
    rm -f "$work/program/Player.dat" "$work/program/Game.dat" "$work/program/KanjiNote.db"*
    printf 'this is not a database, it is damaged\n%.0s' $(seq 200) > "$work/program/KanjiNote.db"
}

run_program() {
    (cd "$work/program" && SDL_AUDIODRIVER=dummy exec ./mojimaru) > "$work/$1.log" 2>&1 &
    pid=$!
    pids="$pids $pid"
    sleep 8
    if ! kill -0 "$pid" 2> /dev/null; then
        status=0
        wait "$pid" || status=$?
        fail "the program ended by itself under $1 (exit status $status)"
    fi
}

# Only the screens are looked at here: the ending has tests of its own.
stop_program() {
    kill -TERM "$pid" 2> /dev/null || true
    for _ in $(seq 25); do kill -0 "$pid" 2> /dev/null || break; sleep 0.2; done
    kill -KILL "$pid" 2> /dev/null || true
    wait "$pid" 2> /dev/null || true
}

# ---- X11: Xvfb, no window manager -----------------------------------------------------------
prepare
# Xvfb picks a free display itself and says which.
Xvfb -displayfd 5 -screen 0 "${size}x24" -nolisten tcp 5> "$work/display" > "$work/xvfb.log" 2>&1 &
xpid=$!
pids="$pids $xpid"
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.2; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
unset WAYLAND_DISPLAY
QT_QPA_PLATFORM=xcb run_program x11
for _ in $(seq 20); do
    import -window root "$out/x11.png"
    [ "$(convert "$out/x11.png" -format '%[pixel:p{2,2}]' info:)" = "srgb(0,0,128)" ] && break
    sleep 3
done
sleep 2
import -window root "$out/x11.png"
stop_program
kill "$xpid"
unset DISPLAY

# ---- Wayland: weston with its desktop shell and panel, pixman ---------------------------------
prepare
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket=wayland-moji
# Weston 14 (Debian 13) without a seat, as its headless backend is, keeps full-screen windows of
# any Qt client below its panel; with a seat it does not. There weston runs as a window in an
# Xvfb of its own, whose keyboard and pointer make its seat. Weston 10 (Debian 12) runs headless.
version=$(weston --version 2>&1 | sed -n 's/^weston \([0-9]*\)\..*/\1/p')
if [ "${version:-0}" -ge 14 ]; then
    Xvfb -displayfd 5 -screen 0 "$((width + 64))x$((height + 64))x24" -nolisten tcp \
        5> "$work/wdisplay" > "$work/wxvfb.log" 2>&1 &
    pids="$pids $!"
    for _ in $(seq 50); do [ -s "$work/wdisplay" ] && break; sleep 0.2; done
    [ -s "$work/wdisplay" ] || fail "Xvfb for weston did not start"
    DISPLAY=":$(cat "$work/wdisplay")" weston --backend=x11-backend.so --use-pixman \
        --width="$width" --height="$height" --socket="$socket" --idle-time=0 --debug \
        > "$work/weston.log" 2>&1 &
    im=""
else
    weston --backend=headless-backend.so --use-pixman --width="$width" --height="$height" \
        --socket="$socket" --idle-time=0 --debug > "$work/weston.log" 2>&1 &
    # No seat: Qt 6.4's Wayland input context then fails on a focused text field, so this run
    # goes without an input method (a desktop always has a seat).
    im=none
fi
wpid=$!
pids="$pids $wpid"
for _ in $(seq 25); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.2; done
sleep 3 # its shell and panel come up after the socket
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "weston did not start"
export WAYLAND_DISPLAY="$socket"
QT_IM_MODULE=$im QT_QPA_PLATFORM=wayland run_program wayland
# Until the program's window is up (a loaded machine starts it slowly), at most a minute.
for _ in $(seq 20); do
    rm -f "$work"/wayland-screenshot-*.png
    (cd "$work" && timeout 20 weston-screenshooter > "$work/shooter.log" 2>&1) ||
        fail "weston took no screenshot"
    mv "$work"/wayland-screenshot-*.png "$out/wayland.png"
    [ "$(convert "$out/wayland.png" -format '%[pixel:p{2,2}]' info:)" = "srgb(0,0,128)" ] && break
    sleep 3
done
stop_program

# ---- the two screens ------------------------------------------------------------------------
for shot in x11 wayland; do
    got=$(identify -format '%wx%h' "$out/$shot.png")
    [ "$got" = "$size" ] || fail "$shot screenshot is $got, not $size"
    # The four corners are the program's navy: no panel, no desktop, no uncovered column.
    for at in 2,2 $((width - 1)),2 2,$((height - 1)) $((width - 1)),$((height - 1)) $((width / 2)),3; do
        c=$(convert "$out/$shot.png" -format "%[pixel:p{$at}]" info:)
        case "$c" in
        "srgb(0,0,128)" | "srgb(0,0,0)") ;;
        *) fail "$shot: the screen at $at is $c, not the program's navy" ;;
        esac
    done
    # The message box's paper in the middle of the screen.
    c=$(convert "$out/$shot.png" -crop "$((width / 4))x$((height / 4))+$((width * 3 / 8))+$((height * 3 / 8))" \
        -fill black +opaque "srgb(255,251,232)" -fill white -opaque "srgb(255,251,232)" \
        -format '%[fx:mean]' info:)
    awk "BEGIN { exit !($c > 0.3) }" || fail "$shot: no message box in the middle ($c)"
done
# The same picture on both (the menu's clips move, and text edges may fall a device pixel apart,
# so some pixels may differ).
diff=$(compare -metric AE -fuzz 8% "$out/x11.png" "$out/wayland.png" "$out/difference.png" 2>&1 || true)
limit=$((width * height / 30))
[ "${diff%%.*}" -le "$limit" ] 2> /dev/null ||
    fail "the Wayland screen differs from the X11 one in $diff pixels (at most $limit)"
echo "screens: X11 and Wayland at $size agree ($diff pixels differ); $out"
