// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/handwriting/DirectionFeatures.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double Margin = 6.0;
constexpr double PenWidth = 2.4;

} // namespace

QImage NormalisedInk(const Ink& ink) {
    QImage canvas(FeatureCanvas, FeatureCanvas, QImage::Format_Grayscale8);
    canvas.fill(0);
    double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
    for (const Stroke& s : ink)
        for (const QPointF& p : s) {
            minX = std::min(minX, p.x());
            maxX = std::max(maxX, p.x());
            minY = std::min(minY, p.y());
            maxY = std::max(maxY, p.y());
        }
    if (minX > maxX)
        return canvas;
    // A lone dot or a thin line keeps its shape: only the longer side decides the scale.
    const double side = std::max({maxX - minX, maxY - minY, 1e-6});
    const double scale = (FeatureCanvas - 2 * Margin) / side;
    const QPointF centre((minX + maxX) / 2, (minY + maxY) / 2);
    const QPointF middle(FeatureCanvas / 2.0, FeatureCanvas / 2.0);

    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, PenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QVector<QPointF> line;
    for (const Stroke& s : ink) {
        line.clear();
        for (const QPointF& p : s)
            line << (p - centre) * scale + middle;
        if (line.size() == 1)
            painter.drawPoint(line.front());
        else
            painter.drawPolyline(line.constData(), int(line.size()));
    }
    return canvas;
}

FeatureVector ImageFeatures(const QImage& canvas) {
    FeatureVector f{};
    const int n = FeatureCanvas;
    const double cell = double(n) / FeatureGrid;
    auto at = [&](int x, int y) { return double(canvas.constScanLine(y)[x]); };
    for (int y = 1; y < n - 1; ++y) {
        // Each pixel spreads over the four nearest cell centres, so a stroke moved by a pixel or
        // two changes the description smoothly.
        const double fy = (y + 0.5) / cell - 0.5;
        const int cy = int(std::floor(fy));
        const double wy = fy - cy;
        for (int x = 1; x < n - 1; ++x) {
            const double gx = at(x + 1, y - 1) + 2 * at(x + 1, y) + at(x + 1, y + 1) -
                              at(x - 1, y - 1) - 2 * at(x - 1, y) - at(x - 1, y + 1);
            const double gy = at(x - 1, y + 1) + 2 * at(x, y + 1) + at(x + 1, y + 1) -
                              at(x - 1, y - 1) - 2 * at(x, y - 1) - at(x + 1, y - 1);
            const double m = std::hypot(gx, gy);
            if (m < 1e-9)
                continue;
            double a = std::atan2(gy, gx);
            if (a < 0)
                a += 2 * std::numbers::pi;
            const double pos = a / (std::numbers::pi / 4);
            const int d0 = int(pos) % FeatureDirs;
            const int d1 = (d0 + 1) % FeatureDirs;
            const double wd = pos - std::floor(pos);
            const double fx = (x + 0.5) / cell - 0.5;
            const int cx = int(std::floor(fx));
            const double wx = fx - cx;
            for (int j = 0; j < 2; ++j) {
                const int gyc = cy + j;
                if (gyc < 0 || gyc >= FeatureGrid)
                    continue;
                const double wj = j ? wy : 1 - wy;
                for (int i = 0; i < 2; ++i) {
                    const int gxc = cx + i;
                    if (gxc < 0 || gxc >= FeatureGrid)
                        continue;
                    const double w = m * wj * (i ? wx : 1 - wx);
                    float* c = &f[size_t((gyc * FeatureGrid + gxc) * FeatureDirs)];
                    c[d0] += float(w * (1 - wd));
                    c[d1] += float(w * wd);
                }
            }
        }
    }
    // The square root evens out long and short strokes; unit length removes the ink's amount.
    double sum = 0;
    for (float& v : f) {
        v = std::sqrt(v);
        sum += double(v) * v;
    }
    if (sum > 0) {
        const float k = float(1 / std::sqrt(sum));
        for (float& v : f)
            v *= k;
    }
    return f;
}

FeatureVector InkFeatures(const Ink& ink) {
    return ImageFeatures(NormalisedInk(ink));
}
