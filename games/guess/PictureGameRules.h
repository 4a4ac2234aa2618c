// SPDX-License-Identifier: GPL-3.0-or-later
// Rules shared by the picture games (kanji guessing, shuffle, jigsaw): division counts, the
// question draw and the check of a written answer.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The division counts a practice game may choose at stored level L, in list order.
QStringList DivisionItems(int level);
// N of a challenge game at stored level L.
int ChallengeDivisionCount(int level);

// Draws the question kanji of a level from the school year in Cur_First..Cur_LastLevel. A
// challenge above the last level plays the last level. Stores Cur_PerLevel into Cur_LastLevel
// for any level but the last, as the draw size then is a whole level.
int ChooseQuestionKanji(int level, bool challenge);

enum class KanjiAnswer { Refused, Right, Wrong };
// One double-byte character is an answer; anything else (or text Shift-JIS cannot hold) is
// refused without cost.
KanjiAnswer CheckKanjiAnswer(const QString& typed, const QByteArray& kanji);

// Trunc(m * (1 + 0.2 L)) in extended precision, as every picture game scores.
int LevelScore(int m, int level);
