#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a DESTDIR and runs the installed program there under Xvfb, as a user
# without root (nobody, when the test runs as root) with a HOME of its own (smoke-run.sh).
# usage: test-destdir.sh <build folder>
set -eu
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d /tmp/mojimaru-destdir.XXXXXX)
# What a run from the build tree leaves in the program directory must stay out of the install:
# its socket (a copy may be running), a history set aside as damaged, a half-written save.
left=""
program=$build/program
for f in Mojimaru_G.sock KanjiNote.db.damaged Player.dat.aB3xYz; do
    [ -e "$program/$f" ] && continue
    case $f in
    *.sock) python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$program/$f" ;;
    *) : > "$program/$f" ;;
    esac
    left="$left $program/$f"
done
trap 'rm -rf "$work" $left' EXIT
chmod 755 "$work"

DESTDIR="$work/root" cmake --install "$build" --prefix /usr/local > "$work/install.log"
prefix=$work/root/usr/local
for f in bin/mojimaru share/mojimaru/Kanji.dat share/mojimaru/Mojimaru.hlp \
    share/applications/org.mojimaru.mojimaru.desktop share/metainfo/org.mojimaru.mojimaru.metainfo.xml \
    share/icons/hicolor/48x48/apps/org.mojimaru.mojimaru.png share/icons/hicolor/256x256/apps/org.mojimaru.mojimaru.png; do
    [ -e "$prefix/$f" ] || { echo "not installed: $f" >&2; exit 1; }
done
for f in Player.dat Game.dat Mojimaru_G.lock Mojimaru_G.sock KanjiNote.db.damaged Player.dat.aB3xYz mojimaru; do
    [ ! -e "$prefix/share/mojimaru/$f" ] || { echo "must not be installed: share/mojimaru/$f" >&2; exit 1; }
done

home=$work/home
mkdir -p "$home" "$work/out"
cp "$here/smoke-run.sh" "$work/smoke-run.sh"
as_user=""
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$home" "$work/out"
    as_user="setpriv --reuid=nobody --regid=nogroup --clear-groups --"
fi
status=0
env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 ASAN_OPTIONS=detect_leaks=0 $as_user \
    xvfb-run -a -s "-screen 0 640x480x24" \
    sh "$work/smoke-run.sh" "$prefix/bin/mojimaru" "$home/.local/share/mojimaru" "$work/out" || status=$?
# The pictures of the runs stay for a look.
rm -rf "$build/test-destdir-shots" && cp -r "$work/out" "$build/test-destdir-shots" 2> /dev/null || true
[ "$status" -eq 0 ] || exit "$status"
records=$home/.local/share/mojimaru
[ "$(stat -c %a "$records")" = 700 ] || { echo "the records folder is not private" >&2; exit 1; }
[ ! -e "$prefix/share/mojimaru/Player.dat" ] || { echo "records written into the share folder" >&2; exit 1; }
echo "installed program: records kept in \$HOME/.local/share/mojimaru"
