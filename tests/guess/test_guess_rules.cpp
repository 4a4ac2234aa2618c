// SPDX-License-Identifier: GPL-3.0-or-later
// The picture games' plain rules: division counts, question draw, answer check, game 2's board
// and score, the ending sequence's steps and the candidate picker's grid.
#include "data/Rules.h"
#include "data/Tables.h"
#include "games/guess/EndingSequence.h"
#include "games/guess/GuessBoard.h"
#include "games/guess/KanjiSelLayout.h"
#include "games/guess/PictureGameRules.h"
#include "platform/Cp932.h"
#include "platform/Random.h"
#include "support/TestEnv.h"

#include <QtTest>

class TestGuessRules : public QObject {
    Q_OBJECT
private slots:
    // The practice list grows with the stored level, at both ends of each step.
    void divisionItems_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("items");
        QTest::newRow("1") << 1 << "3 4 5";
        QTest::newRow("2") << 2 << "3 4 5";
        QTest::newRow("3") << 3 << "3 4 5 6";
        QTest::newRow("4") << 4 << "3 4 5 6 8";
        QTest::newRow("5") << 5 << "3 4 5 6 8";
        QTest::newRow("6") << 6 << "3 4 5 6 8 9";
        QTest::newRow("7") << 7 << "3 4 5 6 8 9 10";
        QTest::newRow("8") << 8 << "3 4 5 6 8 9 10";
        QTest::newRow("9") << 9 << "3 4 5 6 8 9 10 12";
        QTest::newRow("10") << 10 << "3 4 5 6 8 9 10 12 15";
        QTest::newRow("20") << 20 << "3 4 5 6 8 9 10 12 15";
    }
    void divisionItems()
    {
        QFETCH(int, level);
        QFETCH(QString, items);
        QCOMPARE(DivisionItems(level).join(QLatin1Char(' ')), items);
    }

    // A challenge's N follows the stored level.
    void challengeN_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("n");
        const int table[][2] = {{1, 5}, {2, 6}, {3, 8}, {4, 8}, {5, 9}, {6, 10},
                                {7, 12}, {8, 12}, {9, 15}, {11, 15}};
        for (const auto& r : table)
            QTest::newRow(qPrintable(QString::number(r[0]))) << r[0] << r[1];
    }
    void challengeN()
    {
        QFETCH(int, level);
        QFETCH(int, n);
        QCOMPARE(ChallengeDivisionCount(level), n);
    }

    // Game 2's score, truncated, from the start value to late in a game.
    void score_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("open");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("score");
        QTest::newRow("level 1 start") << 5 << 0 << 5 << 1 << 36;
        QTest::newRow("level 1 after 7") << 5 << 7 << 5 << 1 << 27;  // 23 x 1.2 = 27.6
        QTest::newRow("level 2 start") << 6 << 0 << 6 << 2 << 58;    // 42 x 1.4 = 58.8
        QTest::newRow("level 9 start") << 15 << 0 << 15 << 9 << 672; // 240 x 2.8
        QTest::newRow("all open, one left") << 3 << 9 << 1 << 1 << 1;
        // Extended precision (64-bit mantissa), not double, not exact: 90 x 2.6 is 233 here,
        // 234 exactly and in double; 45 x 2.8 and 90 x 2.8 are 126 and 252 here and exactly,
        // one less in double.
        QTest::newRow("level 8, 66 open, 12 left") << 12 << 66 << 12 << 8 << 233;
        QTest::newRow("level 8, 71 open, 12 left") << 12 << 71 << 12 << 8 << 220;   // 85: 221
        QTest::newRow("level 9, 195 open, 15 left") << 15 << 195 << 15 << 9 << 126; // dbl 125
        QTest::newRow("level 9, 150 open, 15 left") << 15 << 150 << 15 << 9 << 252; // dbl 251
    }
    void score()
    {
        QFETCH(int, n);
        QFETCH(int, open);
        QFETCH(int, left);
        QFETCH(int, level);
        QFETCH(int, score);
        QCOMPARE(GuessScore(n, open, left, level), score);
    }

    // Bomb chances by N, including the chosen 0.11 for N = 4.
    void bombProbability_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("p");
        const std::pair<int, double> t[] = {{3, 0.12}, {4, 0.11}, {5, 0.10}, {6, 0.09}, {8, 0.08},
                                            {9, 0.07}, {10, 0.06}, {12, 0.05}, {15, 0.04}};
        for (const auto& [n, p] : t)
            QTest::newRow(qPrintable(QString::number(n))) << n << p;
    }
    void bombProbability()
    {
        QFETCH(int, n);
        QFETCH(double, p);
        QCOMPARE(GuessBoard::BombProbability(n), p);
    }

    // A board where no draw gives a bomb gets exactly one, in the bottom-right cell.
    void forcedBomb()
    {
        TestEnv env;
        const int n = 3;
        quint64 seed = 1;
        for (;; ++seed) {
            RandomSeed(seed);
            bool none = true;
            for (int k = 0; k < n * n; ++k)
                none = none && RandomReal() >= GuessBoard::BombProbability(n);
            if (none)
                break;
        }
        RandomSeed(seed);
        GuessBoard b;
        b.setup(n);
        QCOMPARE(b.Bang_Count, 1);
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                QCOMPARE(b.bomb(i, j), i == n && j == n);
    }

    // Bombs are drawn column by column and counted.
    void bombsCounted()
    {
        TestEnv env;
        GuessBoard b;
        b.setup(15);
        int count = 0;
        for (int i = 1; i <= 15; ++i)
            for (int j = 1; j <= 15; ++j)
                count += b.bomb(i, j) ? 1 : 0;
        QCOMPARE(b.Bang_Count, count);
        QVERIFY(count >= 1);
    }

    // Pixel 0 and pixel c both lie in column 1; c + 1 begins column 2; the last pixel is in N.
    void cellAt_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("column");
        QTest::newRow("5: 0") << 5 << 0 << 1;
        QTest::newRow("5: c") << 5 << 72 << 1;
        QTest::newRow("5: c+1") << 5 << 73 << 2;
        QTest::newRow("5: 359") << 5 << 359 << 5;
        QTest::newRow("15: 24") << 15 << 24 << 1;
        QTest::newRow("15: 25") << 15 << 25 << 2;
        QTest::newRow("15: 359") << 15 << 359 << 15;
        QTest::newRow("3: 240") << 3 << 240 << 2;
        QTest::newRow("3: 241") << 3 << 241 << 3;
    }
    void cellAt()
    {
        QFETCH(int, n);
        QFETCH(int, x);
        QFETCH(int, column);
        GuessBoard b;
        b.setup(n);
        QCOMPARE(b.cellAt(x, 100).x(), column);
        QCOMPARE(b.cellAt(100, x).y(), column);
    }

    // Neighbours: the eight around a cell, only three at a corner, open bombs count too.
    void bombNear_data()
    {
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<QPoint>("bomb");
        QTest::addColumn<bool>("near");
        QTest::newRow("corner diagonal") << QPoint(1, 1) << QPoint(2, 2) << true;
        QTest::newRow("corner right") << QPoint(1, 1) << QPoint(2, 1) << true;
        QTest::newRow("corner below") << QPoint(1, 1) << QPoint(1, 2) << true;
        QTest::newRow("corner two away") << QPoint(1, 1) << QPoint(3, 1) << false;
        QTest::newRow("corner opposite") << QPoint(1, 1) << QPoint(5, 5) << false;
        QTest::newRow("bottom-right corner") << QPoint(5, 5) << QPoint(4, 4) << true;
        QTest::newRow("middle up-left") << QPoint(3, 3) << QPoint(2, 2) << true;
        QTest::newRow("middle down-right") << QPoint(3, 3) << QPoint(4, 4) << true;
        QTest::newRow("itself only") << QPoint(3, 3) << QPoint(3, 3) << false;
        QTest::newRow("edge wraps not") << QPoint(5, 3) << QPoint(1, 3) << false;
    }
    void bombNear()
    {
        QFETCH(QPoint, cell);
        QFETCH(QPoint, bomb);
        QFETCH(bool, near);
        GuessBoard b;
        b.setup(5);
        for (int i = 1; i <= 5; ++i)
            for (int j = 1; j <= 5; ++j)
                b.setBomb(i, j, false);
        b.setBomb(bomb.x(), bomb.y(), true);
        b.click(bomb.x(), bomb.y(), 1);  // opened bombs still warn
        QCOMPARE(b.bombNear(cell.x(), cell.y()), near);
    }

    // A bomb ends the game with two or more attempts left; with one it opens like a cell.
    void bombClick_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("outcome");
        QTest::newRow("5 left") << 5 << int(GuessBoard::Click::Bomb);
        QTest::newRow("2 left") << 2 << int(GuessBoard::Click::Bomb);
        QTest::newRow("1 left") << 1 << int(GuessBoard::Click::Opened);
    }
    void bombClick()
    {
        QFETCH(int, left);
        QFETCH(int, outcome);
        GuessBoard b;
        b.setup(5);
        b.setBomb(2, 3, true);
        QCOMPARE(int(b.click(2, 3, left)), outcome);
        QCOMPARE(b.Open_Count, outcome == int(GuessBoard::Click::Opened) ? 1 : 0);
    }

    // A second click on an open cell changes nothing.
    void openTwice()
    {
        GuessBoard b;
        b.setup(5);
        b.setBomb(1, 1, false);
        QCOMPARE(b.click(1, 1, 5), GuessBoard::Click::Opened);
        QCOMPARE(b.click(1, 1, 5), GuessBoard::Click::Nothing);
        QCOMPARE(b.Open_Count, 1);
    }

    // Answers: one double-byte character; two letters are a (wrong) answer; one letter, three
    // bytes or a character Shift-JIS cannot hold are refused.
    void kanjiAnswer_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("result");
        QTest::newRow("right") << "山" << int(KanjiAnswer::Right);
        QTest::newRow("right with blanks") << " 山 " << int(KanjiAnswer::Right);
        QTest::newRow("other kanji") << "川" << int(KanjiAnswer::Wrong);
        QTest::newRow("two letters") << "ab" << int(KanjiAnswer::Wrong);
        QTest::newRow("one letter") << "a" << int(KanjiAnswer::Refused);
        QTest::newRow("three bytes") << "山a" << int(KanjiAnswer::Refused);
        QTest::newRow("empty") << "" << int(KanjiAnswer::Refused);
        QTest::newRow("full-width blank kept") << "　山" << int(KanjiAnswer::Refused);
        QTest::newRow("outside cp932") << QString::fromUtf8("\xF0\xA0\xAE\xB7")
                                       << int(KanjiAnswer::Refused);
        QTest::newRow("emoji") << QString::fromUtf8("\xF0\x9F\x98\x80") << int(KanjiAnswer::Refused);
    }
    void kanjiAnswer()
    {
        QFETCH(QString, typed);
        QFETCH(int, result);
        QCOMPARE(int(CheckKanjiAnswer(typed, Cp932::fromUnicode(QStringLiteral("山")))), result);
    }

    // The question comes from the level's kanji; a challenge past the last level plays the last.
    void questionDraw_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("challenge");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("y1 L1") << 1 << 1 << true << 1 << 10;
        QTest::newRow("y1 L8") << 1 << 8 << true << 71 << 80;
        QTest::newRow("y1 all clear") << 1 << 9 << true << 71 << 80;
        QTest::newRow("y1 practice 10") << 1 << 10 << false << 91 << 100;
        QTest::newRow("y3 L10") << 3 << 10 << true << 421 << 440;
        QTest::newRow("y4 L2") << 4 << 2 << false << 461 << 480;
    }
    void questionDraw()
    {
        QFETCH(int, year);
        QFETCH(int, level);
        QFETCH(bool, challenge);
        QFETCH(int, first);
        QFETCH(int, last);
        TestEnv env;
        Player_Count = 1;
        Player_Tbl[1].Gakunen = static_cast<std::int16_t>(year);
        Cur_Player = 1;
        StartGame(2);
        QSet<int> seen;
        for (int t = 0; t < 400; ++t) {
            const int k = ChooseQuestionKanji(level, challenge);
            QVERIFY(k >= first && k <= last);
            seen.insert(k);
        }
        QCOMPARE(seen.size(), last - first + 1);
    }

    // The ending: after a bomb nine flashes (Img_Bang2 first), "Bang!" on the tenth tick, a
    // cleared board, 59 reveal ticks of 50 ms from half-side 6 to 180, one of 500 ms, the end.
    void endingAfterBomb()
    {
        EndingSequence e;
        e.begin(3);
        for (int t = 1; t <= 9; ++t) {
            const EndingStep s = e.tick();
            QCOMPARE(s.kind, EndingStep::Flash);
            QCOMPARE(s.flashPicture, t % 2 == 0 ? 1 : 2);
            QCOMPARE(s.interval, 100);
        }
        EndingStep s = e.tick();
        QCOMPARE(s.kind, EndingStep::Message);
        QCOMPARE(s.interval, 1500);
        QCOMPARE(e.Bang_Tick, 10);
        s = e.tick();
        QCOMPARE(s.kind, EndingStep::Clear);
        QCOMPARE(s.interval, 50);
        for (int t = 0; t < 59; ++t) {
            s = e.tick();
            QCOMPARE(s.kind, EndingStep::Reveal);
            QCOMPARE(s.half, 6 + 3 * t);
            QCOMPARE(s.interval, t == 58 ? 500 : 0);
        }
        QCOMPARE(s.half, 180);
        QCOMPARE(e.tick().kind, EndingStep::Finish);
    }

    // After an answer the message comes on the first tick, without flashes.
    void endingAfterAnswer_data()
    {
        QTest::addColumn<int>("kekka");
        QTest::newRow("right") << 1;
        QTest::newRow("wrong") << 2;
    }
    void endingAfterAnswer()
    {
        QFETCH(int, kekka);
        EndingSequence e;
        e.begin(kekka);
        QCOMPARE(e.tick().kind, EndingStep::Message);
        QCOMPARE(e.tick().kind, EndingStep::Clear);
        int reveals = 0;
        EndingStep s;
        while ((s = e.tick()).kind == EndingStep::Reveal)
            ++reveals;
        QCOMPARE(reveals, 59);
        QCOMPARE(s.kind, EndingStep::Finish);
    }

    // The picker's grid by school year: sizes, scaling and the column-wise fill.
    void pickerLayout_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("colWidth");
        QTest::addColumn<int>("rowHeight");
        QTest::addColumn<int>("font");
        QTest::newRow("y1") << 1 << 1.0 << 10 << 8 << 50 << 35 << 9;
        QTest::newRow("y2") << 2 << 1.0 << 16 << 10 << 32 << 32 << 9;
        QTest::newRow("y3") << 3 << 1.0 << 20 << 10 << 27 << 32 << 9;
        QTest::newRow("y4 large") << 4 << 1.25 << 20 << 10 << 33 << 40 << 11;
        QTest::newRow("y5") << 5 << 1.0 << 19 << 10 << 28 << 32 << 9;
        QTest::newRow("y6 large") << 6 << 1.25 << 19 << 10 << 35 << 40 << 11;
    }
    void pickerLayout()
    {
        QFETCH(int, year);
        QFETCH(double, scale);
        QFETCH(int, cols);
        QFETCH(int, rows);
        QFETCH(int, colWidth);
        QFETCH(int, rowHeight);
        QFETCH(int, font);
        const KanjiSelLayout l = KanjiSelLayoutFor(year, scale);
        QCOMPARE(l.cols, cols);
        QCOMPARE(l.rows, rows);
        QCOMPARE(l.colWidth, colWidth);
        QCOMPARE(l.rowHeight, rowHeight);
        QCOMPARE(l.fontSize, font);
    }

    // Year 1: kanji 1 to 8 down the first column, 9 to 16 down the second; year 5's last
    // column holds five kanji and five empty cells.
    void pickerCells()
    {
        TestEnv env;
        const KanjiSelLayout y1 = KanjiSelLayoutFor(1, 1.0);
        QCOMPARE(KanjiSelCell(1, y1, 0, 0), 1);
        QCOMPARE(KanjiSelCell(1, y1, 0, 7), 8);
        QCOMPARE(KanjiSelCell(1, y1, 1, 0), 9);
        QCOMPARE(KanjiSelCell(1, y1, 9, 7), 80);
        const KanjiSelLayout y5 = KanjiSelLayoutFor(5, 1.0);
        QCOMPARE(KanjiSelCell(5, y5, 0, 0), 641);
        QCOMPARE(KanjiSelCell(5, y5, 18, 4), 825);
        QCOMPARE(KanjiSelCell(5, y5, 18, 5), 0);
        QCOMPARE(KanjiSelCell(5, y5, 18, 9), 0);
    }
};

QTEST_MAIN(TestGuessRules)
#include "test_guess_rules.moc"
