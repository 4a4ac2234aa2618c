// SPDX-License-Identifier: GPL-3.0-or-later
// What the practice says to the child, in kana a first-grader reads.
#pragma once

#include "aftergame/practice/PracticeRun.h"
#include "writing/strokes/StrokeChecker.h"

#include <QString>

enum class PracticeStep;

QString StepCaption(PracticeStep step);
QString StepHint(PracticeStep step);
// The word after a judged stroke.
QString StrokeMessage(PracticeRun::Result result, StrokeVerdict verdict);
QString KanjiDoneMessage(bool helped);
inline const QString MsgNoModel = QStringLiteral("このじの かきじゅんは まだ ありません。");
