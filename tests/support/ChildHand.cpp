// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ChildHand.h"

#include "writing/strokes/StrokeSampling.h"

#include <cmath>
#include <numbers>

namespace {

double uniform(std::mt19937& random, double from, double to) {
    return std::uniform_real_distribution<double>(from, to)(random);
}

constexpr double Centre = StrokeBoxSize / 2;

QPointF framed(const QPointF& p, const ChildHand& hand) {
    const double x = p.x() - Centre, y = p.y() - Centre;
    return QPointF(Centre + hand.scale * (x + hand.slant * y), Centre + hand.scale * y) +
           hand.offset;
}

} // namespace

ChildHand RandomChildHand(std::mt19937& random) {
    ChildHand hand;
    hand.scale = uniform(random, 0.6, 1.0);
    const double room = (1 - hand.scale) * Centre;
    hand.offset = QPointF(uniform(random, -room, room), uniform(random, -room, room));
    hand.slant = uniform(random, -0.12, 0.12);
    return hand;
}

StrokePath NeatStroke(const StrokePath& model, const ChildHand& hand) {
    StrokePath out;
    out.reserve(model.size());
    for (const QPointF& p : model)
        out << framed(p, hand);
    return out;
}

StrokePath ChildStroke(const StrokePath& model, const ChildHand& hand, std::mt19937& random) {
    const QPointF centre = Centroid(model);
    const double size = 1 + uniform(random, -hand.strokeSize, hand.strokeSize);
    const QPointF shift(uniform(random, -hand.strokeShift, hand.strokeShift),
                        uniform(random, -hand.strokeShift, hand.strokeShift));
    const double phase = uniform(random, 0, 2 * std::numbers::pi);
    const double waves = uniform(random, 1, 3);
    std::normal_distribution<double> shake(0, hand.jitter);
    StrokePath out;
    out.reserve(model.size());
    const qsizetype n = model.size();
    for (qsizetype i = 0; i < n; ++i) {
        const double t = n > 1 ? double(i) / double(n - 1) : 0;
        const double sway = hand.wobble * std::sin(phase + waves * 2 * std::numbers::pi * t);
        QPointF p = centre + (model[i] - centre) * size + shift;
        p += QPointF(sway + shake(random), sway * 0.7 + shake(random));
        out << framed(p, hand);
    }
    return out;
}
