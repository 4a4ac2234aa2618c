// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/strokes/StrokeChecker.h"

#include "writing/strokes/StrokeSampling.h"

#include <cmath>

namespace {

// Mean distances in model units (the box is 109 wide) a child's stroke may stray.
constexpr double FitTolerance = 6.0;
constexpr double KeptTolerance = 6.0;
// No part of the stroke but its ends (hooks and sweeps) may stray farther than this: a stroke
// of another shape that lies close on average, with a leg missing or one too many, is not it.
constexpr double WorstTolerance = 11.0;
// Before any stroke of the child's says where and how large they write, the character must
// still fit the square about the stroke (the box may reach this far past it) and lean no more
// than a child's writing does.
constexpr double FirstBoxMargin = 4.0;
constexpr double FirstSlant = 0.3;
// Once strokes are written, one that fits only loosely (half the tolerance on average, a part
// farther out) and only after the frame moved to it (it lies past the tolerance where the
// strokes before put the character) is another stroke bending the frame.
constexpr double LooseError = 3.0;
constexpr double LooseWorst = 6.0;
// A stroke that fits another stroke of the character this much better is that stroke.
constexpr double ElsewhereShare = 0.5;
constexpr double ElsewhereGap = 1.0;
constexpr double DirectionShare = 0.6;
constexpr double DirectionGap = 1.0;

} // namespace

QString VerdictName(StrokeVerdict verdict) {
    switch (verdict) {
    case StrokeVerdict::Ok:
        return QStringLiteral("ok");
    case StrokeVerdict::Order:
        return QStringLiteral("order");
    case StrokeVerdict::Direction:
        return QStringLiteral("direction");
    case StrokeVerdict::Place:
        return QStringLiteral("place");
    case StrokeVerdict::Shape:
        return QStringLiteral("shape");
    case StrokeVerdict::Extra:
        return QStringLiteral("extra");
    }
    return {};
}

StrokeChecker::StrokeChecker(const CharStrokes& model) : model_(model) {
    for (const StrokePath& s : model_.strokes)
        modelSamples_ << Resampled(s);
    reset();
}

void StrokeChecker::reset() {
    orders_ = model_.acceptedOrders();
    done_.clear();
    given_ = QList<bool>(model_.count(), false);
    frame_.clear();
    misses_ = 0;
}

QList<int> StrokeChecker::dueStrokes() const {
    QList<int> due;
    const qsizetype at = done_.size();
    for (const QList<int>& order : orders_)
        if (at < order.size() && !due.contains(order[at]))
            due << order[at];
    return due;
}

int StrokeChecker::expected() const {
    const QList<int> due = dueStrokes();
    return due.isEmpty() ? -1 : due.first();
}

bool StrokeChecker::finished() const {
    return done_.size() >= model_.count();
}

QList<int> StrokeChecker::missing() const {
    QList<int> out;
    for (int i = 0; i < model_.count(); ++i)
        if (!done_.contains(i))
            out << i;
    return out;
}

QList<int> StrokeChecker::done() const {
    return done_;
}

bool StrokeChecker::isGiven(int stroke) const {
    return stroke >= 0 && stroke < given_.size() && given_[stroke];
}

StrokeFit StrokeChecker::tryStroke(const StrokePath& drawn, int stroke) const {
    return frame_.fit(drawn, modelSamples_[stroke]);
}

bool StrokeChecker::fits(const StrokeFit& f) const {
    if (!f.plausible || f.error > FitTolerance || f.worst > WorstTolerance)
        return false;
    if (frame_.isEmpty())
        return f.boxOut <= FirstBoxMargin &&
               std::abs(f.frame.shear) <= FirstSlant * f.frame.scale();
    if (f.error > LooseError && f.worst > LooseWorst && f.unmoved > FitTolerance)
        return false;
    // The strokes before must still sit well in the frame this stroke pulls towards.
    return frame_.keptError(f.frame) <= KeptTolerance;
}

void StrokeChecker::accept(int stroke, const StrokePath& drawn) {
    const qsizetype at = done_.size();
    orders_.removeIf([&](const QList<int>& order) { return order[at] != stroke; });
    done_ << stroke;
    if (!drawn.isEmpty())
        frame_.add(drawn, modelSamples_[stroke]);
    misses_ = 0;
}

StrokeJudgement StrokeChecker::judge(const StrokePath& path) {
    StrokeJudgement j;
    j.expected = expected();
    if (finished() || path.isEmpty()) {
        j.verdict = finished() ? StrokeVerdict::Extra : StrokeVerdict::Shape;
        if (!finished())
            ++misses_;
        return j;
    }
    const StrokePath drawn = Resampled(path);
    const StrokePath backwards = Reversed(drawn);

    // A stroke due in any accepted order: the best fitting one. The lines fit either way
    // round; which way fits point to point clearly better tells the direction (a short
    // stroke is close to its model both ways).
    int best = -1, turned = -1;
    double bestError = 0;
    for (int s : dueStrokes()) {
        const StrokeFit f = tryStroke(drawn, s);
        const StrokeFit b = tryStroke(backwards, s);
        const bool forwardFits = fits(f);
        const bool backwardFits = fits(b);
        const bool reversed =
            backwardFits && (!forwardFits || (b.pathError < DirectionShare * f.pathError &&
                                              f.pathError - b.pathError > DirectionGap));
        if (reversed) {
            if (turned < 0)
                turned = s;
        } else if (forwardFits && (best < 0 || f.error < bestError)) {
            best = s;
            bestError = f.error;
        }
    }
    // Within the tolerance of the due stroke, yet clearly another stroke of the character: a
    // neighbour written before its turn.
    if (best >= 0) {
        const QList<int> due = dueStrokes();
        for (int s = 0; s < model_.count(); ++s) {
            if (done_.contains(s) || due.contains(s))
                continue;
            const StrokeFit f = tryStroke(drawn, s);
            if (f.error < ElsewhereShare * bestError && bestError - f.error > ElsewhereGap &&
                fits(f)) {
                ++misses_;
                j.verdict = StrokeVerdict::Order;
                j.matched = s;
                return j;
            }
        }
        j.verdict = StrokeVerdict::Ok;
        j.matched = best;
        accept(best, drawn);
        return j;
    }
    ++misses_;
    if (turned >= 0) {
        j.verdict = StrokeVerdict::Direction;
        j.matched = turned;
        return j;
    }
    // Another stroke of the character, written before its turn.
    double orderError = 0;
    for (int s = 0; s < model_.count(); ++s) {
        if (done_.contains(s))
            continue;
        // Backwards too: out of turn is what the child most needs to hear.
        for (const StrokePath* way : {&drawn, &backwards}) {
            const StrokeFit f = tryStroke(*way, s);
            if (fits(f) && (j.matched < 0 || f.error < orderError)) {
                j.matched = s;
                orderError = f.error;
            }
        }
    }
    if (j.matched >= 0) {
        j.verdict = StrokeVerdict::Order;
        return j;
    }
    const StrokeFit due = tryStroke(drawn, j.expected);
    j.verdict = due.shapeError <= FitTolerance ? StrokeVerdict::Place : StrokeVerdict::Shape;
    if (j.verdict == StrokeVerdict::Place)
        j.matched = j.expected;
    return j;
}

int StrokeChecker::give() {
    const int stroke = expected();
    if (stroke < 0)
        return -1;
    accept(stroke, {});
    given_[stroke] = true;
    return stroke;
}

StrokePath StrokeChecker::placed(int stroke) const {
    if (stroke < 0 || stroke >= model_.count())
        return {};
    return frame_.transform().map(model_.strokes[stroke]);
}
