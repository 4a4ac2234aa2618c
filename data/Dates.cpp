// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Dates.h"

#include "platform/Clock.h"

#include <cmath>

namespace {
const QDate Epoch(1899, 12, 30);
}

double DayNumber(const QDate& date) { return static_cast<double>(Epoch.daysTo(date)); }

QDate DateFromDayNumber(double days)
{
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6)
        return {};
    return Epoch.addDays(static_cast<qint64>(std::floor(days)));
}

double TodayDayNumber() { return DayNumber(Clock::today()); }

QString FormatHizuke(double days)
{
    const QDate d = DateFromDayNumber(days);
    if (!d.isValid())
        return {};
    return d.toString(QStringLiteral("yy/MM/dd"));
}
