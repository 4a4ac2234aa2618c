// SPDX-License-Identifier: GPL-3.0-or-later
// The playfield drawn between two frame steps: each object stands between its two positions in
// proportion to the time since the last step, never past the latest one; objects the step took
// away are gone, objects it brought or moved far stand where it put them; a character rising out
// of a hole rises smoothly but never shows more than the rules do.
#include "data/KanjiFiles.h"
#include "data/Rules.h"
#include "data/Tables.h"
#include "games/action/FrameInterpolation.h"
#include "games/action/ShootDown.h"
#include "games/action/ShootDownPicture.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QPainter>
#include <QtTest>

Q_DECLARE_METATYPE(SceneItem)

namespace {
Scene sceneOf(std::initializer_list<SceneItem> items) {
    Scene s;
    for (const SceneItem& i : items)
        s.add(i);
    return s;
}

// Leftmost column of `img` inside the white frame with a pixel that is not navy, -1 when none.
int leftmostDrawn(const QImage& img, int top, int bottom) {
    for (int x = 8; x < img.width() - 8; ++x)
        for (int y = top; y < bottom; ++y)
            if (img.pixel(x, y) != 0xFF000080u)
                return x;
    return -1;
}
} // namespace

class TestFrameInterpolation : public QObject {
    Q_OBJECT
  private slots:
    void between_data() {
        QTest::addColumn<SceneItem>("before");
        QTest::addColumn<SceneItem>("after");
        QTest::addColumn<int>("ms"); // since the latest step, which is 120 ms from the next
        QTest::addColumn<QPointF>("drawn");
        QTest::addColumn<qreal>("rows");
        const SceneItem at100{1, 5, 100, 40};
        const SceneItem at92{1, 5, 92, 40};
        QTest::newRow("at the step: the position before")
            << at100 << at92 << 0 << QPointF(100, 40) << qreal(-1);
        QTest::newRow("a quarter") << at100 << at92 << 30 << QPointF(98, 40) << qreal(-1);
        QTest::newRow("half way") << at100 << at92 << 60 << QPointF(96, 40) << qreal(-1);
        QTest::newRow("the next step is due")
            << at100 << at92 << 120 << QPointF(92, 40) << qreal(-1);
        QTest::newRow("late: never past the latest step")
            << at100 << at92 << 500 << QPointF(92, 40) << qreal(-1);
        QTest::newRow("falling") << SceneItem{3, 7, 50, 10} << SceneItem{3, 7, 50, 26} << 60
                                 << QPointF(50, 18) << qreal(-1);
        QTest::newRow("slot used again far away: where the step put it")
            << SceneItem{1, 5, 20, 40} << SceneItem{1, 5, 330, 40} << 60 << QPointF(330, 40)
            << qreal(-1);
        QTest::newRow("another picture in the slot: no glide")
            << SceneItem{1, 5, 100, 40} << SceneItem{1, 6, 92, 40} << 60 << QPointF(92, 40)
            << qreal(-1);
        QTest::newRow("new in the scene") << SceneItem{9, 5, 0, 0} << SceneItem{1, 5, 92, 40} << 60
                                          << QPointF(92, 40) << qreal(-1);
        QTest::newRow("rising out of a hole")
            << SceneItem{11, 2, 16, 80, 21} << SceneItem{11, 2, 16, 80, 42} << 60 << QPointF(16, 80)
            << qreal(31.5);
        QTest::newRow("sinking: never more than the rules show")
            << SceneItem{11, 2, 16, 80, 64} << SceneItem{11, 2, 16, 80, 42} << 60 << QPointF(16, 80)
            << qreal(42);
    }
    void between() {
        QFETCH(SceneItem, before);
        QFETCH(SceneItem, after);
        QFETCH(int, ms);
        QFETCH(QPointF, drawn);
        QFETCH(qreal, rows);
        FrameInterpolation f;
        f.step(sceneOf({before}), 1000, 120);
        f.step(sceneOf({after}), 1120, 120);
        QCOMPARE(f.latest().count(), 1);
        const DrawnItem d = f.at(0, 1120 + ms);
        QCOMPARE(d.pos, drawn);
        QCOMPARE(d.rows, rows);
        QCOMPARE(d.picture, after.picture);
    }

    // Something the latest step took away (shot down, caught, landed) is not drawn at all.
    void removedIsGone() {
        FrameInterpolation f;
        f.step(sceneOf({{1, 5, 100, 40}, {2, 5, 200, 40}}), 0, 120);
        f.step(sceneOf({{2, 5, 192, 40}}), 120, 120);
        QCOMPARE(f.latest().count(), 1);
        QCOMPARE(f.at(0, 180).pos, QPointF(196, 40));
        f.reset();
        QCOMPARE(f.latest().count(), 0);
    }

    // Game 5's playfield painted at twice the resolution half way between two frame steps shows
    // its character half way between where the two steps put it.
    void shootDownDrawnBetween() {
        TestEnv env(true);
        QVERIFY(StartSampleGame(env, 5));

        ShootDown game;
        game.setUp(360, 320, 1, nullptr);
        game.start(3, 0);
        game.characters.fill(CharacterSlot{});
        game.bullets.fill(BulletSlot{});
        game.bombs.fill(BombSlot{});
        ShootDownPicture picture;
        QString failed;
        QVERIFY2(picture.setUp(360, 320, SpriteBase(1), failed, 2), qPrintable(failed));
        const int step = game.ticker.frameDivider * ActionTickMs;

        CharacterSlot& c = game.characters[0];
        c.active = true;
        c.sprite = 1;
        c.x = 200;
        c.y = 100;
        picture.drawFrame(game, 0);
        c.x = 180;
        picture.drawFrame(game, step);

        auto leftAt = [&](qint64 ms) {
            QImage img(720, 640, QImage::Format_RGB32);
            img.setDevicePixelRatio(2);
            QPainter p(&img);
            picture.paint(p, game, ms);
            p.end();
            return leftmostDrawn(img, 2 * 100 + 4, 2 * 132 - 4);
        };
        const int before = leftAt(step);
        const int after = leftAt(2 * step);
        const int between = leftAt(step + step / 2);
        QVERIFY(before > 0);
        QCOMPARE(before - after, 2 * 20);
        QVERIFY2(qAbs(between - (before + after) / 2) <= 1,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(before).arg(between).arg(after)));
        // The rules' own picture at their resolution keeps the latest step exactly.
        QCOMPARE(picture.screen().size(), QSize(360, 320));
    }
};

QTEST_MAIN(TestFrameInterpolation)
#include "test_frame_interpolation.moc"
