// SPDX-License-Identifier: GPL-3.0-or-later
// The ranking window: entering a result, what it shows, and what it leaves in the tables.
#include "aftergame/Ranking.h"
#include "aftergame/TF_Game_Kiroku.h"
#include "data/Dates.h"
#include "data/Tables.h"
#include "platform/Cp932.h"
#include "platform/Modal.h"
#include "support/TestEnv.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {
void addPlayer(const QString& name, int gakunen)
{
    ++Player_Count;
    TPlayerRec& p = Player_Tbl[Player_Count];
    p.No = Player_Count;
    p.Name.setSjis(Cp932::fromUnicode(name));
    p.Gakunen = static_cast<std::int16_t>(gakunen);
    Cur_Player = Player_Count;
}

void storeScores(int game, const QList<int>& scores)
{
    for (int i = 0; i < scores.size(); ++i) {
        TKirokuRec& k = Kiroku_Tbl[game][i + 1];
        k.Game = static_cast<std::int16_t>(game);
        k.Rank = static_cast<std::int16_t>(i + 1);
        k.Name.setSjis(Cp932::fromUnicode(QStringLiteral("まえ%1").arg(i + 1)));
        k.Gakunen = 2;
        k.Tokuten = scores[i];
        k.Hizuke = DayNumber(QDate(2025, 12, 24));
    }
}

QList<int> storedScores(int game)
{
    QList<int> s;
    for (int r = 1; r <= MaxRanks; ++r)
        if (Kiroku_Tbl[game][r].Game != 0)
            s << Kiroku_Tbl[game][r].Tokuten;
    return s;
}

QStringList column(QTreeWidget* list, int c)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(c);
    return out;
}
}  // namespace

class TestKiroku : public QObject {
    Q_OBJECT

private slots:
    // Where the new score lands among the stored ones, which row is marked, and the message.
    void entering_data()
    {
        QTest::addColumn<QList<int>>("stored");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("rank");
        QTest::addColumn<QList<int>>("after");

        QTest::newRow("first result") << QList<int>{} << 35 << 1 << QList<int>{35};
        QTest::newRow("zero enters an empty ranking") << QList<int>{} << 0 << 1 << QList<int>{0};
        QTest::newRow("equal to the best goes first")
            << QList<int>{50, 40} << 50 << 1 << QList<int>{50, 50, 40};
        QTest::newRow("equal scores rank above stored")
            << QList<int>{50, 40, 40, 30} << 40 << 2 << QList<int>{50, 40, 40, 40, 30};
        QTest::newRow("ten higher: not entered")
            << QList<int>{100, 90, 80, 70, 60, 50, 40, 30, 20, 11} << 10 << 0
            << QList<int>{100, 90, 80, 70, 60, 50, 40, 30, 20, 11};
        QTest::newRow("equal to the tenth: old tenth falls off")
            << QList<int>{100, 90, 80, 70, 60, 50, 40, 30, 20, 10} << 10 << 10
            << QList<int>{100, 90, 80, 70, 60, 50, 40, 30, 20, 10};
        QTest::newRow("top of a full ranking")
            << QList<int>{100, 90, 80, 70, 60, 50, 40, 30, 20, 10} << 500 << 1
            << QList<int>{500, 100, 90, 80, 70, 60, 50, 40, 30, 20};
    }
    void entering()
    {
        TestEnv env;
        QFETCH(QList<int>, stored);
        QFETCH(int, score);
        QFETCH(int, rank);
        QFETCH(QList<int>, after);
        addPlayer(QStringLiteral("たろう"), 3);
        Cur_Game = 5;
        storeScores(5, stored);
        Last_Score = score;

        TF_Game_Kiroku w;
        QCOMPARE(w.ranking().newRank, rank);
        QCOMPARE(storedScores(5), after);
        QStringList scores;
        for (int s : after)
            scores << QString::number(s);
        QCOMPARE(column(w.Lst_Kiroku, 1), scores);

        QStringList marks;
        for (int i = 1; i <= after.size(); ++i)
            marks << (i == rank ? QStringLiteral("＊") : QStringLiteral("  "));
        QCOMPARE(column(w.Lst_Kiroku, 0), marks);

        const QColor text = w.Lbl_Goukaku_Msg1->palette().color(QPalette::WindowText);
        if (rank > 0) {
            QCOMPARE(w.Lbl_Goukaku_Msg1->text(),
                     QStringLiteral("やった！  %1 位にはいったよ。またがんばろう！").arg(rank));
            QCOMPARE(text, QColor(Qt::red));
            const TKirokuRec& mine = Kiroku_Tbl[5][rank];
            QCOMPARE(mine.Name.text(), QStringLiteral("たろう"));
            QCOMPARE(mine.Gakunen, 3);
            QCOMPARE(mine.Rank, rank);
            QCOMPARE(mine.Game, 5);
            QCOMPARE(mine.Hizuke, DayNumber(QDate(2026, 4, 10)));
            QCOMPARE(w.Lst_Kiroku->topLevelItem(rank - 1)->text(2), QStringLiteral("たろう"));
            QCOMPARE(w.Lst_Kiroku->topLevelItem(rank - 1)->text(4), QStringLiteral("26/04/10"));
        } else {
            QCOMPARE(w.Lbl_Goukaku_Msg1->text(),
                     QStringLiteral("ざんねん！ １０位までにはいれなかった。またがんばろう！"));
            QCOMPARE(text, QColor(Qt::black));
        }
        // Every other game's ranking stays as it was.
        QCOMPARE(storedScores(4), QList<int>{});
    }

    // Stored rows keep their own name, school year and date; every row is renumbered by position.
    void storedRowsShown()
    {
        TestEnv env;
        addPlayer(QStringLiteral("はなこ"), 1);
        Cur_Game = 2;
        storeScores(2, {70, 20});
        Last_Score = 40;
        TF_Game_Kiroku w;
        QCOMPARE(column(w.Lst_Kiroku, 2),
                 (QStringList{QStringLiteral("まえ1"), QStringLiteral("はなこ"), QStringLiteral("まえ2")}));
        QCOMPARE(column(w.Lst_Kiroku, 3), (QStringList{"2", "1", "2"}));
        QCOMPARE(column(w.Lst_Kiroku, 4), (QStringList{"25/12/24", "26/04/10", "25/12/24"}));
        for (int r = 1; r <= 3; ++r)
            QCOMPARE(Kiroku_Tbl[2][r].Rank, r);
        QCOMPARE(Kiroku_Tbl[2][3].Name.text(), QStringLiteral("まえ2"));
        QCOMPARE(Kiroku_Tbl[2][4].Game, 0);
    }

    // The best score rises only above the old best, entered in the ranking or not.
    void bestScore_data()
    {
        QTest::addColumn<int>("oldBest");
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("fullRankingAbove");
        QTest::addColumn<int>("newBest");
        QTest::newRow("rises in ranking") << 10 << 30 << false << 30;
        QTest::newRow("rises outside ranking") << 5 << 8 << true << 8;
        QTest::newRow("equal stays") << 30 << 30 << false << 30;
        QTest::newRow("lower stays") << 60 << 30 << false << 60;
    }
    void bestScore()
    {
        TestEnv env;
        QFETCH(int, oldBest);
        QFETCH(int, score);
        QFETCH(bool, fullRankingAbove);
        QFETCH(int, newBest);
        addPlayer(QStringLiteral("じろう"), 2);
        Player_Tbl[Cur_Player].Best[6] = oldBest;
        Cur_Game = 6;
        if (fullRankingAbove)
            storeScores(6, {100, 90, 80, 70, 60, 50, 40, 30, 20, 11});
        Last_Score = score;
        TF_Game_Kiroku w;
        QCOMPARE(Player_Tbl[Cur_Player].Best[6], newBest);
        QCOMPARE(Player_Tbl[Cur_Player].Best[5], 0);
    }

    // A game opens the ranking over itself; the child presses "もどる" and the tables are changed.
    void openedFromGame()
    {
        TestEnv env;
        addPlayer(QStringLiteral("さくら"), 4);
        Cur_Game = 1;
        storeScores(1, {20});
        Last_Score = 25;
        QWidget game;
        game.setGeometry(0, 0, 700, 520);
        QRect seenGeometry;
        QWidget* seenParent = nullptr;
        QString seenMessage;
        bool sawButton = false;
        bool accepted = false;
        Modal::setHook([&](QDialog* d) {
            auto* k = qobject_cast<TF_Game_Kiroku*>(d);
            if (!k)
                return 0;
            seenParent = k->parentWidget();
            seenGeometry = k->geometry();
            seenMessage = k->Lbl_Goukaku_Msg1->text();
            sawButton = k->BitBtn1->text() == QStringLiteral("もどる") &&
                        k->BitBtn1->geometry().topLeft() == QPoint(32 + 433 + 10, 83 + 334 + 10);
            QTest::mouseClick(k->BitBtn1, Qt::LeftButton);
            accepted = k->result() == QDialog::Accepted;
            return k->result() == QDialog::Accepted ? 1 : 0;
        });
        ShowRanking(&game);
        QCOMPARE(seenParent, &game);
        QCOMPARE(seenGeometry, game.geometry());  // covers the game's screen
        QVERIFY(seenMessage.startsWith(QStringLiteral("やった！  1 ")));
        QVERIFY(sawButton);
        QVERIFY(accepted);
        QCOMPARE(storedScores(1), (QList<int>{25, 20}));
        QCOMPARE(Player_Tbl[Cur_Player].Best[1], 25);
    }

    // The columns keep their captions and widths, and rows stay in rank order.
    void columns()
    {
        TestEnv env;
        addPlayer(QStringLiteral("けん"), 1);
        Cur_Game = 3;
        Last_Score = 1;
        TF_Game_Kiroku w;
        QTreeWidgetItem* h = w.Lst_Kiroku->headerItem();
        QCOMPARE(h->text(1), QStringLiteral("とくてん"));
        QCOMPARE(h->text(2), QStringLiteral("名前"));
        QCOMPARE(h->text(3), QStringLiteral("学年"));
        QCOMPARE(h->text(4), QStringLiteral("日付"));
        const QList<int> widths{20, 60, 200, 50, 100};
        for (int c = 0; c < 5; ++c)
            QCOMPARE(w.Lst_Kiroku->columnWidth(c), widths[c]);
        QVERIFY(!w.Lst_Kiroku->isSortingEnabled());
    }
};

QTEST_MAIN(TestKiroku)
#include "test_kiroku.moc"
