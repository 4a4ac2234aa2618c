// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/Blit.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {
constexpr QRgb White = 0xFFFFFFFFu;

QRect clipped(const QImage& img, const QRect& r) { return r.intersected(img.rect()); }
}  // namespace

QRect BlitTransparent(QImage& dst, const QImage& src, int x, int y)
{
    const QRect area = clipped(dst, QRect(x, y, src.width(), src.height()));
    if (area.isEmpty())
        return {};
    for (int row = area.top(); row <= area.bottom(); ++row) {
        auto* out = reinterpret_cast<QRgb*>(dst.scanLine(row));
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(row - y));
        for (int col = area.left(); col <= area.right(); ++col) {
            const QRgb px = in[col - x] | 0xFF000000u;
            if (px != White)
                out[col] = px;
        }
    }
    return area;
}

void CopyRect(QImage& dst, const QImage& src, const QRect& r) { CopyRectTo(dst, r.x(), r.y(), src, r); }

void CopyRectTo(QImage& dst, int dx, int dy, const QImage& src, const QRect& r)
{
    QRect from = clipped(src, r);
    // Keep the destination inside too, moving the source window with it.
    QRect to = clipped(dst, from.translated(dx - r.x(), dy - r.y()));
    if (to.isEmpty())
        return;
    from = to.translated(r.x() - dx, r.y() - dy);
    const std::size_t bytes = static_cast<std::size_t>(to.width()) * sizeof(QRgb);
    for (int i = 0; i < to.height(); ++i) {
        auto* out = reinterpret_cast<QRgb*>(dst.scanLine(to.top() + i)) + to.left();
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(from.top() + i)) + from.left();
        std::memcpy(out, in, bytes);
    }
}

void FillRect(QImage& dst, const QRect& r, QRgb colour)
{
    const QRect area = clipped(dst, r);
    if (area.isEmpty())
        return;
    for (int row = area.top(); row <= area.bottom(); ++row) {
        auto* out = reinterpret_cast<QRgb*>(dst.scanLine(row)) + area.left();
        std::fill(out, out + area.width(), colour | 0xFF000000u);
    }
}

void BlitTopRows(QImage& dst, const QImage& src, int rows, int x, int y)
{
    rows = std::clamp(rows, 0, src.height());
    const QRect area = clipped(dst, QRect(x, y, src.width(), rows));
    for (int row = area.top(); row <= area.bottom() && !area.isEmpty(); ++row) {
        auto* out = reinterpret_cast<QRgb*>(dst.scanLine(row));
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(row - y));
        for (int col = area.left(); col <= area.right(); ++col) {
            const QRgb px = in[col - x] | 0xFF000000u;
            if (px != White)
                out[col] = px;
        }
    }
}

void FloodFillBlack(QImage& img, int x, int y, QRgb colour)
{
    constexpr QRgb Black = 0xFF000000u;
    if (!img.rect().contains(x, y) || (img.pixel(x, y) | 0xFF000000u) != Black)
        return;
    std::vector<QPoint> todo{{x, y}};
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        if (!img.rect().contains(p) || (img.pixel(p) | 0xFF000000u) != Black)
            continue;
        img.setPixel(p, colour);
        todo.push_back({p.x() + 1, p.y()});
        todo.push_back({p.x() - 1, p.y()});
        todo.push_back({p.x(), p.y() + 1});
        todo.push_back({p.x(), p.y() - 1});
    }
}
