// SPDX-License-Identifier: GPL-3.0-or-later
// When a kanji comes back for review. A kanji read right in a sentence or written right from
// memory comes back after growing waits (1, 3, 7, 14 and then every 30 days); a miss brings it
// back the next day. Days are the child's local calendar days. A right answer before the kanji
// is due (the second answer of the same day, a game in between) changes nothing, and a clock set
// back never lets a wait grow.
#pragma once

#include "data/KanjiHistory.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <array>

inline constexpr std::array<int, 5> ReviewWaits{1, 3, 7, 14, 30};

struct ScheduleEntry {
    int level = 0;  // right reviews in a row, up to ReviewWaits.size()
    QDate due;      // the day it comes back (due on that day and every day after)
    QDate last;     // the last day it was answered
    bool operator==(const ScheduleEntry&) const = default;
};

// Reading a sentence and writing from memory move the schedule; stroke counts, the games' picks
// and tracing or copying a model do not.
bool MovesSchedule(KanjiAsked asked);

// The local calendar day of a moment, and of a time as the history stores it.
QDate LocalDay(const QDateTime& at);
QDate LocalDayOfStored(const QString& stored);

// The entry after one answer on `day`; `before` is empty (no due day) for a kanji never asked.
ScheduleEntry NextSchedule(const ScheduleEntry& before, bool right, QDate day);

bool IsDue(const ScheduleEntry& e, QDate today);
// Whole days until the kanji is due (0: today or overdue).
int DaysUntilDue(const ScheduleEntry& e, QDate today);

// The notebook's line: "つぎは 12日" (another month: "つぎは 5がつ3日"), "つぎは きょう" when
// due, empty for a kanji never read or written.
QString NextReviewText(const ScheduleEntry& e, QDate today);

// A child's schedule: kanji number to entry.
using KanjiSchedule = QHash<int, ScheduleEntry>;

// Folds answers, oldest first, into a schedule (how it is rebuilt from the history).
void FoldAnswer(KanjiSchedule& schedule, int kanji, KanjiAsked asked, bool right, QDate day);
