// SPDX-License-Identifier: GPL-3.0-or-later
// What the kanji notebook makes of a child's answers: the mark of each kanji and the list of the
// kanji missed most recently. Plain rules, apart from the window, so tests can pin them.
#pragma once

#include "data/KanjiHistory.h"
#include "data/Tables.h"

#include <QList>
#include <array>

enum class NoteMark { NotMet, Met, Known, Missed };

// Right this many times in a row (the newest answers) and the kanji counts as known; a miss among
// them makes it one missed recently.
constexpr int KnownRun = 3;
constexpr int WeakListSize = 20;

// Tracing and copying a model are practice, not what the child knows: only a kanji written from
// memory (and the games' and quiz's answers) colour the notebook.
bool CountsInNote(const HistoryAnswer& answer);

// The mark of one kanji from its answers' results, oldest first.
NoteMark MarkOf(const QList<bool>& results);

// What the notebook shows of one kanji.
struct KanjiSummary {
    int answers = 0;
    int right = 0;
    QList<bool> recent;  // the newest results, at most KnownRun, oldest first
    qint64 lastMiss = 0; // id of the newest wrong answer, 0 when never missed
    NoteMark mark() const { return MarkOf(recent); }
};

struct NoteSummary {
    std::array<KanjiSummary, MaxKanji + 1> kanji{}; // [1..1024]
    QList<int> weak;                                // the weak list, newest miss first
};

// One pass over a player's answers (oldest first).
NoteSummary Summarise(const QList<HistoryAnswer>& answers);

// The kanji missed most recently, newest miss first, each once, at most `limit` of them.
QList<int> WeakKanji(const QList<HistoryAnswer>& answers, int limit = WeakListSize);
