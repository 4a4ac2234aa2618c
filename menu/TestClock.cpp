// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/TestClock.h"

#include "platform/Clock.h"

#include <QDateTime>
#include <QtGlobal>

bool TestClockFromEnvironment(bool installed) {
    const QString value = qEnvironmentVariable(TestClockVariable);
    qunsetenv(TestClockVariable);
    if (installed || value.isEmpty())
        return false;
    const QDateTime at = QDateTime::fromString(value, Qt::ISODate);
    if (!at.isValid())
        return false;
    Clock::runFrom(at);
    return true;
}
