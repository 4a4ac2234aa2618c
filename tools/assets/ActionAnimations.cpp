// SPDX-License-Identifier: GPL-3.0-or-later
#include "Animations.h"

#include "AnimationKit.h"

using namespace AnimationKit;

// ---------------------------------------------------------------- 5: shooting down a character

namespace {

void launcher(QPainter& p, double x, double y, double recoil)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 40, 40));
    p.drawRect(QRectF(x - 18, y + recoil, 36, 12));
    p.setBrush(QColor(200, 20, 20));
    p.drawRect(QRectF(x - 4, y - 6 + recoil, 8, 8));
}

}  // namespace

namespace {

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

}  // namespace

namespace {

void nightStars(QPainter& p, int f)
{
    const QPoint stars[] = {{12, 50}, {40, 80}, {70, 60}, {150, 70}, {170, 40}, {110, 90}, {25, 100}, {160, 95}};
    for (int i = 0; i < 8; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 200, (i + f) % 5 == 0 ? 255 : 130));
        p.drawEllipse(QPointF(stars[i]), 1, 1);
    }
}

}  // namespace

std::vector<QImage> Animations::shooting(int count)
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

namespace {

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

}  // namespace

std::vector<QImage> Animations::whack(int count)
{
    std::vector<QImage> out;
    const QPointF holes[] = {QPointF(46, 96), QPointF(92, 96), QPointF(138, 96)};
    for (int f = 0; f < count; ++f) {
        QImage img = canvas(Navy);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        for (const QPointF& h : holes)
            hole(p, h, 0.75);
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

std::vector<QImage> Animations::catcher(int count)
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
        const Drop drops[] = {{34, 10, 0}, {70, 80, 1}, {152, 40, 2}};
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
