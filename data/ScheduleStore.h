// SPDX-License-Identifier: GPL-3.0-or-later
// The review schedule kept beside the history in "KanjiNote.db": one row per child and kanji,
// and the newest answer already folded in. It is worked out from the answers alone, so it is
// made from the whole history when the file had none (an older program's file), rebuilt when its
// table is missing or holds a row that cannot be read, and caught up with answers another program
// wrote without it.
#pragma once

#include "data/ReviewSchedule.h"

#include <QSqlDatabase>

namespace ScheduleStore {
// The file's layout version with the schedule (SQLite's user_version).
inline constexpr int SchemaVersion = 1;

// Makes the tables when missing and folds in every answer not folded yet; false on a failure
// (nothing half-done: all of it is one transaction, tried again at the next use).
bool update(QSqlDatabase db);
// Starts the schedule anew from the whole history.
bool rebuild(QSqlDatabase db);
// One child's schedule as stored; `damaged` is set when a row cannot be read.
KanjiSchedule read(QSqlDatabase db, int playerNo, const QString& playerName, bool* damaged);
} // namespace ScheduleStore
