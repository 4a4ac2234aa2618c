// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ReviewSchedule.h"

#include <algorithm>

bool MovesSchedule(KanjiAsked asked) {
    return asked == KanjiAsked::Reading || asked == KanjiAsked::FromMemory;
}

QDate LocalDay(const QDateTime& at) {
    return at.toLocalTime().date();
}

QDate LocalDayOfStored(const QString& stored) {
    // Written as local time without an offset, the date is the first ten characters; parsing the
    // whole time is slow on a long history.
    if (stored.size() == 19 || stored.size() == 23)
        return QDate::fromString(stored.left(10), Qt::ISODate);
    return LocalDay(QDateTime::fromString(stored, Qt::ISODate));
}

ScheduleEntry NextSchedule(const ScheduleEntry& before, bool right, QDate day) {
    ScheduleEntry e = before;
    if (!day.isValid())
        return e;
    if (!right) {
        e.level = 0;
        e.due = day.addDays(1);
        e.last = std::max(e.last, day);
        return e;
    }
    const bool isNew = !e.due.isValid();
    const bool clockBack = e.last.isValid() && day < e.last;
    if (isNew || (!clockBack && day >= e.due)) {
        e.level = std::min<int>(e.level + 1, int(ReviewWaits.size()));
        e.due = day.addDays(ReviewWaits[e.level - 1]);
    }
    e.last = e.last.isValid() ? std::max(e.last, day) : day;
    return e;
}

bool IsDue(const ScheduleEntry& e, QDate today) {
    return e.due.isValid() && e.due <= today;
}

int DaysUntilDue(const ScheduleEntry& e, QDate today) {
    if (!e.due.isValid())
        return 0;
    return int(std::max<qint64>(0, today.daysTo(e.due)));
}

void FoldAnswer(KanjiSchedule& schedule, int kanji, KanjiAsked asked, bool right, QDate day) {
    if (!MovesSchedule(asked) || !day.isValid())
        return;
    schedule[kanji] = NextSchedule(schedule.value(kanji), right, day);
}

QString NextReviewText(const ScheduleEntry& e, QDate today) {
    if (!e.due.isValid())
        return {};
    if (IsDue(e, today))
        return QStringLiteral("つぎは きょう");
    if (e.due.year() == today.year() && e.due.month() == today.month())
        return QStringLiteral("つぎは %1日").arg(e.due.day());
    return QStringLiteral("つぎは %1がつ%2日").arg(e.due.month()).arg(e.due.day());
}
