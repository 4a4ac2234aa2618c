// SPDX-License-Identifier: GPL-3.0-or-later
// The matching game's plain rules: points, the computer's memory and choice, the deal.
#include "data/Rules.h"
#include "data/Tables.h"
#include "games/puzzle/ComputerMemory.h"
#include "games/puzzle/MatchingBoard.h"
#include "games/puzzle/MatchingPoints.h"
#include "platform/Random.h"
#include "support/TestEnv.h"

#include <QSet>
#include <QtTest>

namespace {
// A board dealt in card order: cards 1-4 carry kanji 101, 5-8 kanji 102, and so on.
MatchingBoard orderedBoard()
{
    MatchingBoard b;
    b.reset();
    for (int c = 1; c <= CardCount; ++c)
        b.Card_Kanji[c] = static_cast<std::int16_t>(101 + (c - 1) / 4);
    return b;
}
}  // namespace

class TestGame1Rules : public QObject {
    Q_OBJECT

private slots:
    // Whole points from the four factors, including the worked example and a turn past a minute.
    void points_data()
    {
        QTest::addColumn<int>("strength");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("elapsedMs");
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("points");
        QTest::newRow("example ふつう L3 6 s d=7") << 1 << 3 << 6000 << 7 << 6;
        QTest::newRow("62 s counts as 2 s") << 1 << 3 << 62000 << 7 << 7;
        QTest::newRow("つよい L1 fast, d=2") << 0 << 1 << 1500 << 2 << 4;
        QTest::newRow("よわい L1 slow, d=2") << 2 << 1 << 30000 << 2 << 1;
        QTest::newRow("つよい L10 fast, d=20") << 0 << 10 << 0 << 20 << 24;
        QTest::newRow("ふつう L5 10.9 s, d=12") << 1 << 5 << 10900 << 12 << 8;
    }
    void points()
    {
        QFETCH(int, strength);
        QFETCH(int, level);
        QFETCH(int, elapsedMs);
        QFETCH(int, d);
        QFETCH(int, points);
        const float t = TimeFactorFor(SecondsField(elapsedMs));
        QCOMPARE(PairPoints(TsuyosaFactorFor(strength), t, MemoryFactorFor(d), LevelFactorFor(level)), points);
    }

    // The time factor at both ends of every band; only the seconds field counts.
    void timeFactor_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<float>("factor");
        QTest::newRow("0") << 0 << 2.0f;
        QTest::newRow("4.999") << 4999 << 2.0f;
        QTest::newRow("5") << 5000 << 1.8f;
        QTest::newRow("6") << 6999 << 1.8f;
        QTest::newRow("7") << 7000 << 1.6f;
        QTest::newRow("8") << 8000 << 1.6f;
        QTest::newRow("9") << 9000 << 1.4f;
        QTest::newRow("10") << 10999 << 1.4f;
        QTest::newRow("11") << 11000 << 1.2f;
        QTest::newRow("15") << 15999 << 1.2f;
        QTest::newRow("16") << 16000 << 1.0f;
        QTest::newRow("59") << 59999 << 1.0f;
        QTest::newRow("60 is 0") << 60000 << 2.0f;
        QTest::newRow("62 is 2") << 62000 << 2.0f;
        QTest::newRow("75 is 15") << 75000 << 1.2f;
    }
    void timeFactor()
    {
        QFETCH(int, ms);
        QFETCH(float, factor);
        QCOMPARE(TimeFactorFor(SecondsField(ms)), factor);
    }

    // The memory factor grows by 0.1 a turn from d = 2 up to 2.0 at 12, and stays there.
    void memoryFactor_data()
    {
        QTest::addColumn<int>("d");
        QTest::addColumn<float>("factor");
        QTest::newRow("-1") << -1 << 1.0f;
        QTest::newRow("2") << 2 << 1.0f;
        QTest::newRow("7") << 7 << 1.5f;
        QTest::newRow("12") << 12 << 2.0f;
        QTest::newRow("13") << 13 << 2.0f;
        QTest::newRow("40") << 40 << 2.0f;
    }
    void memoryFactor()
    {
        QFETCH(int, d);
        QFETCH(float, factor);
        QVERIFY(qAbs(MemoryFactorFor(d) - factor) < 1e-6f);
    }

    // A card never turned counts the whole turn number.
    void memoryDistance()
    {
        QCOMPARE(MemoryDistance(7, 3, 4), 7);
        QCOMPARE(MemoryDistance(5, 0, 0), 10);
        QCOMPARE(MemoryDistance(1, 0, 0), 2);
    }

    // The chance to remember, at the ends of every band of cards on the board.
    void memoryPercent_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<QList<int>>("percent");  // つよい, ふつう, よわい
        QTest::newRow("1") << 1 << QList<int>{80, 60, 50};
        QTest::newRow("4") << 4 << QList<int>{80, 60, 50};
        QTest::newRow("5") << 5 << QList<int>{60, 40, 25};
        QTest::newRow("12") << 12 << QList<int>{60, 40, 25};
        QTest::newRow("13") << 13 << QList<int>{40, 30, 15};
        QTest::newRow("24") << 24 << QList<int>{40, 30, 15};
        QTest::newRow("25") << 25 << QList<int>{30, 15, 10};
        QTest::newRow("36") << 36 << QList<int>{30, 15, 10};
    }
    void memoryPercent()
    {
        QFETCH(int, r);
        QFETCH(QList<int>, percent);
        for (int t = 1; t <= 3; ++t)
            QCOMPARE(MemoryPercent(r, t), percent[t - 1]);
    }

    // The roll remembers both cards exactly when Random(100) falls below the chance; nothing is forgotten.
    void memoryRoll()
    {
        TestEnv env;
        for (int seed = 1; seed <= 60; ++seed) {
            RandomSeed(seed);
            const int draw = Random(100);
            MatchingBoard b = orderedBoard();
            b.Com_Kioku[9] = 103;  // remembered earlier
            RandomSeed(seed);
            const bool kept = MemoryRoll(b, 1, 5, 2);
            QCOMPARE(kept, draw < 15);  // 36 cards, ふつう
            QCOMPARE(b.Com_Kioku[1], kept ? 101 : 0);
            QCOMPARE(b.Com_Kioku[5], kept ? 102 : 0);
            QCOMPARE(b.Com_Kioku[9], 103);
        }
    }

    // A remembered pair is taken first; with several, the one whose first card comes first.
    void knownPairFirst()
    {
        TestEnv env;
        MatchingBoard b = orderedBoard();
        b.Com_Kioku[30] = b.Card_Kanji[30];
        b.Com_Kioku[31] = b.Card_Kanji[31];  // same kanji as 30
        b.Com_Kioku[6] = b.Card_Kanji[6];
        b.Com_Kioku[9] = b.Card_Kanji[9];    // single cards of other kanji
        b.Com_Kioku[12] = b.Card_Kanji[12];  // pairs with 9
        const auto pick = Com_Select(b, 1);
        QCOMPARE(pick.first, 9);
        QCOMPARE(pick.second, 12);
        b.removePair(9, 12);
        const auto next = Com_Select(b, 1);
        QCOMPARE(next.first, 30);
        QCOMPARE(next.second, 31);
    }

    // Without a known pair the two cards differ, lie on the board, and every card can come up.
    void blindPick()
    {
        TestEnv env;
        MatchingBoard base = orderedBoard();
        base.removePair(1, 2);
        base.Com_Kioku[3] = base.Card_Kanji[3];  // one card alone is no pair
        QSet<int> firsts, seconds;
        for (int i = 0; i < 2000; ++i) {
            MatchingBoard b = base;
            const auto pick = Com_Select(b, 3);
            QVERIFY(pick.first != pick.second);
            QVERIFY(b.onBoard(pick.first));
            QVERIFY(b.onBoard(pick.second));
            firsts.insert(pick.first);
            seconds.insert(pick.second);
        }
        QCOMPARE(firsts.size(), 34);
        QCOMPARE(seconds.size(), 34);
    }

    // With two cards left the computer turns exactly those.
    void lastTwoCards()
    {
        TestEnv env;
        MatchingBoard b = orderedBoard();
        for (int c = 1; c <= 33; c += 2)
            b.removePair(c, c + 1);
        QCOMPARE(b.Nokori_Count, 2);
        const auto pick = Com_Select(b, 2);
        QCOMPARE(QSet<int>({pick.first, pick.second}), QSet<int>({35, 36}));
    }

    // Taking a pair off closes the gap and keeps the order.
    void removePair()
    {
        MatchingBoard b;
        b.reset();
        b.removePair(1, 36);
        b.removePair(10, 11);
        QCOMPARE(b.Nokori_Count, 32);
        QCOMPARE(b.Nokori_List[1], 2);
        QCOMPARE(b.Nokori_List[9], 12);
        QCOMPARE(b.Nokori_List[32], 35);
        QVERIFY(!b.onBoard(36));
        QVERIFY(b.onBoard(35));
    }

    // Cards are numbered down the columns.
    void cardPlaces_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::newRow("1") << 1 << 1 << 1;
        QTest::newRow("6") << 6 << 1 << 6;
        QTest::newRow("7") << 7 << 2 << 1;
        QTest::newRow("20") << 20 << 4 << 2;
        QTest::newRow("36") << 36 << 6 << 6;
    }
    void cardPlaces()
    {
        QFETCH(int, card);
        QFETCH(int, col);
        QFETCH(int, row);
        QCOMPARE(CardColumn(card), col);
        QCOMPARE(CardRow(card), row);
    }

    // The level's kanji: the last level's own count, the last level again past it, at most 20.
    void candidates_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::newRow("y1 L1") << 1 << 1 << 1 << 10;
        QTest::newRow("y1 L8 last") << 1 << 8 << 71 << 10;
        QTest::newRow("y1 all clear") << 1 << 9 << 71 << 10;
        QTest::newRow("y3 L2") << 3 << 2 << 261 << 20;
        QTest::newRow("y4 L10") << 4 << 10 << 621 << 20;
        QTest::newRow("y5 L9 capped") << 5 << 9 << 801 << 20;
    }
    void candidates()
    {
        TestEnv env;
        QFETCH(int, year);
        QFETCH(int, level);
        QFETCH(int, first);
        QFETCH(int, count);
        Player_Count = 1;
        Cur_Player = 1;
        Player_Tbl[1].Gakunen = static_cast<std::int16_t>(year);
        StartGame(1);
        if (level != Cur_Levels)
            Cur_LastLevel = Cur_PerLevel;
        const QVector<int> set = MatchingCandidates(level);
        QCOMPARE(set.size(), count);
        QCOMPARE(set.first(), first);
        QCOMPARE(set.last(), first + count - 1);
    }

    // Nine different kanji from the candidates, each on exactly four cards, every card dealt.
    void deal()
    {
        TestEnv env;
        QVector<int> cand;
        for (int k = 201; k <= 220; ++k)
            cand << k;
        for (int seed = 1; seed <= 20; ++seed) {
            RandomSeed(seed);
            const QVector<int> kanji = DrawGameKanji(cand);
            QCOMPARE(kanji.size(), 9);
            QCOMPARE(QSet<int>(kanji.begin(), kanji.end()).size(), 9);
            MatchingBoard b;
            b.reset();
            DealCards(b, kanji);
            QMap<int, int> count;
            for (int c = 1; c <= CardCount; ++c) {
                QVERIFY(cand.contains(b.Card_Kanji[c]));
                ++count[b.Card_Kanji[c]];
            }
            QCOMPARE(count.size(), 9);
            for (int n : count)
                QCOMPARE(n, 4);
        }
    }

    // The same seed deals the same board.
    void dealIsRepeatable()
    {
        QVector<int> cand;
        for (int k = 1; k <= 10; ++k)
            cand << k;
        auto dealt = [&] {
            RandomSeed(777);
            MatchingBoard b;
            b.reset();
            DealCards(b, DrawGameKanji(cand));
            return b.Card_Kanji;
        };
        QCOMPARE(dealt(), dealt());
    }
};

QTEST_MAIN(TestGame1Rules)
#include "test_game1_rules.moc"
