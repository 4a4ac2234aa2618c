// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary facts the checks compare against, kept in the repository under
// data/kanji/dictionary so that the checks give the same verdict whatever kanjidic and edict
// the machine has installed. kanjipin writes them from the installed dictionaries.
#pragma once

#include "tools/kanjidata/Edict.h"

#include <QString>

QString PinnedKanjiDicPath(const QString& sourceDir);
QString PinnedEdictPath(const QString& sourceDir);
// Every word the edict check looks up, found in edict or not, one a line.
QString PinnedEdictWordsPath(const QString& sourceDir);

// The pinned edict lines; a word looked up that edict lacks is present with no readings, so a
// word missing altogether means the snapshot is older than the sentences.
bool ReadPinnedEdict(const QString& sourceDir, Edict& out, QString& reason);

// A kanjidic line cut to what the checks read: the kanji, its JIS code, school year, stroke
// counts, frequency and readings (name readings after T1); meanings and index codes go.
QString TrimmedKanjiDicLine(const QString& line);
