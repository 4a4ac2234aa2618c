#include "Animations.h"

#include "AssetList.h"
#include "AviWriter.h"
#include "Pictures.h"

#include "platform/WmfPicture.h"

#include <QDir>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

const QColor Navy(0, 0, 128);
const QColor Aqua(0, 255, 255);
const int W = AssetList::AnimationSize.width();
const int H = AssetList::AnimationSize.height();

QFont kanjiFont(int px, bool bold = true)
{
    QFont f(QStringLiteral("IPAGothic"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

void kanji(QPainter& p, const QRectF& r, const QString& text, const QColor& color, int px)
{
    p.setFont(kanjiFont(px));
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

double ease(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3 - 2 * x);
}

double phase(int f, int from, int to) { return std::clamp(double(f - from) / double(to - from), 0.0, 1.0); }

QPointF lerp(QPointF a, QPointF b, double t) { return a + (b - a) * t; }

void starShape(QPainter& p, QPointF c, double outer, const QColor& fill, const QColor& edge, double turn = 0)
{
    QPolygonF poly;
    for (int i = 0; i < 10; ++i) {
        const double a = qDegreesToRadians(-90 + turn + i * 36.0);
        const double r = i % 2 ? outer * 0.42 : outer;
        poly << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    p.setPen(QPen(edge, 1));
    p.setBrush(fill);
    p.drawPolygon(poly);
}

void burst(QPainter& p, QPointF c, double size, double t)
{
    // A hit: a yellow star that grows and fades, with sparks flying out.
    const double alpha = 1.0 - t;
    p.save();
    p.setOpacity(std::max(0.0, alpha));
    starShape(p, c, size * (0.6 + 0.6 * t), QColor(255, 230, 60), QColor(255, 120, 0), t * 40);
    for (int i = 0; i < 6; ++i) {
        const double a = qDegreesToRadians(i * 60.0 + 15);
        const QPointF s = c + QPointF(std::cos(a), std::sin(a)) * size * (0.8 + 1.4 * t);
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? QColor(255, 140, 40) : QColor(255, 255, 200));
        p.drawEllipse(s, 2.2, 2.2);
    }
    p.restore();
}

QImage popPicture(int n, int side)
{
    WmfPicture pic;
    pic.loadFromData(Pictures::popMetafile(n));
    return pic.render(QSize(side, side));
}

QImage canvas(const QColor& background)
{
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(background);
    return img;
}

// A soft vertical gradient background.
void sky(QPainter& p, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(0, 0, 0, H);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(QRect(0, 0, W, H), g);
}

// The program's hand cursor, small: a pointing finger, pressed while clicking.
void pointer(QPainter& p, QPointF tip, bool pressed)
{
    p.save();
    p.translate(tip + QPointF(pressed ? 1 : 0, pressed ? 1 : 0));
    QPainterPath hand;
    hand.moveTo(0, 0);
    hand.cubicTo(2, -1, 4, 0, 4, 2);
    hand.lineTo(4, 7);
    hand.cubicTo(6, 6, 8, 6, 9, 8);
    hand.cubicTo(11, 7, 13, 8, 13, 10);
    hand.cubicTo(15, 9, 17, 10, 17, 13);
    hand.lineTo(17, 18);
    hand.cubicTo(17, 22, 14, 24, 10, 24);
    hand.lineTo(6, 24);
    hand.cubicTo(3, 24, 1, 21, -2, 17);
    hand.lineTo(-4, 13);
    hand.cubicTo(-4, 11, -2, 11, 0, 13);
    hand.closeSubpath();
    p.scale(0.8, 0.8);
    p.setPen(QPen(QColor(40, 30, 30), 1.2));
    p.setBrush(QColor(255, 250, 240));
    p.drawPath(hand);
    p.restore();
}

// ---------------------------------------------------------------- 1: cards turning over

std::vector<QImage> matching(int count)
{
    const int cols = 4, rows = 2, cw = 34, ch = 44;
    const int gapX = (W - cols * cw) / (cols + 1), gapY = (H - rows * ch) / (rows + 1);
    const QString faces[] = {QStringLiteral("山"), QStringLiteral("川"), QStringLiteral("山"), QStringLiteral("目"),
                             QStringLiteral("花"), QStringLiteral("目"), QStringLiteral("川"), QStringLiteral("花")};
    QImage backs[8];
    for (int i = 0; i < 8; ++i)
        backs[i] = popPicture(1 + (i * 3) % 10, 28);
    // Two pairs are found in turn: cards 0 and 2 (山), then 3 and 5 (目).
    struct Turn {
        int card;
        int from;
    };
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
            const QRectF r(gapX + (i % cols) * (cw + gapX), gapY + (i / cols) * (ch + gapY), cw, ch);
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
                p.drawImage(QRectF(-14, -14, 28, 28), backs[i]);
                p.restore();
            }
            if ((i == pairA || i == pairB) && local >= 9 && local < 15)
                burst(p, r.topLeft() + QPointF(cw - 3, 3), 5, phase(local, 9, 15));
        }
        // The player's pointer: from where it rested to each card in turn, then aside.
        auto cardCentre = [&](int i) {
            return QPointF(gapX + (i % cols) * (cw + gapX) + cw * 0.6, gapY + (i / cols) * (ch + gapY) + ch * 0.7);
        };
        const QPointF restA(10, 98), restB(170, 98);
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

std::vector<QImage> guessing(int count)
{
    const QRectF board(12, 10, 100, 100);
    const int n = 4;
    const int order[] = {5, 10, 0, 15, 6, 3, 12, 9, 1, 14, 7, 8, 2, 13, 4, 11};
    std::vector<QImage> out;
    for (int f = 0; f < count; ++f) {
        QImage img = canvas(Qt::white);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        sky(p, QColor(120, 200, 250), QColor(200, 235, 255));
        p.fillRect(board, QColor(255, 250, 235));
        kanji(p, board, QStringLiteral("花"), QColor(200, 30, 60), 84);
        const int opened = f < 24 ? f / 2 : (f < 32 ? 16 : 16 - (f - 31) * 4);
        for (int k = std::max(0, opened); k < 16; ++k) {
            const int c = order[k] % n, r = order[k] / n;
            const QRectF cell(board.left() + c * 25, board.top() + r * 25, 25, 25);
            p.setPen(QPen(QColor(20, 60, 140), 1));
            p.setBrush((c + r) % 2 ? QColor(60, 120, 220) : QColor(80, 145, 235));
            p.drawRect(cell);
            p.setFont(kanjiFont(14));
            p.setPen(QColor(200, 225, 255));
            p.drawText(cell, Qt::AlignCenter, QStringLiteral("?"));
        }
        // The cell being opened shrinks away.
        if (f < 24 && f % 2 == 1 && opened < 16) {
            const int c = order[opened] % n, r = order[opened] / n;
            const QRectF cell(board.left() + c * 25, board.top() + r * 25, 25, 25);
            p.fillRect(cell, QColor(255, 250, 235));
            kanji(p, board, QString(), Qt::black, 10);
            p.save();
            p.setClipRect(cell);
            kanji(p, board, QStringLiteral("花"), QColor(200, 30, 60), 84);
            p.restore();
            p.setPen(QPen(QColor(20, 60, 140), 1));
            p.setBrush(QColor(60, 120, 220));
            p.drawRect(cell.adjusted(6, 6, -6, -6));
        }
        p.setPen(QPen(QColor(30, 60, 120), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(board);
        // The answer box on the right.
        const QRectF answer(126, 30, 48, 48);
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
        p.drawText(QRectF(118, 84, 64, 16), Qt::AlignCenter, QStringLiteral("なにかな？"));
        out.push_back(img);
    }
    return out;
}

// ---------------------------------------------------------------- 3: tiles shuffling into a kanji

std::vector<QImage> shuffle(int count)
{
    const QRectF board(14, 12, 96, 96);
    const double tile = 32;
    QImage picture(96, 96, QImage::Format_RGB32);
    {
        picture.fill(QColor(255, 250, 230));
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 96, 96);
        g.setColorAt(0, QColor(230, 245, 255));
        g.setColorAt(1, QColor(190, 225, 255));
        p.fillRect(picture.rect(), g);
        kanji(p, QRectF(0, 0, 96, 96), QStringLiteral("水"), QColor(20, 80, 200), 84);
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
            const QRectF src((t % 3) * tile, (t / 3) * tile, tile, tile);
            p.drawImage(QRectF(at, QSizeF(tile, tile)), picture, src);
            const bool settled = t < step;
            p.setPen(QPen(settled ? QColor(255, 210, 0) : QColor(120, 70, 30), settled ? 1.5 : 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(at, QSizeF(tile, tile)).adjusted(0.5, 0.5, -0.5, -0.5));
        }
        if (f >= 27)
            burst(p, board.center(), 20, phase(f, 27, count - 1));
        // The progress on the right: settled tiles as little lamps.
        p.setFont(kanjiFont(11));
        p.setPen(QColor(110, 50, 10));
        p.drawText(QRectF(118, 14, 64, 16), Qt::AlignCenter, QStringLiteral("シャッフル"));
        for (int i = 0; i < 9; ++i) {
            p.setPen(QPen(QColor(110, 50, 10), 1));
            p.setBrush(i < step ? QColor(255, 230, 60) : QColor(255, 240, 210));
            p.drawEllipse(QPointF(130 + (i % 3) * 20, 48 + (i / 3) * 20), 6, 6);
        }
        out.push_back(img);
    }
    return out;
}

// ---------------------------------------------------------------- 4: jigsaw pieces

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

std::vector<QImage> jigsaw(int count)
{
    const double side = 42;
    const QPointF board(14, 18);
    QImage picture(84, 84, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 0, 84);
        g.setColorAt(0, QColor(200, 240, 190));
        g.setColorAt(1, QColor(150, 210, 140));
        p.fillRect(picture.rect(), g);
        kanji(p, QRectF(0, 0, 84, 84), QStringLiteral("木"), QColor(40, 110, 30), 74);
    }
    const QPointF tray[] = {QPointF(118, 6), QPointF(146, 34), QPointF(116, 66), QPointF(146, 76)};
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
            p.drawText(QRectF(110, 88, 72, 20), Qt::AlignCenter, QStringLiteral("できた！"));
        }
        out.push_back(img);
    }
    return out;
}

// ---------------------------------------------------------------- 5: shooting down a character

void launcher(QPainter& p, double x, double y, double recoil)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 40, 40));
    p.drawRect(QRectF(x - 18, y + recoil, 36, 12));
    p.setBrush(QColor(200, 20, 20));
    p.drawRect(QRectF(x - 4, y - 6 + recoil, 8, 8));
}

void bullet(QPainter& p, QPointF at)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 140, 30));
    p.drawEllipse(QRectF(at.x() - 2, at.y() + 6, 4, 6));
    p.setBrush(QColor(255, 210, 60));
    p.drawRoundedRect(QRectF(at.x() - 3, at.y() - 6, 6, 12), 3, 3);
    p.setBrush(QColor(230, 40, 50));
    p.drawChord(QRectF(at.x() - 3, at.y() - 8, 6, 6), 0, 180 * 16);
}

void nightStars(QPainter& p, int f)
{
    const QPoint stars[] = {{12, 50}, {40, 80}, {70, 60}, {150, 70}, {170, 40}, {110, 90}, {25, 100}, {160, 95}};
    for (int i = 0; i < 8; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 200, (i + f) % 5 == 0 ? 255 : 130));
        p.drawEllipse(QPointF(stars[i]), 1, 1);
    }
}

std::vector<QImage> shooting(int count)
{
    // The top lane carries the answer, shot as it reaches the middle; the faster lane below
    // carries another character past. Each lane moves on by exactly one spacing per loop.
    const QString texts[] = {QStringLiteral("木")};
    const double speed = 60.0 / count;  // one character passes a slot's width per loop
    const double hitX = 92;
    std::vector<QImage> out;
    for (int f = 0; f < count; ++f) {
        QImage img = canvas(Navy);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        nightStars(p, f);
        // The characters march left along the top; the one reaching the middle is shot down.
        const int hitFrame = 18;
        for (int k = -1; k < 5; ++k) {
            const double x = hitX + (k * 60) - speed * (f - hitFrame);
            const bool gone = x < hitX - 0.01;
            if (gone)
                continue;
            p.fillRect(QRectF(x - 14, 8, 28, 28), QColor(0, 0, 110));
            kanji(p, QRectF(x - 14, 8, 28, 28), texts[0], Aqua, 22);
        }
        // A faster lane below; a bomb drops from one of its characters now and then.
        for (int k = 0; k < 2; ++k) {
            const double x = std::fmod(30 + k * 120 - 2 * speed * f + 600, 240.0) - 30;
            p.fillRect(QRectF(x - 12, 44, 24, 24), QColor(0, 0, 110));
            kanji(p, QRectF(x - 12, 44, 24, 24), QStringLiteral("林"), Aqua, 18);
        }
        {
            const double bombX = 150 - 2 * speed * std::min(f, 4);
            const double bombY = 70 + 45 * phase(f, 4, 24);
            if (f >= 4 && f < 24) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(50, 50, 60));
                p.drawEllipse(QPointF(bombX, bombY), 3.5, 3.5);
                p.setBrush(QColor(255, 150, 40));
                p.drawEllipse(QPointF(bombX + 2, bombY - 4), 1.5, 1.5);
            }
        }
        if (f >= hitFrame && f < hitFrame + 7)
            burst(p, QPointF(hitX, 22), 10, phase(f, hitFrame, hitFrame + 7));
        // The shot: fired eight frames before the hit.
        const int fire = hitFrame - 8;
        if (f >= fire && f < hitFrame) {
            const double y = 96 - (96 - 30) * double(f - fire) / 8.0;
            bullet(p, QPointF(hitX, y));
        }
        launcher(p, hitX, 104, f == fire || f == fire + 1 ? 2 : 0);
        p.fillRect(QRectF(0, 116, W, 4), QColor(40, 40, 160));
        out.push_back(img);
    }
    return out;
}

// ---------------------------------------------------------------- 6: whack-a-mole

void hole(QPainter& p, QPointF c, double scale)
{
    p.save();
    p.translate(c);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 90, 45));
    p.drawEllipse(QRectF(-30, -14, 60, 28));
    p.setBrush(QColor(175, 120, 60));
    p.drawEllipse(QRectF(-27, -13, 54, 22));
    p.setBrush(QColor(50, 28, 14));
    p.drawEllipse(QRectF(-19, -9, 38, 14));
    p.restore();
}

std::vector<QImage> whack(int count)
{
    std::vector<QImage> out;
    const QPointF holes[] = {QPointF(36, 96), QPointF(92, 96), QPointF(148, 96)};
    for (int f = 0; f < count; ++f) {
        QImage img = canvas(Navy);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        for (const QPointF& h : holes)
            hole(p, h, 0.95);
        // The character rises from the middle hole, is hit, and sinks again.
        const double rise = ease(phase(f, 1, 7)) - ease(phase(f, 22, 28));
        const QPointF h = holes[1];
        const double top = h.y() - 2 - 44 * rise;
        p.save();
        p.setClipRect(QRectF(0, 0, W, h.y() + 1));
        const bool hit = f >= 14 && f < 22;
        const QRectF face(h.x() - 20, top, 40, 40);
        p.setPen(Qt::NoPen);
        p.setBrush(hit ? QColor(0, 0, 90) : QColor(0, 0, 150));
        p.drawRoundedRect(face, 6, 6);
        kanji(p, face, QStringLiteral("目"), hit ? QColor(255, 230, 80) : Aqua, 30);
        p.restore();
        // The side holes peek once, small.
        const double peek = std::sin(M_PI * phase(f, 8, 20));
        p.save();
        p.setClipRect(QRectF(0, 0, W, holes[2].y() + 1));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 150));
        p.drawRoundedRect(QRectF(holes[2].x() - 16, holes[2].y() - 2 - 18 * peek, 32, 32), 5, 5);
        kanji(p, QRectF(holes[2].x() - 16, holes[2].y() - 2 - 18 * peek, 32, 32), QStringLiteral("耳"), Aqua, 24);
        p.restore();
        // The hammer swings down on frame 14.
        double angle = 40;
        if (f >= 8 && f < 14)
            angle = 40 - 95 * ease(phase(f, 8, 13));
        else if (f >= 14 && f < 20)
            angle = -55 + 95 * ease(phase(f, 15, 20));
        p.save();
        p.translate(150, 44);
        p.rotate(angle);
        p.setPen(QPen(QColor(90, 50, 20), 1));
        p.setBrush(QColor(200, 140, 70));
        p.drawRect(QRectF(-60, -3, 60, 6));
        p.setBrush(QColor(230, 50, 50));
        p.drawRoundedRect(QRectF(-72, -12, 18, 24), 4, 4);
        p.setBrush(QColor(255, 120, 120));
        p.drawRect(QRectF(-70, -10, 4, 20));
        p.restore();
        if (hit)
            burst(p, QPointF(h.x(), top + 4), 12, phase(f, 14, 22));
        out.push_back(img);
    }
    return out;
}

// ---------------------------------------------------------------- 7: catching a falling character

std::vector<QImage> catcher(int count)
{
    std::vector<QImage> out;
    const double targetX = 126;
    const int catchFrame = 22;
    for (int f = 0; f < count; ++f) {
        QImage img = canvas(Navy);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        nightStars(p, f);
        // Things that drift down all the time: a star and two other characters.
        const double fall = 150.0 / count;
        struct Drop {
            double x;
            double y0;
            int kind;
        };
        const Drop drops[] = {{30, 10, 0}, {70, 80, 1}, {160, 40, 2}};
        for (const Drop& d : drops) {
            const double y = std::fmod(d.y0 + fall * f, 150.0) - 30;
            if (d.kind == 0)
                starShape(p, QPointF(d.x, y + 12), 11, QColor(255, 215, 30), QColor(220, 120, 0));
            else
                kanji(p, QRectF(d.x - 14, y, 28, 28), d.kind == 1 ? QStringLiteral("口") : QStringLiteral("日"), Aqua, 22);
        }
        // The right character falls straight into the catcher.
        if (f < catchFrame) {
            const double y = -24 + (96 - 24 + 24) * double(f) / catchFrame;
            p.fillRect(QRectF(targetX - 14, y, 28, 28), QColor(0, 0, 110));
            kanji(p, QRectF(targetX - 14, y, 28, 28), QStringLiteral("火"), QColor(255, 230, 80), 22);
        }
        // The catcher slides under it, then back to where it started.
        const double cx = 50 + (targetX - 50) * (ease(phase(f, 2, 16)) - ease(phase(f, 24, count - 1)));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 40, 40));
        p.drawRect(QRectF(cx - 20, 106, 40, 12));
        if (f >= catchFrame && f < catchFrame + 7) {
            burst(p, QPointF(targetX, 100), 10, phase(f, catchFrame, catchFrame + 7));
            p.setFont(kanjiFont(12));
            p.setPen(QColor(255, 255, 150));
            p.drawText(QRectF(targetX - 30, 70 - (f - catchFrame) * 2, 60, 16), Qt::AlignCenter, QStringLiteral("キャッチ！"));
        }
        out.push_back(img);
    }
    return out;
}

}  // namespace

std::vector<QImage> Animations::frames(int game)
{
    if (game < 1 || game > 7)
        return {};
    const int count = AssetList::Animations[game - 1].frames;
    switch (game) {
    case 1: return matching(count);
    case 2: return guessing(count);
    case 3: return shuffle(count);
    case 4: return jigsaw(count);
    case 5: return shooting(count);
    case 6: return whack(count);
    default: return catcher(count);
    }
}

QStringList Animations::writeAll(const QString& dir)
{
    QStringList written;
    for (int game = 1; game <= 7; ++game) {
        const QString name = QString::fromLatin1(AssetList::Animations[game - 1].name);
        if (!AviWriter::save(QDir(dir).filePath(name), frames(game), AssetList::AnimationRate))
            return {};
        written << name;
    }
    return written;
}
