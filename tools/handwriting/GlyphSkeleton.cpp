// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/handwriting/GlyphSkeleton.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRawFont>

namespace {

// Zhang and Suen's two-pass thinning.
void Thin(Skeleton& s) {
    const int n = s.side;
    auto p = [&](int x, int y) { return int(s.at(x, y)); };
    std::vector<size_t> remove;
    bool changed = true;
    while (changed) {
        changed = false;
        for (int pass = 0; pass < 2; ++pass) {
            remove.clear();
            for (int y = 1; y < n - 1; ++y)
                for (int x = 1; x < n - 1; ++x) {
                    if (!p(x, y))
                        continue;
                    const int nb[8] = {p(x, y - 1), p(x + 1, y - 1), p(x + 1, y), p(x + 1, y + 1),
                                       p(x, y + 1), p(x - 1, y + 1), p(x - 1, y), p(x - 1, y - 1)};
                    int count = 0;
                    int rises = 0;
                    for (int i = 0; i < 8; ++i) {
                        count += nb[i];
                        rises += !nb[i] && nb[(i + 1) % 8];
                    }
                    if (count < 2 || count > 6 || rises != 1)
                        continue;
                    const bool keep = pass == 0
                                          ? (nb[0] && nb[2] && nb[4]) || (nb[2] && nb[4] && nb[6])
                                          : (nb[0] && nb[2] && nb[6]) || (nb[0] && nb[4] && nb[6]);
                    if (keep)
                        continue;
                    remove.push_back(size_t(y * n + x));
                }
            for (size_t i : remove)
                s.on[i] = 0;
            changed = changed || !remove.empty();
        }
    }
}

} // namespace

bool Skeleton::empty() const {
    for (unsigned char c : on)
        if (c)
            return false;
    return true;
}

bool GlyphSkeleton(const QString& character, const QString& family, Skeleton* out) {
    QFont font(family);
    font.setPixelSize(GlyphSide * 7 / 8);
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid() || raw.familyName() != family || !raw.supportsCharacter(character[0]))
        return false;
    QImage image(GlyphSide, GlyphSide, QImage::Format_Grayscale8);
    image.fill(0);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(image.rect(), Qt::AlignCenter, character);
    }
    out->side = GlyphSide;
    out->on.assign(size_t(GlyphSide * GlyphSide), 0);
    for (int y = 0; y < GlyphSide; ++y)
        for (int x = 0; x < GlyphSide; ++x)
            out->on[size_t(y * GlyphSide + x)] = image.constScanLine(y)[x] >= 128;
    Thin(*out);
    return !out->empty();
}

Ink SkeletonSegments(const Skeleton& s) {
    Ink ink;
    for (int y = 0; y < s.side; ++y)
        for (int x = 0; x < s.side; ++x) {
            if (!s.at(x, y))
                continue;
            bool joined = false;
            for (const auto& [dx, dy] : {std::pair{1, 0}, {1, 1}, {0, 1}, {-1, 1}})
                if (s.at(x + dx, y + dy)) {
                    ink << Stroke{QPointF(x, y), QPointF(x + dx, y + dy)};
                    joined = true;
                }
            const bool above =
                s.at(x - 1, y) || s.at(x - 1, y - 1) || s.at(x, y - 1) || s.at(x + 1, y - 1);
            if (!joined && !above)
                ink << Stroke{QPointF(x, y)};
        }
    return ink;
}
