// SPDX-License-Identifier: GPL-3.0-or-later
// The program's clock: every rule reads the time through here, so tests can set and move it.
#pragma once

#include <QDate>
#include <QDateTime>

namespace Clock {
QDateTime now();
QDate today();
// Milliseconds of a steady clock, for measuring turn times and game times.
qint64 elapsedMs();

// Tests: freeze the clock at a moment, move it on, or let it run again.
void freeze(const QDateTime& at);
void advanceMs(qint64 ms);
void unfreeze();
// The running program's developer hook: the clock runs on from `at` (see TestClockFromEnvironment).
void runFrom(const QDateTime& at);
}  // namespace Clock

inline QDateTime Now() { return Clock::now(); }
