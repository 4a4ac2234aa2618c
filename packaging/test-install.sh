#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# make test-install: installs the built package with apt-get as a fresh machine would, checks
# its files and its desktop entry, starts it from the entry's command line as an ordinary user
# (smoke-run.sh under Xvfb), then purges it and checks that nothing of it is left. Needs root.
# usage: test-install.sh <folder with mojimaru_*.deb>
set -eu
dir=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
[ "$(id -u)" -eq 0 ] || { echo "test-install: run as root (it installs a package)" >&2; exit 1; }
deb=$(ls "$dir"/mojimaru_*.deb | tail -n 1)
work=$(mktemp -d /tmp/mojimaru-install.XXXXXX)
chmod 755 "$work"
installed_here=no
cleanup() {
    if [ "$installed_here" = yes ]; then
        DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 purge -y -qq mojimaru > /dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

if dpkg-query -W -f='${Status}' mojimaru 2> /dev/null | grep -q 'install ok installed'; then
    echo "test-install: mojimaru is installed already; remove it first" >&2
    exit 1
fi
"$here/check-deb.sh" "$deb"
echo "test-install: installing $deb"
installed_here=yes
DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq "$deb" > "$work/apt.log" 2>&1 ||
    { cat "$work/apt.log" >&2; exit 1; }

entry=/usr/share/applications/org.mojimaru.mojimaru.desktop
for f in /usr/bin/mojimaru /usr/share/mojimaru/Kanji.dat "$entry" \
    /usr/share/metainfo/org.mojimaru.mojimaru.metainfo.xml \
    /usr/share/icons/hicolor/48x48/apps/org.mojimaru.mojimaru.png \
    /usr/share/doc/mojimaru/copyright /usr/share/man/man6/mojimaru.6.gz; do
    [ -e "$f" ] || { echo "test-install: missing $f" >&2; exit 1; }
done
desktop-file-validate "$entry"
appstreamcli validate --no-net /usr/share/metainfo/org.mojimaru.mojimaru.metainfo.xml > /dev/null

# The command the desktop menu runs, found through PATH as the menu finds it.
cmd=$(sed -n 's/^Exec=//p' "$entry" | head -n 1)
exe=$(command -v "$cmd") || { echo "test-install: '$cmd' is not on PATH" >&2; exit 1; }

home=$work/home
mkdir -p "$home" "$work/out"
cp "$here/smoke-run.sh" "$work/smoke-run.sh"
chown -R nobody:nogroup "$home" "$work/out"
env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 \
    setpriv --reuid=nobody --regid=nogroup --clear-groups -- \
    xvfb-run -a -s "-screen 0 640x480x24" \
    sh "$work/smoke-run.sh" "$exe" "$home/.local/share/mojimaru" "$work/out"

echo "test-install: purging"
DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 purge -y -qq mojimaru > "$work/apt.log" 2>&1 ||
    { cat "$work/apt.log" >&2; exit 1; }
installed_here=no
for f in /usr/bin/mojimaru /usr/share/mojimaru "$entry" /usr/share/doc/mojimaru; do
    [ ! -e "$f" ] || { echo "test-install: left behind after purge: $f" >&2; exit 1; }
done
if dpkg-query -W -f='${Status}' mojimaru 2> /dev/null | grep -q 'installed'; then
    echo "test-install: dpkg still lists mojimaru" >&2
    exit 1
fi
echo "test-install: installed, ran as an ordinary user, removed cleanly"
