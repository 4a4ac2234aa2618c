// SPDX-License-Identifier: GPL-3.0-or-later
// Game 7's rules driven without a window: the phases of a character, falling and drift, the
// catch test, the time-out with its extensions and the verdict.
#include "games/action/Catcher.h"
#include "platform/Random.h"
#include "support/TestEnv.h"

#include <QtTest>
#include <algorithm>

namespace {
struct Recorder : ActionEvents {
    QStringList sounds;
    QList<int> questions;
    int frames = 0;
    int ticks = 0;
    void playSound(ActionSound s) override
    {
        sounds << (s == ActionSound::Atari ? QStringLiteral("Atari") : QStringLiteral("Mondai"));
    }
    bool showQuestion(int k) override
    {
        questions << k;
        return true;
    }
    void drawFrame() override { ++frames; }
    void drawTick() override { ++ticks; }
};

constexpr int W = 360;
constexpr int H = 320;

void quietGame(Catcher& g, Recorder& rec, int level = 1)
{
    g.setUp(W, H, level, &rec);
    g.start(3, 0);
    g.ticker.tickCounter = 0;
    g.ticker.frameDivider = 1000;
    g.question.newQuestion = false;
}

// One frame step's handling of a slot: the counter rises first.
void step(Catcher& g, StarSlot& s)
{
    if (s.counter != 255)
        ++s.counter;
    g.moveCharacter(s);
}

StarSlot falling(int x, int y, bool correct)
{
    StarSlot s;
    s.phase = StarSlot::Falling;
    s.counter = 0;
    s.sprite = 3;
    s.correct = correct;
    s.size = 32;
    s.x = x;
    s.y = y;
    return s;
}
}  // namespace

class TestCatcher : public QObject {
    Q_OBJECT

private slots:
    // A right character landing is caught when it overlaps the catcher by more than its last
    // 8 pixels: x + 24 > catcher x and x < catcher x + 72.
    void catchBounds_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("caught");
        QTest::newRow("24 left of it: missed") << 76 << false;
        QTest::newRow("23 left of it: caught") << 77 << true;
        QTest::newRow("right on it") << 120 << true;
        QTest::newRow("at its last pixel: caught") << 171 << true;
        QTest::newRow("at its right end: missed") << 172 << false;
    }
    void catchBounds()
    {
        TestEnv env;
        QFETCH(int, x);
        QFETCH(bool, caught);
        Recorder rec;
        Catcher g;
        quietGame(g, rec, 2);
        g.p.driftLimit = 1;
        g.catcherX = 100;
        g.question.correctOnScreen = 1;
        StarSlot s = falling(x, H - 32 - 19 + 1, true);
        g.moveCharacter(s);
        QCOMPARE(s.phase, int(StarSlot::Inactive));
        QCOMPARE(g.possiblePoints, 2);
        QCOMPARE(g.question.correctOnScreen, 0);
        QCOMPARE(int(g.score), caught ? 2 : 0);
        QCOMPARE(rec.sounds, caught ? QStringList{"Atari"} : QStringList{});
    }

    // A decoy landing on the catcher changes nothing and plays nothing.
    void decoyCaught()
    {
        TestEnv env;
        Recorder rec;
        Catcher g;
        quietGame(g, rec);
        g.catcherX = 100;
        StarSlot s = falling(120, H - 50, false);
        g.moveCharacter(s);
        QCOMPARE(s.phase, int(StarSlot::Inactive));
        QCOMPARE(g.possiblePoints, 0);
        QCOMPARE(int(g.score), 0);
        QVERIFY(rec.sounds.isEmpty());
    }

    // The landing line is H - size - 19.
    void landingLine()
    {
        TestEnv env;
        Recorder rec;
        Catcher g;
        quietGame(g, rec);
        StarSlot s = falling(10, H - 51, false);
        g.moveCharacter(s);
        QCOMPARE(s.phase, int(StarSlot::Falling));
        s.y = H - 50;
        g.moveCharacter(s);
        QCOMPARE(s.phase, int(StarSlot::Inactive));
    }

    // A slot entering play with a counter of 16 or more leaves the hidden phase at once; the
    // twinkling and sinking phases last at least 6 frame steps.
    void phaseLengths()
    {
        TestEnv env;
        Recorder rec;
        Catcher g;
        quietGame(g, rec);
        StarSlot s;
        s.phase = StarSlot::Hidden;
        s.counter = 16;
        s.size = 32;
        step(g, s);
        QCOMPARE(s.phase, int(StarSlot::Twinkling));
        QVERIFY(s.counter >= 1 && s.counter <= 10);

        for (int phase : {int(StarSlot::Twinkling), int(StarSlot::Sinking)}) {
            int shortest = 1000;
            for (int start = 1; start <= 10; ++start) {
                StarSlot t;
                t.phase = phase;
                t.counter = static_cast<std::uint8_t>(start);
                t.size = 32;
                t.y = 10;
                int steps = 0;
                while (t.phase == phase) {
                    step(g, t);
                    ++steps;
                }
                QCOMPARE(steps, 16 - start);
                shortest = std::min(shortest, steps);
            }
            QCOMPARE(shortest, 6);
        }
    }

    // Twinkling toggles the star each frame step; sinking moves down one pixel per step.
    void twinkleAndSink()
    {
        TestEnv env;
        Recorder rec;
        Catcher g;
        quietGame(g, rec);
        StarSlot s;
        s.phase = StarSlot::Twinkling;
        s.twinkle = true;
        s.counter = 1;
        s.size = 32;
        s.y = 40;
        step(g, s);
        QVERIFY(!s.twinkle);
        step(g, s);
        QVERIFY(s.twinkle);
        s.phase = StarSlot::Sinking;
        s.counter = 1;
        step(g, s);
        step(g, s);
        QCOMPARE(s.y, 42);
    }

    // Falling speeds up: each step moves by the counter, or twice it.
    void fallSpeedsUp()
    {
        TestEnv env;
        Recorder rec;
        Catcher g;
        quietGame(g, rec);
        StarSlot s = falling(100, 0, false);
        for (int k = 1; k <= 8; ++k) {
            const int before = s.y;
            step(g, s);
            QVERIFY(s.y - before == k || s.y - before == 2 * k);
        }
    }

    // At drift limit 1 a falling character never moves sideways; larger limits stay in bounds.
    void drift_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("moves");
        QTest::newRow("level 1: drift 1") << 1 << false;
        QTest::newRow("level 2: drift 10") << 2 << true;
        QTest::newRow("level 10: drift 24") << 10 << true;
    }
    void drift()
    {
        TestEnv env;
        QFETCH(int, level);
        QFETCH(bool, moves);
        Recorder rec;
        Catcher g;
        quietGame(g, rec, level);
        bool moved = false;
        for (int start : {0, 150, W - 32}) {
            for (int i = 0; i < 300; ++i) {
                StarSlot s = falling(start, 0, false);
                s.drift = 1 + i % 2;
                s.counter = 1;
                const int x = s.x;
                g.moveCharacter(s);
                moved = moved || s.x != x;
                QVERIFY(s.x >= 0 && s.x <= W - 32 + g.p.driftLimit);
            }
        }
        QCOMPARE(moved, moves);
    }

    // A spawn appears hidden, twinkle set, somewhere in the upper third.
    void spawn()
    {
        TestEnv env;
        Recorder rec;
        Catcher g;
        quietGame(g, rec);
        int spawned = 0;
        for (int i = 0; i < 3000; ++i) {
            StarSlot s;
            s.counter = 51;
            g.trySpawn(s);
            if (s.phase == StarSlot::Inactive)
                continue;
            ++spawned;
            QCOMPARE(s.phase, int(StarSlot::Hidden));
            QVERIFY(s.twinkle);
            QVERIFY(s.counter >= 1 && s.counter <= 40);
            QVERIFY(s.x >= 0 && s.x < W - 50);
            QVERIFY(s.y >= 0 && s.y < H / 3);
            QVERIFY(s.drift == 1 || s.drift == 2);
            if (!s.correct)
                QVERIFY(s.sprite != g.question.current);
        }
        QVERIFY(spawned > 100);
        StarSlot early;
        early.counter = 50;
        for (int i = 0; i < 500; ++i)
            g.trySpawn(early);
        QCOMPARE(early.phase, int(StarSlot::Inactive));
    }

    // Time-out with no right character landed: no extension, and a fail.
    void timeOutNothingLanded()
    {
        TestEnv env;
        Recorder rec;
        Catcher g;
        g.setUp(W, H, 1, &rec);
        g.start(5, 0);
        QCOMPARE(g.tick(ExtensionClock::FirstMs), Catcher::TickResult::TimeOut);
        QVERIFY(!g.passed());
    }

    // An extension: 30 more seconds, faster frames and more characters; nothing else.
    void extension()
    {
        TestEnv env;
        Recorder rec;
        Catcher g;
        g.setUp(W, H, 4, &rec);
        g.start(3, 0);
        const int slotCount = g.p.characterSlots;
        const int drift = g.p.driftLimit;
        g.score = 10;
        g.possiblePoints = 10;
        g.ticker.tickCounter = g.ticker.frameDivider;
        QCOMPARE(g.tick(ExtensionClock::FirstMs), Catcher::TickResult::Running);
        QCOMPARE(g.clock.extensions(), 1);
        QCOMPARE(g.ticker.frameDivider, 3);
        QCOMPARE(g.p.characterSlots, slotCount < 26 ? slotCount + 5 : slotCount);
        QCOMPARE(g.p.driftLimit, drift);
        QCOMPARE(g.clock.remainingMs(ExtensionClock::FirstMs), 30000);
    }

    // Pass above 0.6 once extended, above 0.5 after four extensions.
    void passRule_data()
    {
        QTest::addColumn<int>("extensions");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("possible");
        QTest::addColumn<bool>("pass");
        QTest::newRow("never extended") << 0 << 10 << 10 << false;
        QTest::newRow("one, exactly 0.6") << 1 << 6 << 10 << false;
        QTest::newRow("one, above 0.6") << 1 << 61 << 100 << true;
        QTest::newRow("three, 0.55") << 3 << 55 << 100 << false;
        QTest::newRow("four, exactly 0.5") << 4 << 5 << 10 << false;
        QTest::newRow("four, above 0.5") << 4 << 51 << 100 << true;
    }
    void passRule()
    {
        TestEnv env;
        QFETCH(int, extensions);
        QFETCH(int, score);
        QFETCH(int, possible);
        QFETCH(bool, pass);
        Recorder rec;
        Catcher g;
        quietGame(g, rec);
        g.clock.setExtensions(extensions);
        g.score = static_cast<std::int16_t>(score);
        g.possiblePoints = possible;
        QCOMPARE(g.passed(), pass);
    }

    // The catcher stays between x = 1 and a little past W - 72.
    void catcherBounds_data()
    {
        QTest::addColumn<int>("held");
        QTest::addColumn<int>("end");
        QTest::newRow("left") << int(CatcherControl::Left) << 4;
        QTest::newRow("right") << int(CatcherControl::Right) << 294;
        QTest::newRow("none") << int(CatcherControl::None) << 144;
    }
    void catcherBounds()
    {
        TestEnv env;
        QFETCH(int, held);
        QFETCH(int, end);
        Recorder rec;
        Catcher g;
        quietGame(g, rec);
        g.held = static_cast<CatcherControl>(held);
        for (int i = 0; i < 100; ++i)
            g.tick(0);
        QCOMPARE(g.catcherX, end);
        QCOMPARE(rec.ticks, 100);
    }

    // The first frame step replaces the opening question; the frame cadence is game 5's.
    void firstFrameStep()
    {
        TestEnv env;
        Recorder rec;
        Catcher g;
        g.setUp(W, H, 1, &rec);
        g.start(1, 0);
        for (int t = 1; t <= 5; ++t)
            g.tick(0);
        QCOMPARE(rec.frames, 0);
        g.tick(0);
        QCOMPARE(rec.frames, 1);
        QCOMPARE(rec.questions.size(), 1);
        QCOMPARE(rec.sounds, QStringList{"Mondai"});
    }

    // The level table at both ends of each row.
    void levelTable_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("slotMin");
        QTest::addColumn<int>("slotMax");
        QTest::addColumn<int>("drift");
        QTest::newRow("1") << 1 << 7 << 9 << 1;
        QTest::newRow("2") << 2 << 10 << 12 << 10;
        QTest::newRow("5") << 5 << 13 << 17 << 12;
        QTest::newRow("6") << 6 << 15 << 19 << 16;
        QTest::newRow("9") << 9 << 18 << 22 << 20;
        QTest::newRow("11") << 11 << 20 << 24 << 24;
    }
    void levelTable()
    {
        TestEnv env;
        QFETCH(int, level);
        QFETCH(int, slotMin);
        QFETCH(int, slotMax);
        QFETCH(int, drift);
        int lo = 1000, hi = 0;
        for (int i = 0; i < 300; ++i) {
            const CatcherLevel p = CatcherLevelFor(level);
            lo = std::min(lo, p.characterSlots);
            hi = std::max(hi, p.characterSlots);
            QCOMPARE(p.driftLimit, drift);
        }
        QCOMPARE(lo, slotMin);
        QCOMPARE(hi, slotMax);
    }
};

QTEST_MAIN(TestCatcher)
#include "test_catcher.moc"
