// What the practice says to the child, in kana a first-grader reads.
#pragma once

#include "aftergame/practice/PracticeRun.h"
#include "aftergame/practice/PracticeStrokes.h"

#include <QString>

enum class PracticeStep;

QString StepCaption(PracticeStep step);
QString StepHint(PracticeStep step);
// The word after a judged stroke.
QString StrokeMessage(PracticeRun::Result result, PracticeVerdict verdict);
QString KanjiDoneMessage(bool helped);
inline const QString MsgNoModel = QStringLiteral("このじの かきじゅんは まだ ありません。");
