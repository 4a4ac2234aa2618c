// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/handwriting/PadPlace.h"

#include <algorithm>
#include <array>

namespace {
constexpr int Gap = 4; // between the pad and what it answers

enum class Side { Below, Right, Left, Above };

QRect besides(const QRect& screen, const QRect& answered, Side side, QSize size) {
    auto clampTo = [](int v, int lo, int hi) { return std::max(lo, std::min(v, hi)); };
    QPoint at;
    switch (side) {
    case Side::Below:
    case Side::Above:
        at.setX(clampTo(answered.left(), screen.left(), screen.right() + 1 - size.width()));
        at.setY(side == Side::Below ? answered.bottom() + 1 + Gap
                                    : answered.top() - Gap - size.height());
        break;
    case Side::Right:
    case Side::Left:
        at.setY(clampTo(answered.top(), screen.top(), screen.bottom() + 1 - size.height()));
        at.setX(side == Side::Right ? answered.right() + 1 + Gap
                                    : answered.left() - Gap - size.width());
        break;
    }
    return QRect(at, size);
}

int covered(const QRect& a, const QRect& b) {
    const QRect i = a.intersected(b);
    return i.isEmpty() ? 0 : i.width() * i.height();
}
} // namespace

QSize PadSize(PadShape shape) { return shape == PadShape::Wide ? QSize(460, 240) : QSize(256, 476); }

PadPlace PlacePad(const QRect& screen, const QRect& answered) {
    // A wide thing keeps the wide pad under it; a board has the tall one beside it.
    const bool wide = answered.width() >= answered.height();
    struct Try {
        Side side;
        PadShape shape;
    };
    const std::array<Try, 8> tries =
        wide ? std::array<Try, 8>{{{Side::Below, PadShape::Wide}, {Side::Above, PadShape::Wide},
                                   {Side::Right, PadShape::Tall}, {Side::Left, PadShape::Tall},
                                   {Side::Below, PadShape::Tall}, {Side::Above, PadShape::Tall},
                                   {Side::Right, PadShape::Wide}, {Side::Left, PadShape::Wide}}}
             : std::array<Try, 8>{{{Side::Right, PadShape::Tall}, {Side::Left, PadShape::Tall},
                                   {Side::Below, PadShape::Wide}, {Side::Above, PadShape::Wide},
                                   {Side::Right, PadShape::Wide}, {Side::Left, PadShape::Wide},
                                   {Side::Below, PadShape::Tall}, {Side::Above, PadShape::Tall}}};
    for (const Try& t : tries) {
        const QRect r = besides(screen, answered, t.side, PadSize(t.shape));
        if (screen.contains(r) && !r.intersects(answered))
            return {t.shape, r};
    }
    // No room anywhere: the wide pad at the screen's top or bottom edge, whichever covers less.
    const QSize size = PadSize(PadShape::Wide);
    const int x = screen.left() + std::max(0, (screen.width() - size.width()) / 2);
    const QRect top(QPoint(x, screen.top()), size);
    const QRect bottom(QPoint(x, screen.bottom() + 1 - size.height()), size);
    return {PadShape::Wide, covered(top, answered) <= covered(bottom, answered) ? top : bottom};
}
