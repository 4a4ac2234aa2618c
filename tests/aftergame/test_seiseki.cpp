// SPDX-License-Identifier: GPL-3.0-or-later
// The grades window: which view opens, the toggle, each view's contents and sizes, help and leaving.
#include "aftergame/SeisekiViews.h"
#include "aftergame/TF_Game_Seiseki.h"
#include "data/Dates.h"
#include "data/MainMenu.h"
#include "data/Tables.h"
#include "platform/Cp932.h"
#include "platform/HelpFile.h"
#include "support/TestEnv.h"

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {
int addPlayer(const QString& name, int gakunen)
{
    ++Player_Count;
    TPlayerRec& p = Player_Tbl[Player_Count];
    p.No = Player_Count;
    p.Name.setSjis(Cp932::fromUnicode(name));
    p.Gakunen = static_cast<std::int16_t>(gakunen);
    return Player_Count;
}

void storeRank(int game, int rank, int score, const QString& name)
{
    TKirokuRec& k = Kiroku_Tbl[game][rank];
    k.Game = static_cast<std::int16_t>(game);
    k.Rank = static_cast<std::int16_t>(rank);
    k.Name.setSjis(Cp932::fromUnicode(name));
    k.Gakunen = 3;
    k.Tokuten = score;
    k.Hizuke = DayNumber(QDate(2026, 1, 5));
}

QString cell(QTableWidget* g, int r, int c)
{
    QTableWidgetItem* it = g->item(r, c);
    return it ? it->text() : QString();
}
}  // namespace

class TestSeiseki : public QObject {
    Q_OBJECT

private slots:
    // The first view follows the caller: a game, a chosen player, or nobody.
    void firstView_data()
    {
        QTest::addColumn<int>("game");
        QTest::addColumn<bool>("playerChosen");
        QTest::addColumn<int>("view");
        QTest::addColumn<bool>("toggleShown");
        QTest::addColumn<QString>("title");
        QTest::newRow("game caption") << 4 << true << int(TF_Game_Seiseki::View::GameRanking) << false
                                      << QStringLiteral("ジグソーパズルの成績");
        QTest::newRow("record button, player") << 0 << true << int(TF_Game_Seiseki::View::OwnRecord) << true
                                               << QStringLiteral("みどり");
        QTest::newRow("record button, nobody") << 0 << false << int(TF_Game_Seiseki::View::AllPlayers)
                                               << false << QStringLiteral("全員のレベル");
    }
    void firstView()
    {
        TestEnv env;
        QFETCH(int, game);
        QFETCH(bool, playerChosen);
        QFETCH(int, view);
        QFETCH(bool, toggleShown);
        QFETCH(QString, title);
        const int p = addPlayer(QStringLiteral("みどり"), 2);
        Cur_Player = playerChosen ? static_cast<std::int16_t>(p) : 0;
        Cur_Game = static_cast<std::int16_t>(game);
        TF_Game_Seiseki w;
        w.show();
        QCOMPARE(int(w.view()), view);
        QCOMPARE(w.Btn_Hyouji->isVisible(), toggleShown);
        QCOMPARE(w.Lbl_Title->text(), title);
        if (toggleShown)
            QCOMPARE(w.Btn_Hyouji->text(), QStringLiteral("全員の記録"));
    }

    // Every view stands in the middle of the screen as the games do, as wide as their layout;
    // the title and buttons above it within the same width.
    void centred_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("width");
        QTest::newRow("16:9") << QSize(854, 480) << 107 << 640;
        QTest::newRow("4:3") << QSize(640, 480) << 0 << 640;
        QTest::newRow("5:4") << QSize(640, 512) << 0 << 640;
        QTest::newRow("large fonts, 16:9") << QSize(1066, 600) << 133 << 800;
    }
    void centred()
    {
        QFETCH(QSize, screen);
        QFETCH(int, left);
        QFETCH(int, width);
        TestEnv env;
        addPlayer(QStringLiteral("そら"), 1);
        Cur_Player = addPlayer(QStringLiteral("うみ"), 3);
        Cur_Game = 0;
        TF_Game_Seiseki w;
        w.show();
        w.setWindowState(Qt::WindowNoState);
        w.resize(screen);
        QTest::mouseClick(w.Btn_Hyouji, Qt::LeftButton); // 全員のレベル
        QVERIFY(w.allPlayersShown());
        QCOMPARE(w.GRD_SEISEKI->x(), left);
        QCOMPARE(w.GRD_SEISEKI->width(), width);
        const QRect layout(left, 0, width, screen.height());
        for (QWidget* c : {static_cast<QWidget*>(w.Lbl_Title), static_cast<QWidget*>(w.Btn_End),
                           static_cast<QWidget*>(w.Btn_Hyouji), static_cast<QWidget*>(w.Btn_Note)})
            QVERIFY2(layout.contains(c->geometry()), qPrintable(c->metaObject()->className()));
        // The columns were made for the grid's width: the last one ends inside it.
        int columns = 0;
        for (int c = 0; c < w.GRD_SEISEKI->columnCount(); ++c)
            columns += w.GRD_SEISEKI->columnWidth(c);
        QVERIFY(columns <= width);
        QVERIFY(columns > width * 3 / 4);
    }

    // The toggle swaps the player's own record and everybody's levels, with caption and hint.
    void toggle()
    {
        TestEnv env;
        addPlayer(QStringLiteral("そら"), 1);
        Cur_Player = addPlayer(QStringLiteral("うみ"), 3);
        Cur_Game = 0;
        TF_Game_Seiseki w;
        w.show();
        QVERIFY(!w.allPlayersShown());
        QTest::mouseClick(w.Btn_Hyouji, Qt::LeftButton);
        QVERIFY(w.allPlayersShown());
        QCOMPARE(int(w.view()), int(TF_Game_Seiseki::View::AllPlayers));
        QCOMPARE(w.Btn_Hyouji->text(), QStringLiteral("うみの記録"));
        QCOMPARE(w.Btn_Hyouji->toolTip(), QStringLiteral("うみの記録を表示します"));
        QCOMPARE(w.GRD_SEISEKI->rowCount(), 3);
        QTest::mouseClick(w.Btn_Hyouji, Qt::LeftButton);
        QVERIFY(!w.allPlayersShown());
        QCOMPARE(int(w.view()), int(TF_Game_Seiseki::View::OwnRecord));
        QCOMPARE(w.Lbl_Title->text(), QStringLiteral("うみ"));
        QCOMPARE(w.Btn_Hyouji->text(), QStringLiteral("全員の記録"));
        QCOMPARE(w.Btn_Hyouji->toolTip(), QStringLiteral("全員の記録を表示します"));
    }

    // With nobody chosen the all-players view stays whatever the toggle is asked.
    void toggleWithoutPlayer()
    {
        TestEnv env;
        addPlayer(QStringLiteral("そら"), 1);
        Cur_Player = 0;
        Cur_Game = 0;
        TF_Game_Seiseki w;
        w.show();
        w.Btn_HyoujiClick();
        QVERIFY(w.allPlayersShown());
        QCOMPARE(int(w.view()), int(TF_Game_Seiseki::View::AllPlayers));
    }

    // Stars per level, progress in percent (fraction dropped), own and overall best scores.
    void ownRecord_data()
    {
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("progress");
        QTest::addColumn<QString>("stars");
        QTest::addColumn<QString>("percent");
        QTest::newRow("game 5 level 3, 2 of 5") << 5 << 3 << 2 << QStringLiteral("★★★") << QStringLiteral("40");
        QTest::newRow("game 1 level 1, 1 of 2") << 1 << 1 << 1 << QStringLiteral("★") << QStringLiteral("50");
        QTest::newRow("game 2, 3 of 10") << 2 << 4 << 3 << QStringLiteral("★★★★") << QStringLiteral("30");
        QTest::newRow("game 3, 7 of 10") << 3 << 2 << 7 << QStringLiteral("★★") << QStringLiteral("70");
        QTest::newRow("game 7, 0 of 5") << 7 << 11 << 0 << QStringLiteral("★").repeated(11) << QStringLiteral("0");
    }
    void ownRecord()
    {
        TestEnv env;
        QFETCH(int, game);
        QFETCH(int, level);
        QFETCH(int, progress);
        QFETCH(QString, stars);
        QFETCH(QString, percent);
        Cur_Player = addPlayer(QStringLiteral("ひかり"), 4);
        TPlayerRec& p = Player_Tbl[Cur_Player];
        p.Level[game] = static_cast<std::int16_t>(level);
        p.Progress[game] = static_cast<std::int16_t>(progress);
        p.Best[game] = 77;
        storeRank(game, 1, 120, QStringLiteral("だれか"));
        const SeisekiGrid g = OwnRecordView(Cur_Player, 640, 428);
        QCOMPARE(g.cell(game, 0), SeisekiGameName(game));
        QCOMPARE(g.cell(game, 1), stars);
        QCOMPARE(g.cell(game, 2), percent);
        QCOMPARE(g.cell(game, 3), QStringLiteral("77"));
        QCOMPARE(g.cell(game, 4), QStringLiteral("120"));
        const int other = game == 6 ? 5 : 6;
        QCOMPARE(g.cell(other, 1), QStringLiteral("★"));
        QCOMPARE(g.cell(other, 3), QStringLiteral("0"));
        QCOMPARE(g.cell(other, 4), QStringLiteral("0"));
        QCOMPARE(g.cell(0, 2), QStringLiteral("レベル内の進みぐあい"));
    }

    // Levels per player; a level past the school year's last shows "オールクリア".
    void allPlayers()
    {
        TestEnv env;
        const int a = addPlayer(QStringLiteral("いち"), 1);
        const int b = addPlayer(QStringLiteral("よん"), 4);
        Player_Tbl[a].Level[3] = 9;   // year 1 has 8 levels
        Player_Tbl[a].Level[4] = 8;
        Player_Tbl[b].Level[3] = 9;   // year 4 has 10
        Player_Tbl[b].Level[7] = 11;
        const SeisekiGrid g = AllPlayersView(640);
        QCOMPARE(g.rowCount, 3);
        QCOMPARE(g.colCount, 9);
        QCOMPARE(g.cells[0], (QStringList{"名前", "学年", "かんじあわせ", "かんじ当て", "シャッフル",
                                          "ジグソーパズル", "かんじ打落し", "もぐらたたき", "かんじｷｬｯﾁｬｰ"}));
        QCOMPARE(g.cells[1], (QStringList{"いち", "1", "1", "1", "オールクリア", "8", "1", "1", "1"}));
        QCOMPARE(g.cells[2], (QStringList{"よん", "4", "1", "1", "9", "1", "1", "1", "オールクリア"}));
    }

    // With no players the all-players view has its header row only.
    void noPlayers()
    {
        TestEnv env;
        Cur_Player = 0;
        Cur_Game = 0;
        TF_Game_Seiseki w;
        w.show();
        QCOMPARE(w.GRD_SEISEKI->rowCount(), 1);
        QCOMPARE(cell(w.GRD_SEISEKI, 0, 0), QStringLiteral("名前"));
    }

    // A ranking slot with score 0 stays empty; the others keep their own rank.
    void gameRanking()
    {
        TestEnv env;
        storeRank(2, 1, 90, QStringLiteral("あ"));
        storeRank(2, 2, 0, QStringLiteral("い"));
        storeRank(2, 3, 40, QStringLiteral("う"));
        Cur_Game = 2;
        TF_Game_Seiseki w;
        w.show();
        QTableWidget* g = w.GRD_SEISEKI;
        QCOMPARE(g->rowCount(), 11);
        QCOMPARE(cell(g, 0, 0), QStringLiteral("じゅんい"));
        QCOMPARE(cell(g, 1, 0), QStringLiteral("1"));
        QCOMPARE(cell(g, 1, 2), QStringLiteral("あ"));
        QCOMPARE(cell(g, 1, 4), QStringLiteral("26/01/05"));
        QCOMPARE(cell(g, 2, 0), QString());
        QCOMPARE(cell(g, 2, 2), QString());
        QCOMPARE(cell(g, 3, 0), QStringLiteral("3"));
        QCOMPARE(cell(g, 3, 1), QStringLiteral("40"));
        QCOMPARE(cell(g, 3, 3), QStringLiteral("3"));
        QCOMPARE(cell(g, 4, 0), QString());
        QCOMPARE(w.Lbl_Title->text(), QStringLiteral("かんじ当ての成績"));
    }

    // Column widths and row heights of each view, from the grid's size with fractions dropped.
    void sizes_data()
    {
        QTest::addColumn<int>("view");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QList<int>>("cols");
        QTest::addColumn<int>("rowHeight");
        QTest::newRow("own 640") << 0 << 640 << 428 << QList<int>{100, 157, 126, 126, 126} << 49;
        QTest::newRow("own 800") << 0 << 800 << 548 << QList<int>{126, 197, 158, 158, 158} << 64;
        QTest::newRow("all 640") << 1 << 640 << 428 << QList<int>{107, 32, 67, 67, 67, 67, 67, 67, 67} << 45;
        QTest::newRow("all 800") << 1 << 800 << 548 << QList<int>{134, 40, 84, 84, 84, 84, 84, 84, 84} << 45;
        QTest::newRow("game 640") << 2 << 640 << 428 << QList<int>{124, 124, 124, 124, 124} << 25;
    }
    void sizes()
    {
        TestEnv env;
        QFETCH(int, view);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QList<int>, cols);
        QFETCH(int, rowHeight);
        Cur_Player = addPlayer(QStringLiteral("たく"), 2);
        const SeisekiGrid g = view == 0 ? OwnRecordView(Cur_Player, width, height)
                              : view == 1 ? AllPlayersView(width)
                                          : GameRankingView(1, width);
        QList<int> got;
        for (int c = 0; c < g.colCount; ++c)
            got << g.colWidth(c);
        QCOMPARE(got, cols);
        QCOMPARE(g.defaultRowHeight, rowHeight);
    }

    // The window's grid takes the view's sizes.
    void gridTakesSizes()
    {
        TestEnv env;
        Cur_Player = addPlayer(QStringLiteral("たく"), 2);
        Cur_Game = 0;
        TF_Game_Seiseki w;
        w.resize(640, 480);
        w.show();
        const SeisekiGrid g = OwnRecordView(Cur_Player, w.GRD_SEISEKI->width(), w.GRD_SEISEKI->height());
        for (int c = 0; c < 5; ++c)
            QCOMPARE(w.GRD_SEISEKI->columnWidth(c), g.colWidth(c));
        QCOMPARE(w.GRD_SEISEKI->rowHeight(3), g.defaultRowHeight);
        QCOMPARE(cell(w.GRD_SEISEKI, 4, 0), QStringLiteral("ジグソーパズル"));
    }

    // F1 opens help at the grades topic.
    void help()
    {
        TestEnv env;
        env.writeFile(QStringLiteral("Mojimaru.hlp"),
                      QByteArray("@topic 31 menu\nmenu text\n@topic 33 seiseki help\ngrades text\n"));
        SetHelpFile(env.path(QStringLiteral("Mojimaru.hlp")));
        TF_Game_Seiseki w;
        w.show();
        QTest::keyClick(&w, Qt::Key_F1);
        auto* help = w.findChild<QDialog*>(QStringLiteral("HelpWindow"));
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), QStringLiteral("seiseki help"));
    }

    // "メニューにもどる" brings the menu back and frees the window.
    void backToMenu()
    {
        TestEnv env;
        QWidget menu;
        SetMainMenu(&menu);
        QPointer<TF_Game_Seiseki> w = new TF_Game_Seiseki;
        w->show();
        QVERIFY(!menu.isVisible());
        QCOMPARE(w->Btn_End->text(), QStringLiteral("メニューにもどる"));
        QCOMPARE(w->Btn_End->toolTip(), QStringLiteral("もどります"));
        QTest::mouseClick(w->Btn_End, Qt::LeftButton);
        QVERIFY(menu.isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        SetMainMenu(nullptr);
    }
};

QTEST_MAIN(TestSeiseki)
#include "test_seiseki.moc"
