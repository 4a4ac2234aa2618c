// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/strokes/StrokeFrame.h"

#include "writing/strokes/StrokeSampling.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Centre = StrokeBoxSize / 2;
// The pulls, each as heavy as a few points' worth of error: strong enough to settle what the
// strokes leave open, too weak to bend what they show.
constexpr double Reach = 30;           // model units the scale pulls are measured over
constexpr double EvenPull = 1.0;       // sx towards sy
constexpr double UprightPull = 3.0;    // shear towards none
constexpr double SizePull = 0.05;      // both scales towards a child's usual size
constexpr double UsualSize = 0.8;
constexpr double BoxMargin = 16;       // how far past the box a child's writing may reach
constexpr int MatchRounds = 3;
// Smaller than this a child does not write in the big square: a stroke that fits only a tiny
// character is another stroke.
constexpr double MinScale = 0.45;
// A drawn stroke may leave out this much of the model's length (a hook, a sweep drawn short)
// and still tell how small the child writes at least.
constexpr double LengthSlack = 10;

double meanDistance(const StrokePath& a, const StrokePath& b) {
    double sum = 0;
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i)
        sum += QLineF(a[i], b[i]).length();
    return n > 0 ? sum / double(n) : 0;
}

double nearest(const QPointF& p, const StrokePath& line) {
    double best = 1e18;
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QPointF a = line[i - 1], d = line[i] - a;
        const double len2 = QPointF::dotProduct(d, d);
        const double t = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / len2, 0.0, 1.0) : 0.0;
        const QPointF q = a + d * t - p;
        best = std::min(best, QPointF::dotProduct(q, q));
    }
    if (line.size() == 1)
        best = QPointF::dotProduct(line[0] - p, line[0] - p);
    return std::sqrt(best);
}

// The farthest any point of either line lies from the other line, leaving out each line's
// first and last few points: a hook or sweep drawn short or long is not judged, a missing or
// extra part of the stroke is.
constexpr qsizetype EndsLeftOut = 3;

double farthest(const StrokePath& a, const StrokePath& b) {
    double worst = 0;
    for (const StrokePath* from : {&a, &b}) {
        const StrokePath& to = from == &a ? b : a;
        for (qsizetype i = EndsLeftOut; i + EndsLeftOut < from->size(); ++i)
            worst = std::max(worst, nearest((*from)[i], to));
    }
    return worst;
}

// Each line's points against the other line, averaged both ways.
double lineDistance(const StrokePath& a, const StrokePath& b) {
    if (a.isEmpty() || b.isEmpty())
        return 0;
    double ab = 0, ba = 0;
    for (const QPointF& p : a)
        ab += nearest(p, b);
    for (const QPointF& p : b)
        ba += nearest(p, a);
    return (ab / double(a.size()) + ba / double(b.size())) / 2;
}

} // namespace

QPointF FrameTransform::map(const QPointF& m) const {
    const double x = m.x() - Centre, y = m.y() - Centre;
    return {sx * x + shear * y + tx, sy * y + ty};
}

StrokePath FrameTransform::map(const StrokePath& model) const {
    StrokePath out;
    out.reserve(model.size());
    for (const QPointF& p : model)
        out << map(p);
    return out;
}

double FrameTransform::scale() const {
    return sx > 0 && sy > 0 ? std::sqrt(sx * sy) : 0;
}

bool FrameTransform::plausible() const {
    if (sx < MinScale || sy < MinScale || sx > 1.45 || sy > 1.45)
        return false;
    const double ratio = sx / sy;
    if (ratio < 0.55 || ratio > 1.8 || std::abs(shear) > 0.5 * scale())
        return false;
    // The middles of the box's sides: its corners would count the slant twice.
    for (const QPointF& side : {QPointF(0, Centre), QPointF(StrokeBoxSize, Centre),
                                QPointF(Centre, 0), QPointF(Centre, StrokeBoxSize)}) {
        const QPointF p = map(side);
        if (p.x() < -BoxMargin || p.y() < -BoxMargin || p.x() > StrokeBoxSize + BoxMargin ||
            p.y() > StrokeBoxSize + BoxMargin)
            return false;
    }
    return true;
}

void StrokeFrame::clear() {
    pairs_.clear();
    normal_ = {};
}

void StrokeFrame::accumulate(Normal& n, const StrokePath& drawn, const StrokePath& model) {
    // Unknowns: sx, shear, tx, sy, ty. Each point gives one row for x and one for y.
    auto row = [&n](const std::array<double, 5>& a, double b) {
        for (int i = 0; i < 5; ++i) {
            for (int j = 0; j < 5; ++j)
                n[size_t(i * 6 + j)] += a[size_t(i)] * a[size_t(j)];
            n[size_t(i * 6 + 5)] += a[size_t(i)] * b;
        }
    };
    const qsizetype count = std::min(drawn.size(), model.size());
    for (qsizetype i = 0; i < count; ++i) {
        const double x = model[i].x() - Centre, y = model[i].y() - Centre;
        row({x, y, 1, 0, 0}, drawn[i].x());
        row({0, 0, 0, y, 1}, drawn[i].y());
    }
}

FrameTransform StrokeFrame::solve(Normal n) {
    auto pull = [&n](const std::array<double, 5>& a, double b, double weight) {
        for (int i = 0; i < 5; ++i) {
            for (int j = 0; j < 5; ++j)
                n[size_t(i * 6 + j)] += weight * a[size_t(i)] * a[size_t(j)];
            n[size_t(i * 6 + 5)] += weight * a[size_t(i)] * b;
        }
    };
    pull({Reach, 0, 0, -Reach, 0}, 0, EvenPull);
    pull({0, Reach, 0, 0, 0}, 0, UprightPull);
    pull({Reach, 0, 0, 0, 0}, Reach * UsualSize, SizePull);
    pull({0, 0, 0, Reach, 0}, Reach * UsualSize, SizePull);
    // A faint pull to the centre keeps the system solvable with no stroke at all.
    pull({0, 0, 1, 0, 0}, Centre, 1e-6);
    pull({0, 0, 0, 0, 1}, Centre, 1e-6);

    // Gaussian elimination with partial pivoting on the 5 x 6 augmented matrix.
    for (int c = 0; c < 5; ++c) {
        int pivot = c;
        for (int r = c + 1; r < 5; ++r)
            if (std::abs(n[size_t(r * 6 + c)]) > std::abs(n[size_t(pivot * 6 + c)]))
                pivot = r;
        if (pivot != c)
            for (int j = 0; j < 6; ++j)
                std::swap(n[size_t(c * 6 + j)], n[size_t(pivot * 6 + j)]);
        const double d = n[size_t(c * 6 + c)];
        if (std::abs(d) < 1e-12)
            return {};
        for (int r = 0; r < 5; ++r) {
            if (r == c)
                continue;
            const double f = n[size_t(r * 6 + c)] / d;
            if (f == 0)
                continue;
            for (int j = c; j < 6; ++j)
                n[size_t(r * 6 + j)] -= f * n[size_t(c * 6 + j)];
        }
    }
    auto value = [&n](int i) { return n[size_t(i * 6 + 5)] / n[size_t(i * 6 + i)]; };
    FrameTransform t;
    t.sx = value(0);
    t.shear = value(1);
    t.tx = value(2);
    t.sy = value(3);
    t.ty = value(4);
    return t;
}

// The model points nearest each drawn point once the model is placed by t: pairs that do not
// care how far along the line the child is, so a hook drawn or left out does not drag the fit.
StrokePath StrokeFrame::matched(const StrokePath& drawn, const StrokePath& model,
                                const FrameTransform& t) {
    const StrokePath placed = t.map(model);
    StrokePath out;
    out.reserve(drawn.size());
    for (const QPointF& p : drawn) {
        double best = 1e18;
        QPointF at = model.value(0);
        for (qsizetype i = 1; i < placed.size(); ++i) {
            const QPointF a = placed[i - 1], d = placed[i] - a;
            const double len2 = QPointF::dotProduct(d, d);
            const double u =
                len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / len2, 0.0, 1.0) : 0.0;
            const QPointF q = a + d * u - p;
            const double dist = QPointF::dotProduct(q, q);
            if (dist < best) {
                best = dist;
                at = model[i - 1] + (model[i] - model[i - 1]) * u;
            }
        }
        out << at;
    }
    return out;
}

FrameTransform StrokeFrame::solveWith(const StrokePath& drawn, const StrokePath& model) const {
    Normal n = normal_;
    accumulate(n, drawn, model);
    FrameTransform t = solve(n);
    for (int round = 0; round < MatchRounds; ++round) {
        n = normal_;
        accumulate(n, drawn, matched(drawn, model, t));
        t = solve(n);
    }
    return t;
}

void StrokeFrame::add(const StrokePath& drawn, const StrokePath& model) {
    const FrameTransform t = solveWith(drawn, model);
    pairs_.append({drawn, model});
    accumulate(normal_, drawn, matched(drawn, model, t));
}

FrameTransform StrokeFrame::transform() const {
    if (pairs_.isEmpty()) {
        FrameTransform usual;
        usual.sx = usual.sy = UsualSize;
        return usual;
    }
    return solve(normal_);
}

StrokeFit StrokeFrame::fit(const StrokePath& drawn, const StrokePath& model) const {
    StrokeFit f;
    f.frame = solveWith(drawn, model);
    f.plausible = f.frame.plausible();
    const double s = std::max(f.frame.scale(), 0.05);
    const StrokePath placed = f.frame.map(model);
    f.error = lineDistance(drawn, placed) / s;
    f.pathError = meanDistance(drawn, placed) / s;
    f.worst = farthest(drawn, placed) / s;
    const double placedLength = PathLength(placed);
    f.lengthRatio = placedLength > 0 ? PathLength(drawn) / placedLength : 0;
    // The shape alone: the drawn stroke moved so that its centre lies on the model stroke's,
    // placed in the frame of the strokes before it.
    const FrameTransform before = transform();
    const StrokePath placedBefore = before.map(model);
    const QPointF shift = Centroid(placedBefore) - Centroid(drawn);
    StrokePath moved;
    moved.reserve(drawn.size());
    for (const QPointF& p : drawn)
        moved << p + shift;
    f.shapeError = lineDistance(moved, placedBefore) / std::max(before.scale(), 0.05);
    f.unmoved = lineDistance(drawn, placedBefore) / std::max(before.scale(), 0.05);
    f.boxOut = boxOut(f.frame, drawn, model);
    return f;
}

double StrokeFrame::boxOut(const FrameTransform& t, const StrokePath& drawn,
                           const StrokePath& model) {
    // Smaller writing about the same stroke only draws the box in, so the smallest size the
    // stroke allows is the kindest.
    const double least = std::max(
        MinScale, std::min(t.scale(), PathLength(drawn) / (PathLength(model) + LengthSlack)));
    const QPointF at = t.map(Centroid(model));
    const QPointF u = Centroid(model) - QPointF(Centre, Centre);
    const double x = at.x() - t.shear * u.y() - least * u.x();
    const double y = at.y() - least * u.y();
    const double half = least * Centre;
    return std::max({half - x, x + half - StrokeBoxSize, half - y, y + half - StrokeBoxSize});
}

double StrokeFrame::keptError(const FrameTransform& t) const {
    const double s = std::max(t.scale(), 0.05);
    double worst = 0;
    for (const auto& [d, m] : pairs_)
        worst = std::max(worst, lineDistance(d, t.map(m)) / s);
    return worst;
}
