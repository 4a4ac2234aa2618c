#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry and the AppStream metainfo, read by the desktop's own validators.
# usage: check-desktop-files.sh <packaging folder> <application id>
set -eu
dir=$1
id=$2
desktop-file-validate "$dir/$id.desktop"
appstreamcli validate --no-net "$dir/$id.metainfo.xml"
# What AppStream 1.0 (Debian 13) refuses and 0.16 (Debian 12) lets pass: a translated paragraph
# in the description, no homepage, the old developer_name.
meta="$dir/$id.metainfo.xml"
! grep -q '<p xml:lang=' "$meta" || { echo "metainfo: translated description paragraph" >&2; exit 1; }
grep -q '<url type="homepage">https://' "$meta" || { echo "metainfo: no homepage" >&2; exit 1; }
! grep -q '<developer_name>' "$meta" || { echo "metainfo: developer_name instead of developer" >&2; exit 1; }
grep -q '<developer id="[^"]*">' "$meta" || { echo "metainfo: no developer" >&2; exit 1; }
grep -qx 'Name=もじまる(ゲーム集）' "$dir/$id.desktop"
grep -qx 'Categories=Education;Game;KidsGame;' "$dir/$id.desktop"
grep -q '^Comment=' "$dir/$id.desktop"
grep -q '^Comment\[ja\]=' "$dir/$id.desktop"
grep -qx "Icon=$id" "$dir/$id.desktop"
echo "desktop entry and metainfo: valid"
