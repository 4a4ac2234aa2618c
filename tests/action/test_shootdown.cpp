// SPDX-License-Identifier: GPL-3.0-or-later
// Game 5's rules driven without a window: frame steps, spawning, bullets, bombs, the launcher,
// the time-out with its extensions and the verdict.
#include "games/action/ShootDown.h"
#include "platform/Random.h"
#include "support/TestEnv.h"

#include <QtTest>
#include <algorithm>

namespace {
struct Recorder : ActionEvents {
    QStringList sounds;
    QList<int> questions;
    QList<int> extensions;
    int frames = 0;
    int ticks = 0;
    bool sentenceReadable = true;

    void playSound(ActionSound s) override
    {
        static const char* names[] = {"Atari", "Hazure", "Bang", "Hassha", "Mondai"};
        sounds << QString::fromLatin1(names[static_cast<int>(s)]);
    }
    bool showQuestion(int sprite) override
    {
        questions << sprite;
        return sentenceReadable;
    }
    void showStatus(qint64, int) override {}
    void extended(int n) override { extensions << n; }
    void drawFrame() override { ++frames; }
    void drawTick() override { ++ticks; }
};

constexpr int W = 360;
constexpr int H = 320;

// A started game whose frame steps never come unless a test asks for them, with nothing in play.
void quietGame(ShootDown& g, Recorder& rec, int level = 1)
{
    g.setUp(W, H, level, &rec);
    g.start(3, 0);
    g.ticker.tickCounter = 0;
    g.ticker.frameDivider = 1000;
    g.question.newQuestion = false;
}

CharacterSlot character(int x, int y, bool correct, int points)
{
    CharacterSlot c;
    c.active = true;
    c.size = 32;
    c.x = x;
    c.y = y;
    c.lane = 1;
    c.speed = 3;
    c.sprite = 5;
    c.correct = correct;
    c.points = points;
    return c;
}
}  // namespace

class TestShootDown : public QObject {
    Q_OBJECT

private slots:
    // The first frame step comes earlier for faster speed positions, then every divider ticks.
    void firstFrameStep_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<QList<int>>("frameTicks");
        QTest::newRow("1") << 1 << QList<int>{6, 12, 18};
        QTest::newRow("2") << 2 << QList<int>{4, 9, 14};
        QTest::newRow("3") << 3 << QList<int>{2, 6, 10};
        QTest::newRow("4") << 4 << QList<int>{1, 4, 7};
        QTest::newRow("5") << 5 << QList<int>{1, 3, 5};
    }
    void firstFrameStep()
    {
        TestEnv env;
        QFETCH(int, speed);
        QFETCH(QList<int>, frameTicks);
        Recorder rec;
        ShootDown g;
        g.setUp(W, H, 1, &rec);
        g.start(speed, 0);
        QList<int> seen;
        for (int t = 1; t <= frameTicks.last(); ++t) {
            const int before = rec.frames;
            QCOMPARE(g.tick(0), ShootDown::TickResult::Running);
            if (rec.frames != before)
                seen << t;
        }
        QCOMPARE(seen, frameTicks);
        QCOMPARE(rec.ticks, frameTicks.last());
    }

    // The opening question is replaced at the first frame step, with the question sound.
    void firstFrameStepReplacesQuestion()
    {
        TestEnv env;
        Recorder rec;
        ShootDown g;
        g.setUp(W, H, 1, &rec);
        g.start(5, 0);
        const int opening = g.question.current;
        g.tick(0);
        QCOMPARE(rec.questions.size(), 1);
        QVERIFY(rec.questions.first() != opening);
        QCOMPARE(g.question.previous1, opening);
        QVERIFY(rec.sounds.contains(QStringLiteral("Mondai")));
        QVERIFY(!g.question.newQuestion);
        QVERIFY(g.question.quota >= 5 && g.question.quota <= 8);
    }

    // A new question never repeats either of the two before it, and waits for the last right
    // character to leave the screen.
    void questionRotation()
    {
        TestEnv env;
        QuestionRotation q;
        q.start();
        for (int round = 0; round < 200; ++round) {
            const int p1 = q.current, p2 = q.previous1;
            q.pickNextAnswer();
            q.newQuota();
            QVERIFY(q.current != p1 && q.current != p2);
            QVERIFY(q.current >= 1 && q.current <= 20);
        }
        q.quota = 1;
        q.releaseCorrect();
        QVERIFY(q.newQuestion);
        QVERIFY(!q.changeDue());
        q.correctGone();
        QVERIFY(q.changeDue());
    }

    // The share needed for an extension rises with each one; none after the sixth or with
    // nothing at stake.
    void extensionThreshold_data()
    {
        QTest::addColumn<int>("extensions");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("possible");
        QTest::addColumn<bool>("extends");
        QTest::newRow("nothing at stake") << 0 << 0 << 0 << false;
        QTest::newRow("0: above 0.7") << 0 << 71 << 100 << true;
        QTest::newRow("0: exactly 0.7") << 0 << 7 << 10 << false;
        QTest::newRow("1: exactly 0.75") << 1 << 3 << 4 << false;
        QTest::newRow("2: above 0.8") << 2 << 81 << 100 << true;
        QTest::newRow("3: exactly 0.83") << 3 << 83 << 100 << false;
        QTest::newRow("4: above 0.87") << 4 << 88 << 100 << true;
        QTest::newRow("5: exactly 0.9") << 5 << 9 << 10 << false;
        QTest::newRow("5: above 0.9") << 5 << 91 << 100 << true;
        QTest::newRow("6: never") << 6 << 100 << 100 << false;
    }
    void extensionThreshold()
    {
        QFETCH(int, extensions);
        QFETCH(int, score);
        QFETCH(int, possible);
        QFETCH(bool, extends);
        ExtensionClock clock;
        clock.setExtensions(extensions);
        QCOMPARE(clock.earnsExtension(score, possible), extends);
    }

    // Pass after one extension above half, after four above 0.4; never without an extension.
    void passRule_data()
    {
        QTest::addColumn<int>("extensions");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("possible");
        QTest::addColumn<bool>("pass");
        QTest::newRow("first time-out, all shot") << 0 << 50 << 50 << false;
        QTest::newRow("one, exactly half") << 1 << 50 << 100 << false;
        QTest::newRow("one, above half") << 1 << 51 << 100 << true;
        QTest::newRow("three, 0.45") << 3 << 45 << 100 << false;
        QTest::newRow("four, exactly 0.4") << 4 << 40 << 100 << false;
        QTest::newRow("four, above 0.4") << 4 << 41 << 100 << true;
        QTest::newRow("six, above 0.4") << 6 << 41 << 100 << true;
        QTest::newRow("one, nothing at stake") << 1 << 0 << 0 << false;
    }
    void passRule()
    {
        TestEnv env;
        QFETCH(int, extensions);
        QFETCH(int, score);
        QFETCH(int, possible);
        QFETCH(bool, pass);
        Recorder rec;
        ShootDown g;
        quietGame(g, rec);
        g.clock.setExtensions(extensions);
        g.score = static_cast<std::int16_t>(score);
        g.possiblePoints = possible;
        QCOMPARE(g.passed(), pass);
    }

    // With no right character shot or escaped, the time-out ends the game at once.
    void timeOutWithNothingAtStake()
    {
        TestEnv env;
        Recorder rec;
        ShootDown g;
        g.setUp(W, H, 1, &rec);
        g.start(5, 0);
        QCOMPARE(g.tick(ExtensionClock::FirstMs), ShootDown::TickResult::TimeOut);
        QVERIFY(rec.extensions.isEmpty());
        QVERIFY(!g.passed());
    }

    // A granted extension gives 30 more seconds and makes the game harder.
    void extensionEffects_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("times");
        QTest::addColumn<int>("bulletSlots");
        QTest::addColumn<int>("bulletSpeed");
        QTest::addColumn<int>("lanes");
        QTest::addColumn<int>("bombLimit");
        QTest::addColumn<int>("divider");
        QTest::newRow("level 1, once") << 1 << 1 << 1 << 4 << 2 << 3 << 3;
        QTest::newRow("level 2, drift 5: no more bullets") << 2 << 3 << 2 << 5 << 4 << 7 << 2;
        QTest::newRow("level 4, three times") << 4 << 3 << 5 << 8 << 4 << 8 << 2;
        QTest::newRow("level 4, six times: at most 5") << 4 << 6 << 5 << 8 << 4 << 14 << 2;
        QTest::newRow("level 10, six times") << 10 << 6 << 5 << 8 << 4 << 15 << 2;
    }
    void extensionEffects()
    {
        TestEnv env;
        QFETCH(int, level);
        QFETCH(int, times);
        QFETCH(int, bulletSlots);
        QFETCH(int, bulletSpeed);
        QFETCH(int, lanes);
        QFETCH(int, bombLimit);
        QFETCH(int, divider);
        Recorder rec;
        ShootDown g;
        g.setUp(W, H, level, &rec);
        g.start(3, 0);
        const int slotCount = g.p.characterSlots;
        for (int i = 0; i < times; ++i)
            g.extend(1000);
        QCOMPARE(g.p.bulletSlots, bulletSlots);
        QCOMPARE(g.p.bulletSpeed, bulletSpeed);
        QCOMPARE(g.p.lanes, lanes);
        QCOMPARE(g.p.bombLimit, bombLimit);
        QCOMPARE(g.ticker.frameDivider, divider);
        QCOMPARE(g.clock.extensions(), times);
        QCOMPARE(g.clock.remainingMs(1000), 30000);
        int expectSlots = slotCount;
        for (int i = 0; i < times; ++i)
            if (expectSlots < 26)
                expectSlots += 5;
        QCOMPARE(g.p.characterSlots, expectSlots);
        QVERIFY(g.p.characterSlots <= ShootDown::CharacterCount);
        QCOMPARE(rec.extensions.last(), times);
    }

    // A time-out with a good share extends the game and play goes on; after six it ends.
    void timeOutExtendsThenEnds()
    {
        TestEnv env;
        Recorder rec;
        ShootDown g;
        g.setUp(W, H, 1, &rec);
        g.start(5, 0);
        g.score = 10;
        g.possiblePoints = 10;
        qint64 now = ExtensionClock::FirstMs;
        for (int i = 1; i <= 6; ++i) {
            g.ticker.tickCounter = g.ticker.frameDivider;
            QCOMPARE(g.tick(now), ShootDown::TickResult::Running);
            QCOMPARE(g.clock.extensions(), i);
            now += ExtensionClock::ExtensionMs;
        }
        g.ticker.tickCounter = g.ticker.frameDivider;
        QCOMPARE(g.tick(now), ShootDown::TickResult::TimeOut);
    }

    // A right character escaping at the left edge adds the level, not its points.
    void escapedRightAddsLevel()
    {
        TestEnv env;
        Recorder rec;
        ShootDown g;
        quietGame(g, rec, 3);
        g.characters[0] = character(3, 50, true, 9);
        g.question.correctOnScreen = 1;
        g.moveCharacter(g.characters[0]);
        QVERIFY(!g.characters[0].active);
        QCOMPARE(g.possiblePoints, 3);
        QCOMPARE(g.question.correctOnScreen, 0);
        QCOMPARE(g.score, 0);
    }

    // A decoy escaping changes nothing; one still flying moves by its speed.
    void characterMoves()
    {
        TestEnv env;
        Recorder rec;
        ShootDown g;
        quietGame(g, rec);
        g.characters[0] = character(2, 50, false, 9);
        g.moveCharacter(g.characters[0]);
        QVERIFY(!g.characters[0].active);
        QCOMPARE(g.possiblePoints, 0);
        g.characters[1] = character(200, 50, false, 9);
        g.moveCharacter(g.characters[1]);
        QVERIFY(g.characters[1].active);
        QCOMPARE(g.characters[1].x, 197);
    }

    // One bullet removes every character it overlaps and scores each right one.
    void bulletRemovesOverlapping()
    {
        TestEnv env;
        Recorder rec;
        ShootDown g;
        quietGame(g, rec);
        g.p.characterSlots = 3;
        g.characters[0] = character(100, 100, true, 5);
        g.characters[1] = character(110, 110, true, 4);
        g.characters[2] = character(112, 95, false, 7);
        g.question.correctOnScreen = 2;
        BulletSlot& b = g.bullets[0];
        b = {true, 4, 32, 120, 130};
        g.moveBullet(b);
        QCOMPARE(b.y, 126);
        QVERIFY(!b.active);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!g.characters[i].active);
            QCOMPARE(int(g.characters[i].wait), 0);
        }
        QCOMPARE(g.score, 9);
        QCOMPARE(g.possiblePoints, 9);
        QCOMPARE(g.question.correctOnScreen, 0);
        QCOMPARE(rec.sounds, (QStringList{"Atari", "Atari", "Hazure"}));
    }

    // Touching edges count as a hit; one pixel apart does not.
    void bulletEdges_data()
    {
        QTest::addColumn<int>("bx");
        QTest::addColumn<int>("by");
        QTest::addColumn<bool>("hit");
        // Character at (100, 100), 32 x 32; the bullet moves up 4 first.
        QTest::newRow("left edge touching") << 84 << 104 << true;
        QTest::newRow("left, one apart") << 83 << 104 << false;
        QTest::newRow("right edge touching") << 132 << 104 << true;
        QTest::newRow("right, one apart") << 133 << 104 << false;
        QTest::newRow("below touching") << 110 << 136 << true;
        QTest::newRow("below, one apart") << 110 << 137 << false;
    }
    void bulletEdges()
    {
        TestEnv env;
        QFETCH(int, bx);
        QFETCH(int, by);
        QFETCH(bool, hit);
        Recorder rec;
        ShootDown g;
        quietGame(g, rec);
        g.characters[0] = character(100, 100, false, 1);
        BulletSlot b{true, 4, 32, bx, by};
        g.moveBullet(b);
        QCOMPARE(!g.characters[0].active, hit);
    }

    // A bullet leaves at the top edge.
    void bulletLeavesTop()
    {
        TestEnv env;
        Recorder rec;
        ShootDown g;
        quietGame(g, rec);
        BulletSlot b{true, 6, 32, 100, 20};
        g.moveBullet(b);
        g.moveBullet(b);
        QVERIFY(b.active);
        QCOMPARE(b.y, 8);
        g.moveBullet(b);
        QVERIFY(!b.active);
    }

    // Two bombs landing on a one-slot launcher in one tick end the game once.
    void twoBombsEndOnce()
    {
        TestEnv env;
        Recorder rec;
        ShootDown g;
        quietGame(g, rec);
        QCOMPARE(g.p.bulletSlots, 1);
        g.launcherX = 100;
        g.bombs[0] = {true, 2, 8, 0, 0, 110, H - 25};
        g.bombs[1] = {true, 2, 8, 0, 0, 130, H - 25};
        g.bombsFalling = 2;
        QCOMPARE(g.tick(0), ShootDown::TickResult::Destroyed);
        QCOMPARE(rec.sounds, QStringList{"Bang"});
        QCOMPARE(rec.ticks, 0);
    }

    // A bomb on a launcher with more slots takes one away; one beside it does nothing.
    void bombTakesSlot_data()
    {
        QTest::addColumn<int>("bombX");
        QTest::addColumn<int>("slotsAfter");
        QTest::newRow("on the launcher") << 110 << 1;
        QTest::newRow("touching its left end") << 93 << 1;
        QTest::newRow("just left of it") << 92 << 2;
        QTest::newRow("touching its right end") << 171 << 1;
        QTest::newRow("just right of it") << 172 << 2;
    }
    void bombTakesSlot()
    {
        TestEnv env;
        QFETCH(int, bombX);
        QFETCH(int, slotsAfter);
        Recorder rec;
        ShootDown g;
        quietGame(g, rec, 2);
        QCOMPARE(g.p.bulletSlots, 2);
        g.launcherX = 100;
        g.bombs[0] = {true, 2, 8, 0, 0, bombX, H - 25};
        g.bombsFalling = 1;
        QCOMPARE(g.tick(0), ShootDown::TickResult::Running);
        QVERIFY(!g.bombs[0].active);
        QCOMPARE(g.bombsFalling, 0);
        QCOMPARE(g.p.bulletSlots, slotsAfter);
        QCOMPARE(rec.sounds.contains(QStringLiteral("Hazure")), slotsAfter == 1);
    }

    // A bomb shot in the very tick it would reach the strip does not hurt the launcher.
    void bombShotInLandingTick()
    {
        TestEnv env;
        Recorder rec;
        ShootDown g;
        quietGame(g, rec);
        g.launcherX = 100;
        g.bombs[0] = {true, 2, 8, 0, 0, 136, H - 25};
        g.bombsFalling = 1;
        g.bullets[0] = {true, 4, 32, 130, H - 40};
        QCOMPARE(g.tick(0), ShootDown::TickResult::Running);
        QVERIFY(!g.bombs[0].active);
        QVERIFY(!g.bullets[0].active);
        QCOMPARE(g.bombsFalling, 0);
        QCOMPARE(g.p.bulletSlots, 1);
        QCOMPARE(rec.sounds, QStringList{"Hazure"});
    }

    // Drifting bombs turn at the edges; a drift limit below 5 drops them straight.
    void bombDrift_data()
    {
        QTest::addColumn<int>("drift");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("xAfter");
        QTest::addColumn<int>("driftAfter");
        QTest::newRow("right") << 1 << 100 << 105 << 1;
        QTest::newRow("right turns") << 1 << 324 << 324 << 2;
        QTest::newRow("left") << 2 << 100 << 95 << 2;
        QTest::newRow("left to zero") << 2 << 5 << 0 << 2;
        QTest::newRow("left turns") << 2 << 4 << 4 << 1;
        QTest::newRow("none") << 0 << 100 << 100 << 0;
    }
    void bombDrift()
    {
        TestEnv env;
        QFETCH(int, drift);
        QFETCH(int, x);
        QFETCH(int, xAfter);
        QFETCH(int, driftAfter);
        Recorder rec;
        ShootDown g;
        quietGame(g, rec);
        BombSlot b{true, 2, 8, drift, 5, x, 100};
        QVERIFY(!g.moveBomb(b));
        QCOMPARE(b.x, xAfter);
        QCOMPARE(b.drift, driftAfter);
        QCOMPARE(b.y, 102);
    }

    // Characters drop bombs up to the limit, under themselves.
    void bombDrop()
    {
        TestEnv env;
        Recorder rec;
        ShootDown g;
        quietGame(g, rec, 4);
        QCOMPARE(g.p.bombLimit, 2);
        g.characters[0] = character(200, 100, false, 1);
        while (g.characters[0].active)
            g.moveCharacter(g.characters[0]);
        QCOMPARE(g.bombsFalling, 2);
        QVERIFY(g.bombs[0].active && g.bombs[1].active);
        QVERIFY(!g.bombs[2].active);
        QCOMPARE(g.bombs[0].y, 108);
        QCOMPARE(int(g.bombs[0].speed), 2);
        QVERIFY(g.bombs[0].drift == 1 || g.bombs[0].drift == 2);
        QVERIFY(g.bombs[0].driftStep >= 0 && g.bombs[0].driftStep < 6);
    }

    // Held fire with three slots shoots every 4 frame steps while fewer than three fly.
    void fireCadence()
    {
        TestEnv env;
        Recorder rec;
        ShootDown g;
        g.setUp(W, H, 6, &rec);
        g.start(5, 0);
        QCOMPARE(g.p.bulletSlots, 3);
        g.p.characterSlots = 0;
        g.question.newQuestion = false;
        g.setHeld(HeldControl::Fire);
        QList<int> shotFrames;
        int frames = 0;
        for (int t = 0; t < 200 && shotFrames.size() < 5; ++t) {
            const int before = rec.frames;
            const qsizetype shots = rec.sounds.count(QStringLiteral("Hassha"));
            g.tick(0);
            frames += rec.frames - before;
            if (rec.sounds.count(QStringLiteral("Hassha")) != shots)
                shotFrames << frames;
            QVERIFY(g.bulletsInFlight <= 3);
        }
        QCOMPARE(shotFrames.mid(0, 3), (QList<int>{4, 8, 12}));
        // The fourth waits until the first bullet has left the top.
        QVERIFY(shotFrames[3] > 16);
        QCOMPARE(g.bullets[0].x, g.launcherX + 36);
    }

    // A new bullet starts at the middle of the launcher, on the strip's top edge.
    void bulletStart()
    {
        TestEnv env;
        Recorder rec;
        ShootDown g;
        quietGame(g, rec);
        g.launcherX = 50;
        g.fire();
        QVERIFY(g.bullets[0].active);
        QCOMPARE(g.bullets[0].x, 86);
        QCOMPARE(g.bullets[0].y, H - 24);
        QCOMPARE(g.bullets[0].speed, 4);
        QCOMPARE(g.bulletsInFlight, 1);
    }

    // The launcher stays between x = 1 and a little past W - 72.
    void launcherBounds_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("held");
        QTest::addColumn<int>("end");
        QTest::newRow("left from the middle") << 144 << int(HeldControl::Left) << 4;
        QTest::newRow("left from 11") << 11 << int(HeldControl::Left) << 1;
        QTest::newRow("left from 10") << 10 << int(HeldControl::Left) << 10;
        QTest::newRow("right from the middle") << 144 << int(HeldControl::Right) << 294;
        QTest::newRow("right from 287") << 287 << int(HeldControl::Right) << 297;
        QTest::newRow("right from 288") << 288 << int(HeldControl::Right) << 288;
        QTest::newRow("fire holds still") << 144 << int(HeldControl::Fire) << 144;
    }
    void launcherBounds()
    {
        TestEnv env;
        QFETCH(int, start);
        QFETCH(int, held);
        QFETCH(int, end);
        Recorder rec;
        ShootDown g;
        quietGame(g, rec);
        g.launcherX = start;
        g.setHeld(static_cast<HeldControl>(held));
        for (int i = 0; i < 100; ++i) {
            g.tick(0);
            QVERIFY(g.launcherX >= 1 && g.launcherX <= W - 72 + 9);
        }
        QCOMPARE(g.launcherX, end);
    }

    // A spawn takes its lane's place at the right edge; the lane stays closed for the rest
    // of the frame step and while the character is near the edge.
    void spawnInLanes()
    {
        TestEnv env;
        Recorder rec;
        ShootDown g;
        quietGame(g, rec, 10);
        g.p.lanes = 4;
        QSet<int> lanesSeen;
        for (int i = 0; i < 2000; ++i) {
            g.laneFree.fill(true);
            CharacterSlot c;
            c.wait = 51;
            g.trySpawn(c);
            if (!c.active)
                continue;
            lanesSeen << c.lane;
            QCOMPARE(c.x, W);
            QCOMPARE(c.y, 50 * c.lane);
            QCOMPARE(int(c.speed), 3 * c.lane);
            QCOMPARE(c.points, (4 - c.lane) + 10 + 1);
            QVERIFY(!g.laneFree[c.lane] && !g.laneFreeNext[c.lane]);
        }
        QCOMPARE(lanesSeen, (QSet<int>{1, 2, 3, 4}));
    }

    // No spawn before the wait is over, none into a closed lane.
    void spawnRefused()
    {
        TestEnv env;
        Recorder rec;
        ShootDown g;
        quietGame(g, rec);
        for (int i = 0; i < 500; ++i) {
            CharacterSlot c;
            c.wait = 50;
            g.trySpawn(c);
            QVERIFY(!c.active);
        }
        g.laneFree[1] = false;
        for (int i = 0; i < 500; ++i) {
            CharacterSlot c;
            c.wait = 200;
            g.trySpawn(c);
            QVERIFY(!c.active);
        }
    }

    // While a new question is pending only decoys appear, and never the answer's kanji.
    void decoysWhileQuestionPending()
    {
        TestEnv env;
        Recorder rec;
        ShootDown g;
        quietGame(g, rec);
        g.question.newQuestion = true;
        for (int i = 0; i < 500; ++i) {
            g.laneFree.fill(true);
            CharacterSlot c;
            c.wait = 51;
            g.trySpawn(c);
            if (c.active) {
                QVERIFY(!c.correct);
                QVERIFY(c.sprite != g.question.current);
            }
        }
    }

    // A right character counts down the quota, and the last one asks for a new question.
    void rightCharacterUsesQuota()
    {
        TestEnv env;
        Recorder rec;
        ShootDown g;
        quietGame(g, rec);
        g.question.quota = 1;
        for (int i = 0; i < 2000 && !g.question.newQuestion; ++i) {
            g.laneFree.fill(true);
            CharacterSlot c;
            c.wait = 51;
            g.trySpawn(c);
            if (c.active && c.correct)
                QCOMPARE(int(c.sprite), g.question.current);
        }
        QVERIFY(g.question.newQuestion);
        QCOMPARE(g.question.correctOnScreen, 1);
    }

    // A lane closed by a character near the right edge opens again once it moves on.
    void laneFreesAfterCharacterMovesOn()
    {
        TestEnv env;
        Recorder rec;
        ShootDown g;
        quietGame(g, rec);
        g.p.characterSlots = 1;
        g.characters[0] = character(W - 60, 50, false, 1);
        g.characters[0].speed = 3;
        g.ticker.frameDivider = 1;
        g.ticker.tickCounter = 1;
        g.tick(0);
        QCOMPARE(g.characters[0].x, W - 63);
        QVERIFY(!g.laneFree[1]);
        g.tick(0);
        QCOMPARE(g.characters[0].x, W - 66);
        QVERIFY(g.laneFree[1]);
    }

    // A sentence file that cannot be read stops the game in the tick.
    void unreadableSentenceStops()
    {
        TestEnv env;
        Recorder rec;
        rec.sentenceReadable = false;
        ShootDown g;
        g.setUp(W, H, 1, &rec);
        g.start(5, 0);
        QCOMPARE(g.tick(0), ShootDown::TickResult::Stopped);
    }

    // The remaining time as the label shows it.
    void remainingText_data()
    {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << qint64(90000) << QStringLiteral("のこり1分30秒");
        QTest::newRow("fraction dropped") << qint64(89999) << QStringLiteral("のこり1分29秒");
        QTest::newRow("one minute") << qint64(60000) << QStringLiteral("のこり1分0秒");
        QTest::newRow("under a minute") << qint64(59999) << QStringLiteral("のこり59秒");
        QTest::newRow("zero") << qint64(0) << QStringLiteral("のこり0秒");
        QTest::newRow("past") << qint64(-700) << QStringLiteral("のこり0秒");
        QTest::newRow("ten minutes") << qint64(605000) << QStringLiteral("のこり5秒");
    }
    void remainingText()
    {
        QFETCH(qint64, ms);
        QFETCH(QString, text);
        QCOMPARE(RemainingTimeText(ms), text);
    }

    // A fixed seed always gives the same opening: the order of the random draws is part of
    // the game, so a change in it shows here.
    void goldenOpening()
    {
        TestEnv env;
        RandomSeed(2024);
        Recorder rec;
        ShootDown g;
        g.setUp(W, H, 4, &rec);
        g.start(3, 0);
        QStringList spawns;
        for (int t = 0; t < 400 && spawns.size() < 6; ++t) {
            std::array<bool, ShootDown::CharacterCount> before{};
            for (int i = 0; i < ShootDown::CharacterCount; ++i)
                before[i] = g.characters[i].active;
            g.tick(0);
            for (int i = 0; i < ShootDown::CharacterCount; ++i) {
                const CharacterSlot& c = g.characters[i];
                if (c.active && !before[i] && c.x == W)
                    spawns << QStringLiteral("%1:%2:%3:%4")
                                  .arg(i)
                                  .arg(c.lane)
                                  .arg(c.sprite)
                                  .arg(c.correct ? 1 : 0);
            }
        }
        // slot:lane:sprite:right
        QCOMPARE(spawns, (QStringList{"16:2:5:1", "9:1:9:0", "7:2:5:1", "5:1:5:1", "2:2:4:0",
                                      "3:2:1:0"}));
    }

    // The level table at both ends of each row.
    void levelTable_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("slotMin");
        QTest::addColumn<int>("slotMax");
        QTest::addColumn<QList<int>>("rest");  // bullets, bullet speed, lanes, bombs, speed, drift
        QTest::newRow("0") << 0 << 7 << 9 << QList<int>{1, 4, 1, 1, 1, 1};
        QTest::newRow("1") << 1 << 7 << 9 << QList<int>{1, 4, 1, 1, 1, 1};
        QTest::newRow("2") << 2 << 10 << 12 << QList<int>{2, 5, 2, 1, 1, 5};
        QTest::newRow("3") << 3 << 10 << 12 << QList<int>{2, 5, 2, 1, 1, 5};
        QTest::newRow("4") << 4 << 13 << 17 << QList<int>{2, 5, 2, 2, 2, 6};
        QTest::newRow("7") << 7 << 15 << 19 << QList<int>{3, 6, 3, 2, 2, 8};
        QTest::newRow("8") << 8 << 18 << 22 << QList<int>{3, 6, 3, 3, 3, 10};
        QTest::newRow("10") << 10 << 20 << 24 << QList<int>{3, 6, 3, 3, 3, 15};
        QTest::newRow("15") << 15 << 20 << 24 << QList<int>{3, 6, 3, 3, 3, 15};
    }
    void levelTable()
    {
        TestEnv env;
        QFETCH(int, level);
        QFETCH(int, slotMin);
        QFETCH(int, slotMax);
        QFETCH(QList<int>, rest);
        QSet<int> seen;
        for (int i = 0; i < 300; ++i) {
            const ShootDownLevel p = ShootDownLevelFor(level);
            seen << p.characterSlots;
            QCOMPARE((QList<int>{p.bulletSlots, p.bulletSpeed, p.lanes, p.bombLimit, p.bombSpeed,
                                 p.bombDrift}),
                     rest);
        }
        QCOMPARE(*std::min_element(seen.begin(), seen.end()), slotMin);
        QCOMPARE(*std::max_element(seen.begin(), seen.end()), slotMax);
    }
};

QTEST_MAIN(TestShootDown)
#include "test_shootdown.moc"
