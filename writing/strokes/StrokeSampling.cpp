// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/strokes/StrokeSampling.h"

#include <QLineF>

#include <algorithm>

double PathLength(const StrokePath& path) {
    double length = 0;
    for (qsizetype i = 1; i < path.size(); ++i)
        length += QLineF(path[i - 1], path[i]).length();
    return length;
}

StrokePath Resampled(const StrokePath& path, int n) {
    StrokePath out;
    if (path.isEmpty() || n <= 0)
        return out;
    out.reserve(n);
    const double length = PathLength(path);
    if (length <= 0 || n == 1) {
        out.fill(path.first(), n);
        return out;
    }
    const double step = length / (n - 1);
    out << path.first();
    double walked = 0; // length up to path[i - 1]
    qsizetype i = 1;
    for (int k = 1; k < n - 1; ++k) {
        const double at = k * step;
        double seg = QLineF(path[i - 1], path[i]).length();
        while (i < path.size() - 1 && walked + seg < at) {
            walked += seg;
            ++i;
            seg = QLineF(path[i - 1], path[i]).length();
        }
        const double t = seg > 0 ? std::clamp((at - walked) / seg, 0.0, 1.0) : 0.0;
        out << path[i - 1] + (path[i] - path[i - 1]) * t;
    }
    out << path.last();
    return out;
}

StrokePath Reversed(const StrokePath& path) {
    StrokePath out(path.rbegin(), path.rend());
    return out;
}

QPointF Centroid(const StrokePath& path) {
    QPointF sum;
    for (const QPointF& p : path)
        sum += p;
    return path.isEmpty() ? sum : sum / double(path.size());
}
