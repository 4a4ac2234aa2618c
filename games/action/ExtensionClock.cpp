// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/ExtensionClock.h"

void ExtensionClock::start(qint64 nowMs)
{
    deadlineMs_ = nowMs + FirstMs;
    extensions_ = 0;
}

int ExtensionThresholdPercent(int extensions)
{
    static constexpr int Percent[ExtensionClock::MaxExtensions] = {70, 75, 80, 83, 87, 90};
    if (extensions < 0 || extensions >= ExtensionClock::MaxExtensions)
        return 0;
    return Percent[extensions];
}

bool ExtensionClock::earnsExtension(int score, int possiblePoints) const
{
    const int percent = ExtensionThresholdPercent(extensions_);
    if (percent == 0 || possiblePoints <= 0)
        return false;
    // Whole numbers, so a share exactly at the threshold never slips through on rounding.
    return static_cast<qint64>(score) * 100 > static_cast<qint64>(percent) * possiblePoints;
}

void ExtensionClock::extend(qint64 nowMs)
{
    deadlineMs_ = nowMs + ExtensionMs;
    ++extensions_;
}

bool ActionGamePassed(int score, int possiblePoints, int extensions, int firstPercent,
                      int laterPercent)
{
    const qint64 s = static_cast<qint64>(score) * 100;
    const qint64 p = possiblePoints;
    return (s > firstPercent * p && extensions >= 1) || (s > laterPercent * p && extensions >= 4);
}

QString RemainingTimeText(qint64 remainingMs)
{
    // The label shows once more when time is up; it never counts below zero.
    const qint64 seconds = remainingMs > 0 ? remainingMs / 1000 : 0;
    const qint64 minutes = seconds / 60;
    QString text = QStringLiteral("のこり");
    if (minutes % 10 != 0)
        text += QString::number(minutes) + QStringLiteral("分");
    text += QString::number(seconds % 60) + QStringLiteral("秒");
    return text;
}
