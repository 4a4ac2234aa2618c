// SPDX-License-Identifier: GPL-3.0-or-later
// What the entry asks a parent before the menu opens, when the records cannot be kept safely.
#pragma once

#include <QString>

class QWidget;

// A second start while a copy runs on the same records, when that copy cannot be reached.
inline const QString MsgAlreadyRunning =
    QStringLiteral("もじまるは もう動いています。\n"
                   "見えないときは、タスクバーなどから もじまるの画面をえらんでください。");

// The records folder refuses locks: true to start (read only, or at the parent's own risk).
bool ConfirmUnlockableStart(QWidget* parent, const QString& recordsDir);
// The records folder cannot be made (dir empty: no home to make it in): true to start without
// saving anything.
bool ConfirmNoRecordsFolder(QWidget* parent, const QString& recordsDir);
