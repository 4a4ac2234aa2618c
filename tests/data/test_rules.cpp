// SPDX-License-Identifier: GPL-3.0-or-later
// Level-up, ranking, best-score and level kanji set rules of the shared tables.
#include "data/Dates.h"
#include "data/Rules.h"
#include "support/TestEnv.h"

#include <QtTest>

class TestRules : public QObject {
    Q_OBJECT

    void addPlayer(int gakunen)
    {
        ++Player_Count;
        TPlayerRec& p = Player_Tbl[Player_Count];
        p.No = Player_Count;
        p.Name.setSjis(QByteArray("ken"));
        p.Gakunen = static_cast<std::int16_t>(gakunen);
        Cur_Player = Player_Count;
    }

    void storeScores(int game, const QList<int>& scores)
    {
        for (int i = 0; i < scores.size(); ++i) {
            TKirokuRec& k = Kiroku_Tbl[game][i + 1];
            k.Game = static_cast<std::int16_t>(game);
            k.Rank = static_cast<std::int16_t>(i + 1);
            k.Name.setSjis(QByteArray("old") + QByteArray::number(i + 1));
            k.Tokuten = scores[i];
        }
    }

    QList<int> scoresOf(int game)
    {
        QList<int> s;
        for (int r = 1; r <= MaxRanks; ++r)
            if (Kiroku_Tbl[game][r].Game != 0)
                s << Kiroku_Tbl[game][r].Tokuten;
        return s;
    }

private slots:
    // The kanji numbers a level plays, at both ends of every school year.
    void levelSet_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("y1 L1") << 1 << 1 << 1 << 10;
        QTest::newRow("y1 L8") << 1 << 8 << 71 << 80;
        QTest::newRow("y1 all clear") << 1 << 9 << 71 << 80;
        QTest::newRow("y2 L3") << 2 << 3 << 121 << 140;
        QTest::newRow("y4 L10") << 4 << 10 << 621 << 640;
        QTest::newRow("y5 L9") << 5 << 9 << 801 << 825;
        QTest::newRow("y6 L9") << 6 << 9 << 986 << 1006;
    }
    void levelSet()
    {
        TestEnv env;
        QFETCH(int, year);
        QFETCH(int, level);
        QFETCH(int, first);
        QFETCH(int, last);
        const QVector<int> set = LevelKanjiSet(year, level);
        QCOMPARE(set.first(), first);
        QCOMPARE(set.last(), last);
        QCOMPARE(set.size(), last - first + 1);
    }

    // Credits per game, level rising, and progress counting on after every level is cleared.
    void levelUp()
    {
        TestEnv env;
        addPlayer(2);
        StartGame(2);
        TPlayerRec& p = Player_Tbl[Cur_Player];
        p.Level[2] = 3;
        p.Progress[2] = 9;
        LevelUp(2);
        QCOMPARE(p.Level[2], 4);
        QCOMPARE(p.Progress[2], 0);

        StartGame(1);
        LevelUp(1);
        QCOMPARE(p.Level[1], 1);
        LevelUp(1);
        QCOMPARE(p.Level[1], 2);

        addPlayer(1);
        StartGame(1);
        TPlayerRec& q = Player_Tbl[Cur_Player];
        q.Level[1] = 8;
        LevelUp(1);
        LevelUp(1);
        QCOMPARE(q.Level[1], 9);
        QVERIFY(IsAllClear(1, q.Level[1]));
        LevelUp(1);
        LevelUp(1);
        LevelUp(1);
        QCOMPARE(q.Level[1], 9);
        QCOMPARE(q.Progress[1], 3);
    }

    // Equal scores rank above stored ones; a full table drops its tenth or refuses the entry.
    void ranking()
    {
        TestEnv env;
        addPlayer(3);
        storeScores(5, {50, 40, 40, 30});
        RankingResult r = EnterResult(5, 40, DayNumber(QDate(2026, 4, 10)));
        QCOMPARE(r.newRank, 2);
        QCOMPARE(scoresOf(5), (QList<int>{50, 40, 40, 40, 30}));
        QCOMPARE(Kiroku_Tbl[5][2].Name.sjis(), QByteArray("ken"));
        QCOMPARE(Kiroku_Tbl[5][3].Name.sjis(), QByteArray("old2"));
        QCOMPARE(Kiroku_Tbl[5][2].Gakunen, 3);
        QCOMPARE(FormatHizuke(Kiroku_Tbl[5][2].Hizuke), QStringLiteral("26/04/10"));

        storeScores(6, {100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
        r = EnterResult(6, 5, 0);
        QCOMPARE(r.newRank, 0);
        QCOMPARE(r.entries.size(), 10);
        QCOMPARE(scoresOf(6), (QList<int>{100, 90, 80, 70, 60, 50, 40, 30, 20, 10}));

        r = EnterResult(6, 10, 0);
        QCOMPARE(r.newRank, 10);
        QCOMPARE(Kiroku_Tbl[6][10].Name.sjis(), QByteArray("ken"));

        r = EnterResult(7, 0, 0);
        QCOMPARE(r.newRank, 1);
        QCOMPARE(r.entries.size(), 1);
        QVERIFY(r.entries[0].isNew);
    }

    // The best score rises only when strictly greater, whether or not the ranking took it.
    void bestScore()
    {
        TestEnv env;
        addPlayer(1);
        ApplyBestScore(3, 20);
        QCOMPARE(Player_Tbl[Cur_Player].Best[3], 20);
        ApplyBestScore(3, 20);
        ApplyBestScore(3, 10);
        QCOMPARE(Player_Tbl[Cur_Player].Best[3], 20);
        ApplyBestScore(3, 21);
        QCOMPARE(Player_Tbl[Cur_Player].Best[3], 21);
    }

    // Day numbers count from 30 December 1899 and print as yy/mm/dd.
    void dates()
    {
        QCOMPARE(DayNumber(QDate(1899, 12, 30)), 0.0);
        QCOMPARE(DayNumber(QDate(1900, 1, 1)), 2.0);
        QCOMPARE(DateFromDayNumber(46122.0), QDate(2026, 4, 10));
        QCOMPARE(FormatHizuke(DayNumber(QDate(2009, 1, 5))), QStringLiteral("09/01/05"));
    }
};

QTEST_MAIN(TestRules)
#include "test_rules.moc"
