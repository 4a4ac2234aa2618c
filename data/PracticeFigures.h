// SPDX-License-Identifier: GPL-3.0-or-later
// What a parent sees of one child's practice: the days practised, the kanji met, the kanji
// written from memory without help, the kanji due today and the minutes of the last 14 days.
#pragma once

#include "data/KanjiHistory.h"
#include "data/ReviewSchedule.h"

#include <QDate>
#include <QList>
#include <QSet>

// Answers closer together than this belong to one sitting; a longer pause is not practice time.
inline constexpr int SittingGapSeconds = 5 * 60;
inline constexpr int FigureDays = 14;

// The local days with at least one answer.
QSet<QDate> PractisedDays(const QList<HistoryAnswer>& answers);
// The minutes of each sitting (answers no more than five minutes apart), every minute begun and
// at least one a sitting, summed (the times in any order).
int PracticeMinutes(QList<QDateTime> times);

struct ParentFigures {
    int met = 0;       // kanji answered at least once
    int written = 0;   // kanji written from memory without help
    int dueToday = 0;  // kanji of the review schedule due today
    int minutes = 0;   // of the last 14 days, today included
};
ParentFigures FiguresOf(const QList<HistoryAnswer>& all, const QList<HistoryAnswer>& recent,
                        const KanjiSchedule& schedule, QDate today);
// The same from the history of player p, by the clock.
ParentFigures FiguresOfPlayer(int player);
