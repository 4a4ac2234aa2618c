#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Rewrites data/kanji/dictionary from the installed kanjidic and edict packages. Run it on the
# release whose dictionaries the data is checked against (see data/kanji/NOTES.md), after adding
# sentences whose words the snapshot does not know yet, and commit the result.
set -e
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${BUILD_DIR:-$top/build}
cmake --build "$build" --target kanjipin
"$build/tools/kanjidata/kanjipin" "$top/data/kanji" "$@"
