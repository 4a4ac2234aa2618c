#include "aftergame/practice/PracticeStrokes.h"

ModelStrokes PracticeModel(const QString&) {
    return {};
}

StrokeJudgement JudgePracticeStroke(const QString&, const Ink&, const Stroke&) {
    return {};
}
