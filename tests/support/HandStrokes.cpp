// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/HandStrokes.h"

#include "support/TestEnv.h"

#include <QFile>

#include <QHash>
#include <QLineF>
#include <QPointingDevice>
#include <QTest>
#include <QWidget>

#include <algorithm>

namespace {

using Line = QVector<QPointF>;

// Corner points of each stroke; the points between are filled in every 20 units, as a mouse
// reports them.
const QHash<QString, QVector<Line>>& Corners() {
    static const QHash<QString, QVector<Line>> c = {
        {QStringLiteral("十"), {{{150, 480}, {870, 480}}, {{512, 140}, {512, 900}}}},
        {QStringLiteral("山"),
         {{{512, 150}, {512, 800}},
          {{200, 380}, {200, 800}, {830, 800}},
          {{830, 380}, {830, 800}}}},
        {QStringLiteral("口"),
         {{{250, 280}, {250, 780}},
          {{250, 280}, {780, 280}, {780, 780}},
          {{250, 760}, {780, 760}}}},
        {QStringLiteral("川"),
         {{{280, 200}, {270, 500}, {200, 820}},
          {{512, 240}, {512, 760}},
          {{760, 180}, {760, 880}}}},
        {QStringLiteral("木"),
         {{{150, 380}, {870, 380}},
          {{512, 130}, {512, 900}},
          {{500, 400}, {380, 600}, {170, 800}},
          {{525, 400}, {680, 620}, {880, 790}}}},
        {QStringLiteral("日"),
         {{{300, 170}, {300, 860}},
          {{300, 170}, {720, 170}, {720, 860}},
          {{300, 510}, {720, 510}},
          {{300, 840}, {720, 840}}}},
        {QStringLiteral("い"),
         {{{250, 300}, {230, 550}, {260, 720}, {320, 760}}, {{700, 380}, {760, 520}, {780, 620}}}},
        {QStringLiteral("く"), {{{650, 200}, {350, 500}, {650, 820}}}},
        {QStringLiteral("し"), {{{380, 180}, {380, 650}, {450, 800}, {600, 780}, {760, 650}}}},
        {QStringLiteral("こ"), {{{330, 330}, {690, 310}}, {{300, 650}, {380, 740}, {720, 730}}}},
        {QStringLiteral("つ"),
         {{{200, 420}, {500, 330}, {760, 400}, {780, 560}, {650, 700}, {450, 760}}}},
        {QStringLiteral("り"),
         {{{330, 220}, {320, 560}, {360, 500}}, {{650, 200}, {680, 500}, {620, 750}, {450, 880}}}},
        {QStringLiteral("カ"),
         {{{200, 380}, {780, 380}, {760, 800}, {660, 760}}, {{470, 180}, {440, 550}, {250, 850}}}},
        {QStringLiteral("ト"), {{{380, 150}, {380, 880}}, {{400, 450}, {700, 580}}}},
    };
    return c;
}

Stroke Filled(const Line& corners) {
    Stroke s{corners.front()};
    for (int i = 1; i < corners.size(); ++i) {
        const QLineF l(corners[i - 1], corners[i]);
        const int steps = std::max(1, int(l.length() / 20));
        for (int k = 1; k <= steps; ++k)
            s << l.pointAt(double(k) / steps);
    }
    return s;
}

QPoint OnWidget(QWidget* w, QPointF inkPoint) {
    const double k = std::min(w->width(), w->height()) / InkBox;
    return (inkPoint * k).toPoint();
}

} // namespace

Ink HandStrokes(const QString& character) {
    Ink ink;
    for (const Line& l : Corners().value(character))
        ink << Filled(l);
    return ink;
}

Ink ReversedInk(const Ink& ink) {
    Ink out = ink;
    for (Stroke& s : out)
        std::reverse(s.begin(), s.end());
    return out;
}

Ink ReorderedInk(const Ink& ink) {
    Ink out = ink;
    if (!out.isEmpty())
        std::rotate(out.begin(), out.end() - 1, out.end());
    return out;
}

Ink ShrunkInk(const Ink& ink, double scale, QPointF to) {
    Ink out = ink;
    for (Stroke& s : out)
        for (QPointF& p : s)
            p = p * scale + to;
    return out;
}

void WriteWithMouse(QWidget* surface, const Ink& ink) {
    for (const Stroke& s : ink) {
        QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, OnWidget(surface, s.front()));
        for (int i = 1; i < s.size(); ++i)
            QTest::mouseMove(surface, OnWidget(surface, s[i]));
        QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, OnWidget(surface, s.back()));
    }
}

void WriteWithTouch(QWidget* surface, const Ink& ink) {
    static QPointingDevice* screen = QTest::createTouchDevice();
    for (const Stroke& s : ink) {
        QTest::touchEvent(surface, screen).press(0, OnWidget(surface, s.front()), surface);
        for (int i = 1; i < s.size(); ++i)
            QTest::touchEvent(surface, screen).move(0, OnWidget(surface, s[i]), surface);
        QTest::touchEvent(surface, screen).release(0, OnWidget(surface, s.back()), surface);
    }
}

void CopyTemplates(const TestEnv& env) {
    for (const char* name : {"Tegaki.dat", "Tegaki.model"}) {
        QFile built(TestEnv::builtProgramDir() + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(built.open(QIODevice::ReadOnly));
        env.writeFile(QLatin1String(name), built.readAll());
    }
}
