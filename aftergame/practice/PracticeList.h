// SPDX-License-Identifier: GPL-3.0-or-later
// Which kanji a child practises: the school year's kanji in level order, and the next one the
// child has not yet written from memory without help.
#pragma once

#include "data/KanjiHistory.h"

#include <QList>
#include <QSet>

// Level by level, each level's kanji in table order.
QList<QList<int>> YearLevels(int year);
QList<int> YearKanji(int year);
// The kanji the answers show written from memory without help.
QSet<int> WrittenFromMemory(const QList<HistoryAnswer>& answers);
// Index in `kanji` of the first not in `written`; 0 when every one is.
int NextToWrite(const QList<int>& kanji, const QSet<int>& written);
