// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/PracticeFigures.h"

#include "data/Tables.h"
#include "platform/Clock.h"

#include <algorithm>

QSet<QDate> PractisedDays(const QList<HistoryAnswer>& answers) {
    QSet<QDate> days;
    for (const HistoryAnswer& a : answers)
        if (a.at.isValid())
            days.insert(LocalDay(a.at));
    return days;
}

int PracticeMinutes(QList<QDateTime> times) {
    std::sort(times.begin(), times.end());
    int minutes = 0;
    qint64 sitting = 0;
    for (int i = 0; i < times.size(); ++i) {
        const qint64 gap = i == 0 ? SittingGapSeconds + 1 : times[i - 1].secsTo(times[i]);
        if (gap > SittingGapSeconds) {
            // A new sitting: the one before counts every minute it began, at least one.
            if (i > 0)
                minutes += int(std::max<qint64>(1, (sitting + 59) / 60));
            sitting = 0;
        } else {
            sitting += gap;
        }
    }
    if (!times.isEmpty())
        minutes += int(std::max<qint64>(1, (sitting + 59) / 60));
    return minutes;
}

ParentFigures FiguresOf(const QList<HistoryAnswer>& all, const QList<HistoryAnswer>& recent,
                        const KanjiSchedule& schedule, QDate today) {
    ParentFigures f;
    QSet<int> met, written;
    for (const HistoryAnswer& a : all) {
        met.insert(a.kanji);
        if (a.asked == KanjiAsked::FromMemory && a.right)
            written.insert(a.kanji);
    }
    f.met = int(met.size());
    f.written = int(written.size());
    for (const ScheduleEntry& e : schedule)
        if (IsDue(e, today))
            ++f.dueToday;
    QList<QDateTime> times;
    const QDate first = today.addDays(1 - FigureDays);
    for (const HistoryAnswer& a : recent)
        if (a.at.isValid() && LocalDay(a.at) >= first && LocalDay(a.at) <= today)
            times << a.at;
    f.minutes = PracticeMinutes(times);
    return f;
}

ParentFigures FiguresOfPlayer(int player) {
    const QDate today = Clock::today();
    return FiguresOf(KanjiHistory::answersOf(player),
                     KanjiHistory::answersSince(player, today.addDays(1 - FigureDays)),
                     KanjiHistory::scheduleOf(player), today);
}
