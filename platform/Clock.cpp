// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Clock.h"

#include <QElapsedTimer>
#include <optional>

namespace {
std::optional<QDateTime> frozenAt;
qint64 frozenElapsed = 0;
qint64 shiftMs = 0; // of the running clock, set by runFrom

QElapsedTimer& steady()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}
}  // namespace

namespace Clock {

QDateTime now() {
    return frozenAt ? *frozenAt : QDateTime::currentDateTime().addMSecs(shiftMs);
}

QDate today() { return now().date(); }

qint64 elapsedMs() { return frozenAt ? frozenElapsed : steady().elapsed(); }

void freeze(const QDateTime& at)
{
    if (!frozenAt)
        frozenElapsed = steady().elapsed();
    frozenAt = at;
}

void advanceMs(qint64 ms)
{
    if (!frozenAt)
        freeze(QDateTime::currentDateTime());
    frozenAt = frozenAt->addMSecs(ms);
    frozenElapsed += ms;
}

void unfreeze() { frozenAt.reset(); }

void runFrom(const QDateTime& at)
{
    frozenAt.reset();
    shiftMs = at.isValid() ? QDateTime::currentDateTime().msecsTo(at) : 0;
}

}  // namespace Clock
