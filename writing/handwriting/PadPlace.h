// SPDX-License-Identifier: GPL-3.0-or-later
// Where the writing pad stands: beside or below what the child answers (a board, a sentence, a
// field), whole on the screen, so she writes with the question in sight. The pad comes in two
// shapes, wide (ink left, candidates right) and tall (ink above the candidates).
#pragma once

#include <QRect>
#include <QSize>

enum class PadShape { Wide, Tall };

QSize PadSize(PadShape shape);

struct PadPlace {
    PadShape shape;
    QRect rect;
};

// `answered` and the result in the coordinates of `screen`. Below or above a wide thing, beside
// a tall one; when no side has room, the place that covers the least of it.
PadPlace PlacePad(const QRect& screen, const QRect& answered);
