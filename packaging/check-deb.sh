#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The package built here fits this release: its file is named for it (mojimaru_1.11~deb12_amd64.deb
# on Debian 12, ~deb13 on Debian 13), and it asks for the exact Qt it was built with.
# usage: check-deb.sh <mojimaru_*.deb>
set -eu
deb=$1
. /etc/os-release
case "$(basename "$deb")" in
    mojimaru_*~deb"${VERSION_ID}"_*.deb) ;;
    *) echo "check-deb: $(basename "$deb") is not named for Debian ${VERSION_ID}" >&2; exit 1 ;;
esac
# Debian 13 names the library libqt6core6t64; the old name is still known there, with no version.
qt=$(dpkg-query -W -f='${Version}\n' 'libqt6core6*' 2>/dev/null | sed -n 's/^\([0-9][0-9.]*\).*/\1/p' | head -n 1)
depends=$(dpkg-deb -f "$deb" Depends)
echo "$depends" | grep -Eq "qt6-base-(private-)?abi \(= $qt\)" ||
    { echo "check-deb: Depends does not pin Qt $qt: $depends" >&2; exit 1; }
echo "check-deb: $(basename "$deb") fits Debian ${VERSION_ID}, pinned to Qt $qt"
