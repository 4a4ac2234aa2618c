// SPDX-License-Identifier: GPL-3.0-or-later
// The practice level "にがて": the question comes from the kanji the child missed most recently.
#pragma once

#include <QList>

// Fewer usable missed kanji than this and the level's kanji are asked instead.
constexpr int NigateMinimum = 5;

// The missed kanji a picture game can ask: a character in the table and one to five sentences
// for the quiz that follows, in the given order.
QList<int> NigateCandidates(const QList<int>& weak);

// A question from the missed kanji, or from the level's kanji when there are too few.
int ChooseNigateKanji(const QList<int>& weak, int level, bool challenge);

// The weak list of player p from the history.
QList<int> WeakKanjiOf(int player);
