// The stroke data and the stroke checker as the practice uses them: a kanji's model strokes, and
// the verdict on one stroke the child just wrote, given the strokes already accepted.
#pragma once

#include "aftergame/practice/ModelStrokes.h"
#include "writing/handwriting/Ink.h"

#include <QString>

enum class PracticeVerdict { Ok, Order, Direction, Place, Shape, Extra };

struct StrokeJudgement {
    PracticeVerdict verdict = PracticeVerdict::Extra;
    int stroke = -1; // the model stroke it was, when right
};

// The model strokes of a character; empty when the stroke data has none (or cannot be read).
ModelStrokes PracticeModel(const QString& character);
// The verdict on `stroke`, written after `accepted` (the child's strokes judged right so far, in
// the order written), in the ink box (1024, y down).
StrokeJudgement JudgePracticeStroke(const QString& character, const Ink& accepted,
                                    const Stroke& stroke);
