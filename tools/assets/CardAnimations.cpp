// SPDX-License-Identifier: GPL-3.0-or-later
#include "Animations.h"

#include "AnimationKit.h"

#include <array>

using namespace AnimationKit;

// ---------------------------------------------------------------- 1: cards turning over

std::vector<QImage> Animations::matching(int count)
{
    const int cols = 4, rows = 2, cw = 30, ch = 44;
    const int gapX = (SafeWidth - cols * cw) / (cols + 1), gapY = (H - rows * ch) / (rows + 1);
    const QString faces[] = {QStringLiteral("山"), QStringLiteral("川"), QStringLiteral("山"), QStringLiteral("目"),
                             QStringLiteral("花"), QStringLiteral("目"), QStringLiteral("川"), QStringLiteral("花")};
    QImage backs[8];
    for (int i = 0; i < 8; ++i)
        backs[i] = popPicture(1 + (i * 3) % 10, 24);
    // Two pairs are found in turn: cards 0 and 2 (山), then 3 and 5 (目).
    std::vector<QImage> out;
    for (int f = 0; f < count; ++f) {
        QImage img = canvas(QColor(30, 120, 70));
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient g(W / 2.0, H / 2.0, W * 0.7);
        g.setColorAt(0, QColor(50, 150, 90));
        g.setColorAt(1, QColor(20, 90, 55));
        p.fillRect(img.rect(), g);
        const int half = count / 2;
        const int local = f % half;
        const int pairA = f < half ? 0 : 3, pairB = f < half ? 2 : 5;
        for (int i = 0; i < 8; ++i) {
            const QRectF r(SafeLeft + gapX + (i % cols) * (cw + gapX), gapY + (i / cols) * (ch + gapY), cw, ch);
            // Turning: 0 face down .. 1 face up; open after a beat, back again at the end.
            double u = 0;
            if (i == pairA)
                u = phase(local, 2, 5) - phase(local, 15, 18);
            if (i == pairB)
                u = phase(local, 6, 9) - phase(local, 15, 18);
            const double scale = std::abs(std::cos(u * M_PI));
            const bool faceUp = u > 0.5;
            const QRectF shown(r.center().x() - r.width() * scale / 2, r.top(), r.width() * scale, r.height());
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 60));
            p.drawRoundedRect(shown.translated(2, 2), 3, 3);
            if (faceUp) {
                const bool matched = (i == pairA || i == pairB) && local >= 9 && local < 15;
                p.setBrush(QColor(255, 252, 235));
                p.setPen(QPen(matched ? QColor(255, 200, 0) : QColor(120, 100, 80), matched ? 2.5 : 1));
                p.drawRoundedRect(shown, 3, 3);
                p.save();
                p.translate(shown.center());
                p.scale(scale, 1);
                kanji(p, QRectF(-cw / 2.0, -ch / 2.0, cw, ch), faces[i], QColor(40, 30, 30), 24);
                p.restore();
            } else {
                p.setBrush(Navy);
                p.setPen(QPen(Qt::white, 1.5));
                p.drawRoundedRect(shown, 3, 3);
                p.save();
                p.translate(shown.center());
                p.scale(scale, 1);
                p.drawImage(QRectF(-12, -12, 24, 24), backs[i]);
                p.restore();
            }
            if ((i == pairA || i == pairB) && local >= 9 && local < 15)
                burst(p, r.topLeft() + QPointF(cw - 3, 3), 5, phase(local, 9, 15));
        }
        // The player's pointer: from where it rested to each card in turn, then aside.
        auto cardCentre = [&](int i) {
            return QPointF(SafeLeft + gapX + (i % cols) * (cw + gapX) + cw * 0.6, gapY + (i / cols) * (ch + gapY) + ch * 0.7);
        };
        const QPointF restA(SafeLeft + 4, 98), restB(SafeLeft + SafeWidth - 8, 98);
        const QPointF from = f < half ? restA : restB, to = f < half ? restB : restA;
        QPointF hand;
        if (local < 2)
            hand = lerp(from, cardCentre(pairA), ease(phase(local, 0, 2)));
        else if (local < 6)
            hand = lerp(cardCentre(pairA), cardCentre(pairB), ease(phase(local, 3, 6)));
        else
            hand = lerp(cardCentre(pairB), to, ease(phase(local, 12, half - 1)));
        pointer(p, hand, local == 2 || local == 6);
        out.push_back(img);
    }
    return out;
}

// ---------------------------------------------------------------- 2: cells opening on a kanji

std::vector<QImage> Animations::guessing(int count)
{
    const QRectF board(SafeLeft + 2, 14, 84, 84);
    const double cellSide = 21;
    const int n = 4;
    const int order[] = {5, 10, 0, 15, 6, 3, 12, 9, 1, 14, 7, 8, 2, 13, 4, 11};
    std::vector<QImage> out;
    for (int f = 0; f < count; ++f) {
        QImage img = canvas(Qt::white);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        sky(p, QColor(120, 200, 250), QColor(200, 235, 255));
        p.fillRect(board, QColor(255, 250, 235));
        kanji(p, board, QStringLiteral("花"), QColor(200, 30, 60), 72);
        const int opened = f < 24 ? f / 2 : (f < 32 ? 16 : 16 - (f - 31) * 4);
        for (int k = std::max(0, opened); k < 16; ++k) {
            const int c = order[k] % n, r = order[k] / n;
            const QRectF cell(board.left() + c * cellSide, board.top() + r * cellSide, cellSide, cellSide);
            p.setPen(QPen(QColor(20, 60, 140), 1));
            p.setBrush((c + r) % 2 ? QColor(60, 120, 220) : QColor(80, 145, 235));
            p.drawRect(cell);
            p.setFont(kanjiFont(12));
            p.setPen(QColor(200, 225, 255));
            p.drawText(cell, Qt::AlignCenter, QStringLiteral("?"));
        }
        // The cell being opened shrinks away.
        if (f < 24 && f % 2 == 1 && opened < 16) {
            const int c = order[opened] % n, r = order[opened] / n;
            const QRectF cell(board.left() + c * cellSide, board.top() + r * cellSide, cellSide, cellSide);
            p.fillRect(cell, QColor(255, 250, 235));
            p.save();
            p.setClipRect(cell);
            kanji(p, board, QStringLiteral("花"), QColor(200, 30, 60), 72);
            p.restore();
            p.setPen(QPen(QColor(20, 60, 140), 1));
            p.setBrush(QColor(60, 120, 220));
            p.drawRect(cell.adjusted(5, 5, -5, -5));
        }
        p.setPen(QPen(QColor(30, 60, 120), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(board);
        // The answer box on the right.
        const QRectF answer(114, 26, 44, 44);
        p.setPen(QPen(QColor(30, 60, 120), 2));
        p.setBrush(QColor(255, 255, 240));
        p.drawRoundedRect(answer, 6, 6);
        if (f >= 24 && f < 32) {
            kanji(p, answer, QStringLiteral("花"), QColor(200, 30, 60), 36);
            burst(p, answer.topRight(), 8, phase(f, 24, 31));
        } else {
            kanji(p, answer, QStringLiteral("?"), QColor(30, 60, 120), 32 + (f % 6 < 3 ? 0 : 2));
        }
        p.setFont(kanjiFont(11));
        p.setPen(QColor(30, 60, 120));
        p.drawText(QRectF(104, 78, 64, 16), Qt::AlignCenter, QStringLiteral("なにかな？"));
        out.push_back(img);
    }
    return out;
}

// ---------------------------------------------------------------- 3: tiles shuffling into a kanji

std::vector<QImage> Animations::shuffle(int count)
{
    const QRectF board(SafeLeft, 15, 90, 90);
    const double tile = 30;
    QImage picture = layer(90, 90, QImage::Format_RGB32);
    {
        picture.fill(QColor(255, 250, 230));
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 90, 90);
        g.setColorAt(0, QColor(230, 245, 255));
        g.setColorAt(1, QColor(190, 225, 255));
        p.fillRect(picture.rect(), g);
        kanji(p, QRectF(0, 0, 90, 90), QStringLiteral("水"), QColor(20, 80, 200), 78);
    }
    // Slot of each tile at each step: settled tiles keep their own slot, the rest are dealt again.
    const int steps = 10;
    std::vector<std::array<int, 9>> plan;
    unsigned seed = 7;
    for (int s = 0; s < steps; ++s) {
        std::array<int, 9> at{};
        std::vector<int> freeSlots;
        for (int t = 0; t < 9; ++t)
            if (t < s)
                at[size_t(t)] = t;
            else
                freeSlots.push_back(t);
        for (size_t i = freeSlots.size(); i > 1; --i) {
            seed = seed * 1103515245u + 12345u;
            std::swap(freeSlots[i - 1], freeSlots[(seed >> 16) % i]);
        }
        size_t k = 0;
        for (int t = s; t < 9; ++t)
            at[size_t(t)] = freeSlots[k++];
        plan.push_back(at);
    }
    std::vector<QImage> out;
    for (int f = 0; f < count; ++f) {
        QImage img = canvas(QColor(255, 200, 120));
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        sky(p, QColor(255, 215, 140), QColor(255, 170, 90));
        p.fillRect(board.adjusted(-3, -3, 3, 3), QColor(140, 80, 30));
        // Every 3 frames one more tile settles; between steps the others slide to their new places.
        const int step = std::min(f / 3, steps - 1);
        const double slide = ease(double(f % 3) / 2.0);
        const auto& now = plan[size_t(step)];
        const auto& next = plan[size_t(std::min(step + 1, steps - 1))];
        for (int t = 0; t < 9; ++t) {
            const QPointF a(board.left() + (now[size_t(t)] % 3) * tile, board.top() + (now[size_t(t)] / 3) * tile);
            const QPointF b(board.left() + (next[size_t(t)] % 3) * tile, board.top() + (next[size_t(t)] / 3) * tile);
            const QPointF at = f / 3 >= steps - 1 ? a : lerp(a, b, slide);
            const qreal px = picture.devicePixelRatio(); // the source counts the picture's pixels
            const QRectF src((t % 3) * tile * px, (t / 3) * tile * px, tile * px, tile * px);
            p.drawImage(QRectF(at, QSizeF(tile, tile)), picture, src);
            const bool settled = t < step;
            p.setPen(QPen(settled ? QColor(255, 210, 0) : QColor(120, 70, 30), settled ? 1.5 : 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(at, QSizeF(tile, tile)).adjusted(0.5, 0.5, -0.5, -0.5));
        }
        if (f >= 27)
            burst(p, board.center(), 20, phase(f, 27, count - 1));
        // The progress on the right: settled tiles as little lamps.
        p.setFont(kanjiFont(10));
        p.setPen(QColor(110, 50, 10));
        p.drawText(QRectF(108, 16, 60, 16), Qt::AlignCenter, QStringLiteral("シャッフル"));
        for (int i = 0; i < 9; ++i) {
            p.setPen(QPen(QColor(110, 50, 10), 1));
            p.setBrush(i < step ? QColor(255, 230, 60) : QColor(255, 240, 210));
            p.drawEllipse(QPointF(120 + (i % 3) * 18, 48 + (i / 3) * 18), 6, 6);
        }
        out.push_back(img);
    }
    return out;
}

// ---------------------------------------------------------------- 4: jigsaw pieces

namespace {

QPainterPath piecePath(int c, int r, double side)
{
    // Tabs join the pieces: out on the right and bottom of the first column and row.
    const double t = side * 0.16;
    const int right = c == 0 ? 1 : 0, left = c == 1 ? -1 : 0, bottom = r == 0 ? 1 : 0, top = r == 1 ? -1 : 0;
    QPainterPath p;
    p.moveTo(0, 0);
    auto edge = [&](QPointF a, QPointF b, int bump) {
        if (bump == 0) {
            p.lineTo(b);
            return;
        }
        const QPointF d = (b - a) / side;          // unit along the edge
        const QPointF n(d.y(), -d.x());            // outward normal for a clockwise walk
        const QPointF m = (a + b) / 2;
        p.lineTo(m - d * t);
        p.cubicTo(m - d * t + n * (bump * t * 1.6), m + d * t + n * (bump * t * 1.6), m + d * t);
        p.lineTo(b);
    };
    edge(QPointF(0, 0), QPointF(side, 0), top);
    edge(QPointF(side, 0), QPointF(side, side), right);
    edge(QPointF(side, side), QPointF(0, side), bottom);
    edge(QPointF(0, side), QPointF(0, 0), left);
    p.closeSubpath();
    return p;
}

}  // namespace

std::vector<QImage> Animations::jigsaw(int count)
{
    const double side = 40;
    const QPointF board(SafeLeft + 2, 20);
    QImage picture = layer(80, 80, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 0, 80);
        g.setColorAt(0, QColor(200, 240, 190));
        g.setColorAt(1, QColor(150, 210, 140));
        p.fillRect(picture.rect(), g);
        kanji(p, QRectF(0, 0, 80, 80), QStringLiteral("木"), QColor(40, 110, 30), 70);
    }
    const QPointF tray[] = {QPointF(108, 8), QPointF(134, 30), QPointF(106, 62), QPointF(132, 80)};
    const int order[] = {0, 3, 1, 2};
    std::vector<QImage> out;
    for (int f = 0; f < count; ++f) {
        QImage img = canvas(QColor(200, 190, 240));
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        sky(p, QColor(215, 205, 250), QColor(175, 160, 230));
        p.setPen(QPen(QColor(120, 100, 180), 1, Qt::DashLine));
        p.setBrush(QColor(235, 230, 255));
        p.drawRect(QRectF(board, QSizeF(2 * side, 2 * side)));
        for (int k = 0; k < 4; ++k) {
            const int piece = order[k];
            const int c = piece % 2, r = piece / 2;
            const double u = ease(phase(f, 2 + 6 * k, 7 + 6 * k));
            const QPointF home = board + QPointF(c * side, r * side);
            const QPointF at = lerp(tray[piece], home, u);
            const double lift = std::sin(u * M_PI) * 4;
            QPainterPath path = piecePath(c, r, side);
            p.save();
            p.translate(at + QPointF(0, -lift));
            const double size = 0.7 + 0.3 * u;  // pieces wait small in the tray
            p.scale(size, size);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 50));
            p.drawPath(path.translated(2, 2 + lift));
            p.setClipPath(path);
            p.drawImage(QPointF(-c * side, -r * side), picture);
            p.setClipping(false);
            p.setPen(QPen(u >= 1 ? QColor(90, 120, 80) : QColor(80, 60, 140), 1));
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
            p.restore();
            if (f >= 7 + 6 * k && f < 11 + 6 * k)
                burst(p, home + QPointF(side / 2, side / 2), 8, phase(f, 7 + 6 * k, 11 + 6 * k));
        }
        if (f >= 26) {
            p.setFont(kanjiFont(13));
            p.setPen(QColor(200, 40, 120));
            p.drawText(QRectF(100, 96, 68, 20), Qt::AlignCenter, QStringLiteral("できた！"));
        }
        out.push_back(img);
    }
    return out;
}
