// SPDX-License-Identifier: GPL-3.0-or-later
// Game 6's rules driven without a window: the tick interval, characters coming up and sinking,
// question changes, the hit test with its margins and bands, scoring and the end.
#include "games/action/MoleBoard.h"
#include "platform/Random.h"
#include "support/TestEnv.h"

#include <QtTest>

namespace {
struct Recorder : ActionEvents {
    QStringList sounds;
    QList<int> questions;
    int draws = 0;
    bool readable = true;
    void playSound(ActionSound s) override
    {
        sounds << (s == ActionSound::Atari    ? QStringLiteral("Atari")
                   : s == ActionSound::Hazure ? QStringLiteral("Hazure")
                                              : QStringLiteral("Mondai"));
    }
    bool showQuestion(int k) override
    {
        questions << k;
        return readable;
    }
    void drawTick() override { ++draws; }
};

// Year 2, level 1: kanji 81..100.
void started(MoleBoard& b, Recorder& rec, int speed = 7, int level = 1)
{
    b.setUp(level, 80, 20, &rec);
    b.start(speed);
}
}  // namespace

class TestMoleBoard : public QObject {
    Q_OBJECT

private slots:
    // The tick interval follows the speed position.
    void tickInterval_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("ms");
        QTest::newRow("0") << 0 << 2000;
        QTest::newRow("7") << 7 << 1300;
        QTest::newRow("15") << 15 << 500;
    }
    void tickInterval()
    {
        QFETCH(int, speed);
        QFETCH(int, ms);
        QCOMPARE(MoleBoard::TickIntervalMs(speed), ms);
    }

    // Five different question kanji from the level's set.
    void questionKanji()
    {
        TestEnv env;
        for (int seed = 1; seed <= 50; ++seed) {
            RandomSeed(seed);
            Recorder rec;
            MoleBoard b;
            started(b, rec);
            QSet<int> seen;
            for (int i = 1; i <= 5; ++i) {
                QVERIFY(b.questionKanji[i] >= 81 && b.questionKanji[i] <= 100);
                seen << b.questionKanji[i];
            }
            QCOMPARE(seen.size(), 5);
            QCOMPARE(b.questionNo, 1);
        }
    }

    // Points by state and speed: earlier hits and faster games score more.
    void points_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("points");
        QTest::newRow("state 1, speed 7, level 1") << 1 << 7 << 1 << 3;
        QTest::newRow("state 5, speed 7, level 1") << 5 << 7 << 1 << 2;
        QTest::newRow("state 3, speed 14, level 1") << 3 << 14 << 1 << 5;
        QTest::newRow("state 1, speed 2, level 1") << 1 << 2 << 1 << 2;
        QTest::newRow("state 5, speed 4, level 2") << 5 << 4 << 2 << 3;
        QTest::newRow("state 5, speed 0, level 3") << 5 << 0 << 3 << 3;
        QTest::newRow("state 1, speed 15, level 4") << 1 << 15 << 4 << 9;
    }
    void points()
    {
        TestEnv env;
        QFETCH(int, state);
        QFETCH(int, speed);
        QFETCH(int, level);
        QFETCH(int, points);
        Recorder rec;
        MoleBoard b;
        started(b, rec, speed, level);
        QCOMPARE(b.pointsFor(state), points);
    }

    // A click hits only inside the hole, past its margins, within the character's visible band.
    void hitTest_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<bool>("hit");
        QTest::newRow("state 3 middle") << 3 << 36 << 40 << true;
        QTest::newRow("left margin 8") << 3 << 8 << 40 << false;
        QTest::newRow("left margin 9") << 3 << 9 << 40 << true;
        QTest::newRow("top margin 8") << 3 << 36 << 8 << false;
        QTest::newRow("top margin 9") << 3 << 36 << 9 << true;
        QTest::newRow("state 1 at 51") << 1 << 36 << 51 << false;
        QTest::newRow("state 1 at 52") << 1 << 36 << 52 << true;
        QTest::newRow("state 2 at 30") << 2 << 36 << 30 << false;
        QTest::newRow("state 2 at 31") << 2 << 36 << 31 << true;
        QTest::newRow("state 4 at 31") << 4 << 36 << 31 << true;
        QTest::newRow("state 5 at 51") << 5 << 36 << 51 << false;
        QTest::newRow("state 5 at 71") << 5 << 36 << 71 << true;
    }
    void hitTest()
    {
        TestEnv env;
        QFETCH(int, state);
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(bool, hit);
        Recorder rec;
        MoleBoard b;
        started(b, rec);
        b.holes[2][3] = {state, b.currentKanji()};
        int c = 0, r = 0;
        const auto result = b.click(72 + dx, 144 + dy, c, r);
        QCOMPARE(result == MoleBoard::ClickResult::Hit, hit);
        QCOMPARE(rec.sounds, QStringList{hit ? "Atari" : "Hazure"});
        if (hit) {
            QCOMPARE(c, 2);
            QCOMPARE(r, 3);
            QCOMPARE(b.holes[2][3].state, 0);
            QCOMPARE(b.holes[2][3].kanji, 0);
            QCOMPARE(int(b.score), b.pointsFor(state));
        } else {
            QCOMPARE(int(b.score), 0);
        }
    }

    // A decoy, an empty hole: a miss that costs nothing.
    void missesCostNothing()
    {
        TestEnv env;
        Recorder rec;
        MoleBoard b;
        started(b, rec);
        b.holes[1][1] = {3, b.currentKanji() == 81 ? 82 : 81};
        int c = 0, r = 0;
        QCOMPARE(b.click(36, 40, c, r), MoleBoard::ClickResult::Miss);
        QCOMPARE(b.click(36 + 72, 40, c, r), MoleBoard::ClickResult::Miss);
        QCOMPARE(int(b.score), 0);
        QCOMPARE(b.holes[1][1].state, 3);
        QCOMPARE(rec.sounds, (QStringList{"Hazure", "Hazure"}));
    }

    // Clicks at x or y of 360 and beyond are ignored silently.
    void outsideIgnored_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("x 360") << 360 << 40;
        QTest::newRow("y 360") << 40 << 360;
        QTest::newRow("x 400") << 400 << 400;
    }
    void outsideIgnored()
    {
        TestEnv env;
        QFETCH(int, x);
        QFETCH(int, y);
        Recorder rec;
        MoleBoard b;
        started(b, rec);
        int c = 0, r = 0;
        QCOMPARE(b.click(x, y, c, r), MoleBoard::ClickResult::Ignored);
        QVERIFY(rec.sounds.isEmpty());
    }

    // A character is up for five ticks and then the hole is empty again.
    void characterLifetime()
    {
        TestEnv env;
        Recorder rec;
        MoleBoard b;
        started(b, rec);
        b.holes[1][1] = {1, 85};
        for (int s = 2; s <= 5; ++s) {
            b.tick();
            QVERIFY(b.holes[1][1].state == s);
        }
        b.tick();
        QVERIFY(b.holes[1][1].state <= 1);  // emptied (and perhaps up again at once next time)
        QCOMPARE(rec.draws, 5);
    }

    // Decoys never show the question kanji; while the question changes only decoys come up;
    // five right characters ask for a change that comes on the sixth tick.
    void questionChange()
    {
        TestEnv env;
        Recorder rec;
        MoleBoard b;
        started(b, rec);
        int ticks = 0;
        while (!b.changeFlag && ticks < 1000) {
            b.tick();
            ++ticks;
            for (int c = 1; c <= 5; ++c)
                for (int r = 1; r <= 5; ++r)
                    QVERIFY(b.holes[c][r].state == 0 || b.holes[c][r].kanji != 0);
        }
        QVERIFY(b.changeFlag);
        QCOMPARE(b.rightForQuestion, 5);
        const int asked = b.currentKanji();
        const int right = b.rightInGame;
        for (int t = 1; t <= 5; ++t) {
            b.tick();
            QCOMPARE(b.currentKanji(), asked);
            QCOMPARE(b.rightInGame, right);  // only decoys come up meanwhile
        }
        QVERIFY(rec.questions.isEmpty());
        b.tick();
        QCOMPARE(b.questionNo, 2);
        QCOMPARE(rec.questions, QList<int>{b.questionKanji[2]});
        QVERIFY(rec.sounds.contains(QStringLiteral("Mondai")));
        QVERIFY(!b.changeFlag);
    }

    // With only ten kanji a decoy still never equals the question kanji.
    void decoysOfSmallSet()
    {
        TestEnv env;
        Recorder rec;
        MoleBoard b;
        b.setUp(1, 0, 10, &rec);
        b.start(7);
        for (int t = 0; t < 300 && b.rightInGame < 50; ++t) {
            const int before = b.rightInGame;
            const int question = b.questionNo;
            b.tick();
            if (b.questionNo != question)
                continue;
            // Every newly risen question kanji is a counted right one, never a decoy.
            int risenRight = 0;
            for (int c = 1; c <= 5; ++c)
                for (int r = 1; r <= 5; ++r) {
                    const Hole& h = b.holes[c][r];
                    if (h.state == 1 && h.kanji == b.currentKanji())
                        ++risenRight;
                    if (h.kanji != 0)
                        QVERIFY(h.kanji >= 1 && h.kanji <= 10);
                }
            QCOMPARE(risenRight, b.rightInGame - before);
        }
    }

    // The game ends at the first tick after the 50th right character, hit or not; the
    // fourth and later questions come round again.
    void endAfterFifty()
    {
        TestEnv env;
        Recorder rec;
        MoleBoard b;
        started(b, rec);
        int ticks = 0;
        while (b.rightInGame < 50 && ticks < 5000) {
            QCOMPARE(b.tick(), MoleBoard::TickResult::Running);
            ++ticks;
        }
        QCOMPARE(b.rightInGame, 50);
        QCOMPARE(rec.questions.size(), 9);  // ten questions in all, the first shown at start
        QCOMPARE(b.tick(), MoleBoard::TickResult::Ended);
    }

    // More than 35 passes; exactly 35 fails.
    void passRule_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("pass");
        QTest::newRow("35") << 35 << false;
        QTest::newRow("36") << 36 << true;
        QTest::newRow("0") << 0 << false;
    }
    void passRule()
    {
        QFETCH(int, score);
        QFETCH(bool, pass);
        MoleBoard b;
        b.score = static_cast<std::int16_t>(score);
        QCOMPARE(b.passed(), pass);
    }

    // A sentence file that cannot be read stops the game at the question change.
    void unreadableSentence()
    {
        TestEnv env;
        Recorder rec;
        rec.readable = false;
        MoleBoard b;
        started(b, rec);
        b.changeFlag = true;
        b.changeCount = 5;
        QCOMPARE(b.tick(), MoleBoard::TickResult::Stopped);
    }
};

QTEST_MAIN(TestMoleBoard)
#include "test_moleboard.moc"
