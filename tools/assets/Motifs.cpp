// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include "Sketch.h"

namespace {

// ---------------------------------------------------------------- the ten card motifs

void apple(Sketch& s)
{
    QPainterPath body;
    body.moveTo(500, 300);
    body.cubicTo(620, 220, 860, 250, 870, 500);
    body.cubicTo(880, 720, 720, 900, 600, 890);
    body.cubicTo(550, 885, 530, 860, 500, 860);
    body.cubicTo(470, 860, 450, 885, 400, 890);
    body.cubicTo(280, 900, 120, 720, 130, 500);
    body.cubicTo(140, 250, 380, 220, 500, 300);
    body.closeSubpath();
    s.shape(body, QColor(226, 36, 48));
    s.shape(ellipsePath(QPointF(300, 470), 55, 110, 20), QColor(255, 150, 150), QColor());
    QPainterPath stem;
    stem.moveTo(490, 320);
    stem.cubicTo(480, 230, 470, 170, 430, 110);
    stem.lineTo(470, 95);
    stem.cubicTo(515, 160, 530, 230, 530, 320);
    stem.closeSubpath();
    s.shape(stem, QColor(120, 72, 36));
    QPainterPath leaf;
    leaf.moveTo(520, 210);
    leaf.cubicTo(580, 90, 720, 80, 790, 120);
    leaf.cubicTo(730, 220, 620, 250, 520, 210);
    leaf.closeSubpath();
    s.shape(leaf, QColor(70, 170, 60));
    s.line({QPoint(540, 205), QPoint(650, 160), QPoint(760, 125)}, QColor(40, 120, 40), 16);
}

void star(Sketch& s)
{
    s.shape(roundStarPath(QPointF(500, 530), 450, 200, 5), QColor(255, 208, 30), QColor(230, 120, 20), 32);
    s.shape(roundStarPath(QPointF(500, 530), 300, 135, 5), QColor(255, 236, 120), QColor());
    // A friendly face.
    s.ellipse(QRect(400, 460, 50, 80), QColor(70, 40, 30), QColor());
    s.ellipse(QRect(550, 460, 50, 80), QColor(70, 40, 30), QColor());
    s.arc(QRect(420, 500, 160, 120), 200, 140, QColor(70, 40, 30), 24);
    s.ellipse(QRect(340, 560, 70, 44), QColor(255, 150, 120), QColor());
    s.ellipse(QRect(590, 560, 70, 44), QColor(255, 150, 120), QColor());
}

void flower(Sketch& s)
{
    QPainterPath stem;
    stem.moveTo(490, 560);
    stem.cubicTo(470, 700, 500, 820, 480, 960);
    stem.lineTo(520, 960);
    stem.cubicTo(540, 820, 510, 700, 530, 560);
    stem.closeSubpath();
    s.shape(stem, QColor(60, 150, 60));
    QPainterPath leaf;
    leaf.moveTo(505, 820);
    leaf.cubicTo(560, 700, 700, 690, 780, 720);
    leaf.cubicTo(720, 810, 600, 850, 505, 820);
    leaf.closeSubpath();
    s.shape(leaf, QColor(90, 190, 70));
    QPainterPath leaf2;
    leaf2.moveTo(495, 760);
    leaf2.cubicTo(440, 660, 320, 650, 240, 680);
    leaf2.cubicTo(300, 770, 410, 790, 495, 760);
    leaf2.closeSubpath();
    s.shape(leaf2, QColor(90, 190, 70));
    const QPointF c(500, 380);
    for (int i = 0; i < 6; ++i) {
        const double a = qDegreesToRadians(-90 + i * 60.0);
        s.shape(ellipsePath(QPointF(c.x() + 190 * std::cos(a), c.y() + 190 * std::sin(a)), 125, 95, -90 + i * 60.0),
                i % 2 ? QColor(255, 120, 170) : QColor(255, 90, 150));
    }
    s.circle(QPoint(500, 380), 125, QColor(255, 205, 40));
    for (int i = 0; i < 6; ++i) {
        const double a = qDegreesToRadians(i * 60.0 + 30);
        s.circle(QPoint(int(500 + 60 * std::cos(a)), int(380 + 60 * std::sin(a))), 16, QColor(220, 140, 20), QColor());
    }
}

void fish(Sketch& s)
{
    QPainterPath tail;
    tail.moveTo(700, 500);
    tail.cubicTo(780, 400, 850, 300, 950, 260);
    tail.cubicTo(900, 420, 900, 580, 950, 740);
    tail.cubicTo(850, 700, 780, 600, 700, 500);
    tail.closeSubpath();
    s.shape(tail, QColor(255, 150, 40));
    QPainterPath fin;
    fin.moveTo(380, 300);
    fin.cubicTo(440, 180, 560, 170, 640, 250);
    fin.lineTo(600, 330);
    fin.closeSubpath();
    s.shape(fin, QColor(255, 150, 40));
    QPainterPath body;
    body.moveTo(60, 500);
    body.cubicTo(150, 280, 450, 220, 620, 330);
    body.cubicTo(700, 380, 760, 450, 780, 500);
    body.cubicTo(760, 550, 700, 620, 620, 670);
    body.cubicTo(450, 780, 150, 720, 60, 500);
    body.closeSubpath();
    s.shape(body, QColor(40, 150, 235));
    // Stripes, the belly and the gill.
    QPainterPath belly;
    belly.moveTo(120, 560);
    belly.cubicTo(250, 680, 500, 690, 700, 580);
    belly.cubicTo(560, 720, 240, 740, 120, 560);
    belly.closeSubpath();
    s.shape(belly, QColor(160, 220, 255), QColor());
    s.arc(QRect(300, 330, 200, 340), -50, 100, QColor(20, 90, 170), 22);
    s.arc(QRect(420, 350, 170, 300), -50, 100, QColor(20, 90, 170), 22);
    s.circle(QPoint(220, 440), 62, QColor(252, 252, 244));
    s.circle(QPoint(232, 446), 30, QColor(30, 30, 40), QColor());
    s.circle(QPoint(222, 432), 10, QColor(252, 252, 244), QColor());
    s.arc(QRect(70, 480, 110, 80), 200, 90, Ink, 20);
    QPainterPath bubbles;
    s.circle(QPoint(120, 230), 40, QColor(190, 230, 255), QColor(90, 160, 220), 16);
    s.circle(QPoint(180, 130), 26, QColor(190, 230, 255), QColor(90, 160, 220), 14);
}

void car(Sketch& s)
{
    QPainterPath body;
    body.moveTo(60, 700);
    body.lineTo(60, 560);
    body.cubicTo(60, 500, 100, 470, 170, 465);
    body.lineTo(260, 460);
    body.lineTo(350, 310);
    body.cubicTo(370, 280, 390, 270, 430, 270);
    body.lineTo(660, 270);
    body.cubicTo(700, 270, 720, 285, 740, 320);
    body.lineTo(800, 460);
    body.lineTo(870, 470);
    body.cubicTo(920, 480, 945, 520, 945, 580);
    body.lineTo(945, 700);
    body.closeSubpath();
    s.shape(body, QColor(235, 50, 60));
    QPainterPath w1;
    w1.moveTo(300, 460);
    w1.lineTo(380, 325);
    w1.lineTo(490, 325);
    w1.lineTo(490, 460);
    w1.closeSubpath();
    s.shape(w1, QColor(150, 215, 250), Ink, 20);
    QPainterPath w2;
    w2.moveTo(540, 460);
    w2.lineTo(540, 325);
    w2.lineTo(680, 325);
    w2.lineTo(740, 460);
    w2.closeSubpath();
    s.shape(w2, QColor(150, 215, 250), Ink, 20);
    s.rect(QRect(880, 520, 50, 40), QColor(255, 230, 90), Ink, 14);  // headlight
    s.rect(QRect(70, 520, 40, 40), QColor(255, 160, 60), Ink, 14);
    s.line({QPoint(520, 470), QPoint(520, 690)}, QColor(170, 20, 40), 16);
    s.rect(QRect(560, 500, 60, 18), QColor(250, 240, 220), Ink, 10);
    for (int x : {250, 750}) {
        s.circle(QPoint(x, 710), 110, QColor(50, 50, 60));
        s.circle(QPoint(x, 710), 50, QColor(200, 200, 210), Ink, 16);
    }
    s.line({QPoint(40, 830), QPoint(960, 830)}, QColor(130, 130, 130), 18);
}

void catFace(Sketch& s)
{
    s.polygon({QPoint(150, 420), QPoint(200, 90), QPoint(430, 270)}, QColor(250, 170, 60));
    s.polygon({QPoint(850, 420), QPoint(800, 90), QPoint(570, 270)}, QColor(250, 170, 60));
    s.polygon({QPoint(215, 360), QPoint(235, 170), QPoint(370, 285)}, QColor(255, 170, 180), QColor());
    s.polygon({QPoint(785, 360), QPoint(765, 170), QPoint(630, 285)}, QColor(255, 170, 180), QColor());
    s.ellipse(QRect(90, 200, 820, 700), QColor(250, 170, 60));
    // Stripes on the forehead.
    s.polygon({QPoint(440, 215), QPoint(500, 330), QPoint(560, 215)}, QColor(215, 120, 30), QColor());
    s.polygon({QPoint(330, 240), QPoint(400, 320), QPoint(400, 225)}, QColor(215, 120, 30), QColor());
    s.polygon({QPoint(670, 240), QPoint(600, 320), QPoint(600, 225)}, QColor(215, 120, 30), QColor());
    s.ellipse(QRect(280, 610, 440, 260), QColor(255, 236, 200), QColor());
    for (int x : {340, 660}) {
        s.ellipse(QRect(x - 70, 420, 140, 160), QColor(120, 200, 90));
        s.ellipse(QRect(x - 26, 440, 52, 130), QColor(30, 30, 30), QColor());
        s.circle(QPoint(x + 30, 460), 18, QColor(252, 252, 244), QColor());
    }
    s.polygon({QPoint(455, 640), QPoint(545, 640), QPoint(500, 695)}, QColor(240, 110, 130), Ink, 16);
    s.arc(QRect(400, 650, 100, 100), 180, 120, Ink, 18);
    s.arc(QRect(500, 650, 100, 100), 240, 120, Ink, 18);
    for (int dy : {-40, 20, 80}) {
        s.line({QPoint(300, 680), QPoint(40, 660 + dy)}, Ink, 12);
        s.line({QPoint(700, 680), QPoint(960, 660 + dy)}, Ink, 12);
    }
}

void balloon(Sketch& s)
{
    QPainterPath string;
    string.moveTo(500, 760);
    string.cubicTo(440, 820, 580, 880, 500, 960);
    QVector<QPoint> pts;
    const QList<QPolygonF> subpaths = string.toSubpathPolygons();
    for (const QPointF& p : subpaths.front())
        pts << p.toPoint();
    s.line(pts, QColor(110, 110, 120), 14);
    QPainterPath b;
    b.moveTo(500, 740);
    b.cubicTo(300, 660, 160, 480, 170, 330);
    b.cubicTo(180, 150, 330, 50, 500, 50);
    b.cubicTo(670, 50, 820, 150, 830, 330);
    b.cubicTo(840, 480, 700, 660, 500, 740);
    b.closeSubpath();
    s.shape(b, QColor(250, 70, 120));
    s.polygon({QPoint(500, 730), QPoint(455, 790), QPoint(545, 790)}, QColor(220, 50, 100), Ink, 18);
    s.shape(ellipsePath(QPointF(340, 250), 60, 120, 30), QColor(255, 180, 205), QColor());
    s.circle(QPoint(300, 390), 24, QColor(255, 180, 205), QColor());
    // A second, smaller balloon behind.
    s.line({QPoint(780, 700), QPoint(760, 800), QPoint(790, 900), QPoint(770, 960)}, QColor(110, 110, 120), 12);
    QPainterPath b2 = ellipsePath(QPointF(820, 560), 120, 150, 10);
    s.shape(b2, QColor(80, 170, 250));
    s.shape(ellipsePath(QPointF(780, 500), 26, 55, 20), QColor(180, 225, 255), QColor());
}

void sun(Sketch& s)
{
    for (int i = 0; i < 12; ++i) {
        const double a = qDegreesToRadians(i * 30.0);
        const double a1 = a - qDegreesToRadians(11), a2 = a + qDegreesToRadians(11);
        const QPoint tip(int(500 + 470 * std::cos(a)), int(500 + 470 * std::sin(a)));
        const QPoint p1(int(500 + 300 * std::cos(a1)), int(500 + 300 * std::sin(a1)));
        const QPoint p2(int(500 + 300 * std::cos(a2)), int(500 + 300 * std::sin(a2)));
        s.polygon({p1, tip, p2}, i % 2 ? QColor(255, 150, 30) : QColor(255, 100, 40), QColor(220, 90, 20), 18);
    }
    s.circle(QPoint(500, 500), 310, QColor(255, 215, 40), QColor(230, 130, 20), 28);
    s.ellipse(QRect(390, 400, 50, 80), QColor(90, 50, 20), QColor());
    s.ellipse(QRect(560, 400, 50, 80), QColor(90, 50, 20), QColor());
    s.pie(QRect(370, 440, 260, 200), 180, 180, QColor(200, 60, 40), QColor(90, 50, 20), 20);
    s.ellipse(QRect(300, 500, 80, 50), QColor(255, 150, 110), QColor());
    s.ellipse(QRect(620, 500, 80, 50), QColor(255, 150, 110), QColor());
}

void leaf(Sketch& s)
{
    QPainterPath l;
    l.moveTo(150, 850);
    l.cubicTo(100, 500, 350, 120, 900, 100);
    l.cubicTo(880, 650, 500, 900, 150, 850);
    l.closeSubpath();
    s.shape(l, QColor(120, 200, 60));
    QPainterPath light;
    light.moveTo(180, 820);
    light.cubicTo(200, 520, 420, 220, 860, 140);
    light.cubicTo(500, 300, 300, 560, 180, 820);
    light.closeSubpath();
    s.shape(light, QColor(165, 225, 100), QColor());
    s.line({QPoint(60, 940), QPoint(150, 850), QPoint(350, 640), QPoint(560, 400), QPoint(860, 140)}, QColor(60, 130, 40), 22);
    const int veins[][4] = {{300, 680, 270, 480}, {300, 680, 500, 700}, {430, 540, 420, 330}, {430, 540, 650, 560},
                            {560, 400, 580, 220}, {560, 400, 760, 400}};
    for (const auto& v : veins)
        s.line({QPoint(v[0], v[1]), QPoint(v[2], v[3])}, QColor(60, 130, 40), 14);
}

void house(Sketch& s)
{
    s.rect(QRect(640, 120, 100, 220), QColor(180, 90, 60));  // chimney
    s.rect(QRect(150, 430, 700, 470), QColor(255, 235, 170));
    s.polygon({QPoint(60, 480), QPoint(500, 110), QPoint(940, 480)}, QColor(230, 60, 50));
    s.rect(QRect(420, 620, 160, 280), QColor(150, 90, 50));
    s.circle(QPoint(550, 770), 14, QColor(255, 210, 60), QColor());
    for (int x : {210, 640}) {
        s.rect(QRect(x, 560, 150, 130), QColor(140, 205, 250));
        s.line({QPoint(x + 75, 560), QPoint(x + 75, 690)}, Ink, 14);
        s.line({QPoint(x, 625), QPoint(x + 150, 625)}, Ink, 14);
    }
    s.circle(QPoint(500, 360), 60, QColor(140, 205, 250));
    s.rect(QRect(20, 900, 960, 40), QColor(100, 180, 70), QColor(60, 130, 40), 14);
}

// ---------------------------------------------------------------- explosions

QPainterPath burst(QPointF c, double outer, double inner, int points, double rotate, unsigned seed)
{
    // A jagged burst: the points differ a little in length so it looks hand-drawn.
    QPainterPath p;
    unsigned x = seed;
    for (int i = 0; i < points * 2; ++i) {
        x = x * 1103515245u + 12345u;
        const double jitter = 0.82 + ((x >> 16) % 100) / 500.0;
        const double r = (i % 2 ? inner : outer) * jitter;
        const double a = qDegreesToRadians(rotate + i * 180.0 / points);
        const QPointF q(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            p.moveTo(q);
        else
            p.lineTo(q);
    }
    p.closeSubpath();
    return p;
}

void bangCell(Sketch& s)
{
    s.rect(QRect(0, 0, 1000, 1000), QColor(60, 10, 20), QColor());
    s.shape(burst(QPointF(500, 500), 520, 300, 12, -90, 3), QColor(235, 40, 30), QColor(120, 10, 10), 20);
    s.shape(burst(QPointF(500, 500), 380, 220, 10, -75, 5), QColor(255, 140, 20), QColor());
    s.shape(burst(QPointF(500, 500), 240, 140, 8, -60, 9), QColor(255, 230, 60), QColor());
    s.circle(QPoint(500, 500), 90, QColor(255, 250, 200), QColor());
    // Sparks flying out.
    for (int i = 0; i < 6; ++i) {
        const double a = qDegreesToRadians(i * 60.0 + 20);
        s.circle(QPoint(int(500 + 430 * std::cos(a)), int(500 + 430 * std::sin(a))), 34, QColor(255, 210, 60), QColor());
    }
}

void bangFlash(Sketch& s, bool second)
{
    const QColor back = second ? QColor(200, 20, 30) : QColor(255, 230, 70);
    const QColor outer = second ? QColor(255, 200, 40) : QColor(240, 60, 30);
    const QColor middle = second ? QColor(255, 250, 190) : QColor(255, 150, 30);
    const QColor core = second ? QColor(255, 120, 30) : QColor(255, 252, 220);
    s.rect(QRect(0, 0, 1000, 1000), back, QColor());
    s.shape(burst(QPointF(500, 500), 700, 380, 16, second ? -80 : -90, second ? 21 : 17), outer, QColor());
    s.shape(burst(QPointF(500, 500), 480, 260, 12, second ? -70 : -60, second ? 31 : 23), middle, QColor());
    s.shape(burst(QPointF(500, 500), 260, 150, 9, -90, 41), core, QColor());
    for (int i = 0; i < 10; ++i) {
        const double a = qDegreesToRadians(i * 36.0 + (second ? 18 : 0));
        const int r = i % 2 ? 320 : 420;
        s.shape(starPath(QPointF(500 + r * std::cos(a), 500 + r * std::sin(a)), 50, 20, 4, i * 9.0), core, QColor());
    }
}

void (*const Motifs[])(Sketch&) = {apple, star, flower, fish, car, catFace, balloon, sun, leaf, house};

}  // namespace

QByteArray Pictures::popMetafile(int n)
{
    if (n < 1 || n > 10)
        return {};
    Sketch s;
    Motifs[n - 1](s);
    return s.writer().bytes();
}

QByteArray Pictures::bangMetafile(int n)
{
    Sketch s;
    if (n == 0)
        bangCell(s);
    else
        bangFlash(s, n == 2);
    return s.writer().bytes();
}
