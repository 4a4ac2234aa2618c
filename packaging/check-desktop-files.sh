#!/bin/sh
# The desktop entry and the AppStream metainfo, read by the desktop's own validators.
# usage: check-desktop-files.sh <packaging folder> <application id>
set -eu
dir=$1
id=$2
desktop-file-validate "$dir/$id.desktop"
appstreamcli validate --no-net "$dir/$id.metainfo.xml"
grep -qx 'Name=もじまる(ゲーム集）' "$dir/$id.desktop"
grep -qx 'Categories=Education;Game;KidsGame;' "$dir/$id.desktop"
grep -q '^Comment=' "$dir/$id.desktop"
grep -q '^Comment\[ja\]=' "$dir/$id.desktop"
grep -qx "Icon=$id" "$dir/$id.desktop"
echo "desktop entry and metainfo: valid"
