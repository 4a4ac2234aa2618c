// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program, played the way a family plays it: start-up, two new players, all seven
// games to their end through the windows' own handlers (the test plays the child, moves the clock
// and ticks the timers), the quiz, the level credits, the rankings, the end button, and a fresh
// start that must find everything exactly as it was left. Run with the save files on disk, without
// them, and without any music or sound file.
#include "aftergame/TF_Game_Kiroku.h"
#include "aftergame/TF_Game_Seiseki.h"
#include "aftergame/TF_Game_Shutsudai.h"
#include "data/Dates.h"
#include "data/KanjiFiles.h"
#include "data/MainMenu.h"
#include "data/Rules.h"
#include "data/SaveFiles.h"
#include "data/Tables.h"
#include "games/action/TF_Game5.h"
#include "games/action/TF_Game6.h"
#include "games/action/TF_Game7.h"
#include "games/guess/BoardView.h"
#include "games/guess/TF_Game2.h"
#include "games/guess/TF_Game3.h"
#include "games/puzzle/CardPicture.h"
#include "games/puzzle/TF_Game1.h"
#include "games/puzzle/TF_Game4.h"
#include "menu/CaptionLabel.h"
#include "menu/GameWindows.h"
#include "menu/MenuTestSupport.h"
#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"
#include "platform/ProgramEnd.h"
#include "support/TestEnv.h"
#include "support/WindowWalk.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace {

const QString ErrorTail = QStringLiteral("でエラーがおこりました。 ");

// MOJI_SHOTS=<folder>: keeps a picture of each quiz and ranking window for a look by eye.
void keepShot(QWidget* w, const QString& name) {
    const QString dir = qEnvironmentVariable("MOJI_SHOTS");
    if (!dir.isEmpty())
        w->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// One ranking window as the child saw it.
struct RankingSeen {
    int game = 0;
    int player = 0;
    int score = 0;
    int rank = 0;
    QStringList rows; // "mark|score|name|year|date"
};

// Plays the modal windows: answers the quiz right (the child knows the readings and the
// stroke count) and closes each ranking with its button after reading it.
struct ModalPlayer {
    QList<RankingSeen> rankings;
    int quizzes = 0;

    void install() {
        Modal::setHook([this](QDialog* d) {
            if (auto* quiz = qobject_cast<TF_Game_Shutsudai*>(d)) {
                ++quizzes;
                QVector<TMondaiRec> sentences;
                if (Mondai_Idx[Quiz_Kanji].Count > 0 && !ReadAllMondai(Quiz_Kanji, sentences))
                    return int(QDialog::Rejected);
                for (int i = 0; i < quiz->Edt_Kaitou.size(); ++i) {
                    const TMondaiRec& rec = sentences[i];
                    quiz->Edt_Kaitou[i]->setText(rec.partString(rec.Pos).trimmed());
                }
                quiz->Edt_Kakusuu->setText(QString::number(Kanji_Tbl[Quiz_Kanji].Kakusuu));
                keepShot(quiz, QStringLiteral("quiz-%1").arg(quizzes));
                QTest::mouseClick(quiz->Btn_kotae_Kinyu, Qt::LeftButton);
                return quiz->result();
            }
            if (auto* kiroku = qobject_cast<TF_Game_Kiroku*>(d)) {
                RankingSeen seen;
                seen.game = Cur_Game;
                seen.player = Cur_Player;
                seen.score = Last_Score;
                seen.rank = kiroku->ranking().newRank;
                for (int i = 0; i < kiroku->Lst_Kiroku->topLevelItemCount(); ++i) {
                    const QTreeWidgetItem* item = kiroku->Lst_Kiroku->topLevelItem(i);
                    QStringList cells;
                    for (int c = 0; c < 5; ++c)
                        cells << item->text(c).trimmed();
                    seen.rows << cells.join(QLatin1Char('|'));
                }
                rankings << seen;
                keepShot(kiroku, QStringLiteral("ranking-%1").arg(rankings.size()));
                QTest::mouseClick(kiroku->BitBtn1, Qt::LeftButton);
                return kiroku->result();
            }
            return int(QDialog::Rejected);
        });
    }
};

template <typename T> T* openWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = dynamic_cast<T*>(w); t && t->isVisible())
            return t;
    return nullptr;
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Everything a run keeps: each player and each ranking entry, field by field.
QStringList tablesAsText() {
    QStringList out;
    out << QStringLiteral("players %1").arg(Player_Count);
    for (int i = 1; i <= Player_Count; ++i) {
        const TPlayerRec& p = Player_Tbl[i];
        QStringList f{QString::number(p.No), p.Name.text(), QString::number(p.Gakunen)};
        for (int g = 1; g <= MaxGames; ++g)
            f << QStringLiteral("%1/%2/%3").arg(p.Level[g]).arg(p.Progress[g]).arg(p.Best[g]);
        out << f.join(QLatin1Char(' '));
    }
    for (int g = 1; g <= MaxGames; ++g)
        for (int r = 1; r <= MaxRanks; ++r) {
            const TKirokuRec& k = Kiroku_Tbl[g][r];
            if (k.Game == 0 && k.Tokuten == 0 && k.Name.Len == 0)
                continue;
            out << QStringLiteral("rank %1 %2: %3 %4 %5 %6 %7")
                           .arg(g)
                           .arg(r)
                           .arg(k.Game)
                           .arg(k.Rank)
                           .arg(k.Name.text())
                           .arg(k.Gakunen)
                           .arg(k.Tokuten) +
                       QLatin1Char(' ') + FormatHizuke(k.Hizuke);
        }
    return out;
}

QStringList gridText(const QTableWidget* grid) {
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < grid->columnCount(); ++c)
            row << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
        out << row.join(QLatin1Char('|'));
    }
    return out;
}

// ---- the child at each game ------------------------------------------------------------------

// A card still on the board with the same kanji as card a.
int partnerOf(const TF_Game1& w, int a) {
    for (int c = 1; c <= CardCount; ++c)
        if (c != a && w.Board.onBoard(c) && w.Board.Card_Kanji[c] == w.Board.Card_Kanji[a])
            return c;
    return 0;
}

// Matching: on its turn the child turns a pair after three seconds' thought; the computer plays
// on the window's own two-second ticks.
void playGame1(TF_Game1* w) {
    QPointer<TF_Game1> alive(w);
    QTest::mouseClick(w->Btn_Start, Qt::LeftButton);
    QVERIFY(w->Timer1->isActive());
    for (int step = 0; alive && !w->Ended && step < 2000; ++step) {
        if (w->Man_Turn) {
            const int a = w->Board.Nokori_List[1];
            const int b = partnerOf(*w, a);
            QVERIFY(b != 0);
            Clock::advanceMs(3000);
            QTest::mouseClick(w->Cards[a], Qt::LeftButton);
            if (!alive)
                break;
            QTest::mouseClick(w->Cards[b], Qt::LeftButton);
        } else {
            Clock::advanceMs(2000);
            w->Timer1Timer();
        }
    }
    QVERIFY(!alive || w->Ended);
}

// Ticks a picture game's timer through its ending, quiz and ranking until the window closes.
void tickToTheEnd(TPictureGameFrame* w) {
    QPointer<TPictureGameFrame> alive(w);
    for (int t = 0; alive && w->isVisible() && w->Timer1->isActive() && t < 400; ++t) {
        Clock::advanceMs(w->Timer1->interval());
        w->Timer1Timer();
    }
    QVERIFY(!alive || !w->isVisible());
}

// Types the answer kanji into the answer box and answers.
void answer(TPictureGameFrame* w) {
    QTest::mouseClick(w->Btn_kotae, Qt::LeftButton);
    QVERIFY(!w->Edt_Kotae->isHidden());
    w->Edt_Kotae->setText(Kanji_Tbl[w->Mondai_Kanji].text());
    QVERIFY(!w->Btn_kotae_Kinyu->isHidden());
    QTest::mouseClick(w->Btn_kotae_Kinyu, Qt::LeftButton);
}

// Guessing: opens two safe cells (the child is lucky), then writes the kanji.
void playGame2(TF_Game2* w) {
    QTest::mouseClick(w->Btn_Start, Qt::LeftButton);
    QVERIFY(w->started());
    int opened = 0;
    for (int i = 1; i <= w->Bunkatsusu && opened < 2; ++i)
        for (int j = 1; j <= w->Bunkatsusu && opened < 2; ++j)
            if (!w->Board.bomb(i, j) && !w->Board.opened(i, j)) {
                QTest::mouseClick(w->Image1, Qt::LeftButton, {}, w->cellRect(i, j).center());
                ++opened;
            }
    QCOMPARE(w->Board.Open_Count, 2);
    answer(w);
    QCOMPARE(w->Kekka, 1);
    tickToTheEnd(w);
}

// Shuffle: watches two reshuffles, then writes the kanji.
void playGame3(TF_Game3* w) {
    QTest::mouseClick(w->Btn_Start, Qt::LeftButton);
    QVERIFY(w->started());
    for (int t = 0; t < 2; ++t) {
        Clock::advanceMs(2000);
        w->Timer1Timer();
    }
    answer(w);
    QCOMPARE(w->Kekka, 1);
    tickToTheEnd(w);
}

// Jigsaw: drags every piece from the tray to its own cell; the last drop judges the board.
void playGame4(TF_Game4* w) {
    QTest::mouseClick(w->Btn_Start, Qt::LeftButton);
    QVERIFY(w->started());
    const int n = w->Bunkatsusu;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            QPoint from;
            for (int x = 1; x <= n && from.isNull(); ++x)
                for (int y = 1; y <= n && from.isNull(); ++y)
                    if (!w->Board.Tray_Taken[x][y] && w->Board.Tray_Piece[x][y] == QPoint(i, j))
                        from = QPoint(x, y);
            QVERIFY(!from.isNull());
            const QPoint press = w->Board.cellRect(from.x(), from.y()).center();
            w->Image1MouseDown(press.x(), press.y());
            QVERIFY(w->Board.dragging());
            w->DragOver(w->Image2->pos() + w->Board.cellRect(i, j).center());
            w->Img_DragEndDrag();
        }
    QCOMPARE(w->Kekka, 1);
    tickToTheEnd(w);
}

// Shoot-down: keeps out from under landing bombs, aims ahead of the lowest right character it can
// still reach (the character flies left while the bullet climbs) and fires once under that point.
void steerLauncher(ShootDown& g) {
    // First out from under a bomb about to land on the launcher.
    const int ground = g.H - ShootDown::StripHeight;
    for (const BombSlot& b : g.bombs) {
        if (!b.active || b.y < ground - 12 * std::max(1, int(b.speed)))
            continue;
        if (b.x + ShootDown::BombSize + 12 > g.launcherX &&
            b.x < g.launcherX + g.launcherWidth + 12) {
            const bool fromLeft = b.x + ShootDown::BombSize / 2 < g.launcherX + g.launcherWidth / 2;
            const bool roomRight = g.launcherX < g.W - ShootDown::LauncherWidth;
            const bool roomLeft = g.launcherX >= 11;
            g.setHeld((fromLeft && roomRight) || !roomLeft ? HeldControl::Right
                                                           : HeldControl::Left);
            return;
        }
    }
    const int frames = std::max(1, g.ticker.frameDivider);
    const int bulletSpeed = std::max(1, g.p.bulletSpeed);
    const CharacterSlot* target = nullptr;
    int aim = 0;
    for (const CharacterSlot& c : g.characters) {
        if (!c.active || !c.correct)
            continue;
        const int climb = (g.H - ShootDown::StripHeight - (c.y + c.size)) / bulletSpeed;
        const int ahead = c.x + c.size / 4 - (climb + frames) * c.speed / frames;
        if (ahead < ShootDown::LauncherWidth / 2 || (target && c.y <= target->y))
            continue;
        target = &c;
        aim = ahead;
    }
    if (!target) {
        g.setHeld(HeldControl::None);
        return;
    }
    const int shot = g.launcherX + g.launcherWidth / 2;
    if (shot < aim - 9)
        g.setHeld(HeldControl::Right);
    else if (shot > aim + 9)
        g.setHeld(HeldControl::Left);
    else
        g.setHeld(HeldControl::Fire);
}

template <typename Window> void tickAction(Window* w, const std::function<void()>& child) {
    QPointer<Window> alive(w);
    for (int t = 0; alive && w->running() && t < 40000; ++t) {
        child();
        Clock::advanceMs(30);
        w->Timer1Timer();
    }
    QVERIFY(!alive || !w->running());
}

void playGame5(TF_Game5* w) {
    QTest::mouseClick(w->Btn_Start, Qt::LeftButton);
    QVERIFY(w->running());
    tickAction(w, [w] { steerLauncher(w->game()); });
}

// Whack-a-mole: after each tick the child hits every right character that is up.
void playGame6(TF_Game6* w) {
    QPointer<TF_Game6> alive(w);
    QTest::mouseClick(w->Btn_Start, Qt::LeftButton);
    QVERIFY(w->running());
    for (int t = 0; alive && w->running() && t < 5000; ++t) {
        w->Timer1Timer();
        for (int c = 1; c <= MoleBoard::Size && alive && w->running(); ++c)
            for (int r = 1; r <= MoleBoard::Size && alive && w->running(); ++r) {
                const Hole& h = w->board().holes[c][r];
                if (h.state != 0 && h.kanji == w->board().currentKanji())
                    w->Img1MouseDown(MoleBoard::Pitch * (c - 1) + 36,
                                     MoleBoard::Pitch * (r - 1) + 60);
            }
    }
    QVERIFY(!alive || !w->running());
}

// Catcher: runs under the lowest falling right character.
void steerCatcher(Catcher& g) {
    const StarSlot* target = nullptr;
    for (const StarSlot& s : g.stars)
        if (s.correct && s.phase >= StarSlot::Sinking && (!target || s.y > target->y))
            target = &s;
    if (!target) {
        g.held = CatcherControl::None;
        return;
    }
    const int middle = g.catcherX + g.catcherWidth / 2;
    const int aim = target->x + Catcher::CharacterSize / 2;
    g.held = middle < aim - 8   ? CatcherControl::Right
             : middle > aim + 8 ? CatcherControl::Left
                                : CatcherControl::None;
}

void playGame7(TF_Game7* w) {
    QTest::mouseClick(w->Btn_Start, Qt::LeftButton);
    QVERIFY(w->running());
    tickAction(w, [w] { steerCatcher(w->game()); });
}

// The verdicts that mean a pass (and so a level credit).
bool passedBy(int game, const QStringList& messages) {
    static const QStringList passes{QStringLiteral("GAME OVER! おめでとう！ 合格です"),
                                    QStringLiteral("おめでとう！ ごうかくです"),
                                    QStringLiteral("おめでとう！ 合格です")};
    if (game >= 5)
        return std::any_of(messages.begin(), messages.end(),
                           [](const QString& m) { return passes.contains(m); });
    return false;
}

// ---- the program, session by session ---------------------------------------------------------

struct Run {
    TestEnv& env;
    ModalPlayer modal;
    QList<std::pair<int, QStringList>> messagesOfGame; // (player * 10 + game, its messages)
    QList<bool> credits;                               // per game played, in order
    QStringList menuMessages;

    explicit Run(TestEnv& e) : env(e) {}

    // Registers a player through the registration group.
    void registerPlayer(TF_Main* menu, const QString& name, int year) {
        if (menu->Grp_Touroku->isHidden())
            QTest::mouseClick(menu->Btn_Touroku, Qt::LeftButton);
        QVERIFY(menu->Grp_Touroku->isVisible());
        menu->Edt_Name->setText(name);
        menu->Edt_Gakunen->setText(QString::number(year));
        QTest::mouseClick(menu->Btn_N_Touroku, Qt::LeftButton);
        QVERIFY(menu->Pnl_Game->isVisible());
    }

    void choosePlayer(TF_Main* menu, int player) {
        menu->Lst_Player->setCurrentRow(player - 1);
        QCOMPARE(Cur_Player, std::int16_t(player));
    }

    // Plays game g as the chosen player from its caption to the menu's return.
    void playGame(TF_Main* menu, int game) {
        const int player = Cur_Player;
        const std::int16_t levelBefore = Player_Tbl[player].Level[game];
        const std::int16_t progressBefore = Player_Tbl[player].Progress[game];
        const std::int32_t bestBefore = Player_Tbl[player].Best[game];
        const int rankingsBefore = modal.rankings.size();
        const int messagesBefore = MessageBoxes::shown().size();

        QTest::mouseClick(menu->caption(game), Qt::LeftButton);
        QVERIFY2(!menu->isVisible(), qPrintable(QStringLiteral("game %1 did not open").arg(game)));
        QCOMPARE(Cur_Game, std::int16_t(game));
        switch (game) {
        case 1: {
            auto* w = openWindow<TF_Game1>();
            QVERIFY(w);
            playGame1(w);
            break;
        }
        case 2: {
            auto* w = openWindow<TF_Game2>();
            QVERIFY(w && w->picturesLoaded());
            playGame2(w);
            break;
        }
        case 3: {
            auto* w = openWindow<TF_Game3>();
            QVERIFY(w && w->picturesLoaded());
            playGame3(w);
            break;
        }
        case 4: {
            auto* w = openWindow<TF_Game4>();
            QVERIFY(w && w->picturesLoaded());
            playGame4(w);
            break;
        }
        case 5: {
            auto* w = openWindow<TF_Game5>();
            QVERIFY(w && !w->setUpFailed());
            playGame5(w);
            break;
        }
        case 6: {
            auto* w = openWindow<TF_Game6>();
            QVERIFY(w && !w->setUpFailed());
            playGame6(w);
            break;
        }
        case 7: {
            auto* w = openWindow<TF_Game7>();
            QVERIFY(w && !w->setUpFailed());
            playGame7(w);
            break;
        }
        }
        if (QTest::currentTestFailed())
            return;
        flushDeletes();
        QVERIFY2(menu->isVisible(), qPrintable(QStringLiteral("no menu after game %1").arg(game)));
        QVERIFY(!ProgramEnd::requested());

        const QStringList messages = MessageBoxes::shown().mid(messagesBefore);
        messagesOfGame << std::make_pair(player * 10 + game, messages);

        // Each game ends in exactly one ranking (the picture games after the passed quiz).
        QCOMPARE(modal.rankings.size(), rankingsBefore + 1);
        const RankingSeen& seen = modal.rankings.last();
        QCOMPARE(seen.game, game);
        QCOMPARE(seen.player, player);
        // The entry stands in the table under the child's name, dated today.
        if (seen.rank > 0) {
            const TKirokuRec& k = Kiroku_Tbl[game][seen.rank];
            QCOMPARE(k.Name.text(), Player_Tbl[player].Name.text());
            QCOMPARE(k.Tokuten, seen.score);
            QCOMPARE(k.Gakunen, Player_Tbl[player].Gakunen);
            QCOMPARE(k.Hizuke, TodayDayNumber());
            QVERIFY(seen.rows.value(seen.rank - 1).startsWith(QStringLiteral("＊|")));
        }
        // The best score only rises.
        QCOMPARE(Player_Tbl[player].Best[game], std::max(bestBefore, seen.score));

        // The level credit: a win at ふつう, a passed quiz in challenge mode, a passed action game.
        bool credit = false;
        if (game == 1)
            credit = messages.contains(Player_Tbl[player].Name.text() + QStringLiteral("のかち"));
        else if (game <= 4)
            credit = messages.contains(QStringLiteral("おめでとう！ 合格です。"));
        else
            credit = passedBy(game, messages);
        credits << credit;
        const bool changed = Player_Tbl[player].Level[game] != levelBefore ||
                             Player_Tbl[player].Progress[game] != progressBefore;
        QVERIFY2(changed == credit,
                 qPrintable(QStringLiteral("game %1: credit %2 but level/progress %3/%4 -> %5/%6")
                                .arg(game)
                                .arg(credit)
                                .arg(levelBefore)
                                .arg(progressBefore)
                                .arg(Player_Tbl[player].Level[game])
                                .arg(Player_Tbl[player].Progress[game])));
        if (game >= 2 && game <= 4)
            QVERIFY2(credit, qPrintable(QStringLiteral("game %1: quiz not passed").arg(game)));
    }

    // Every game's ranking and one player's grades, as the grades window shows them.
    QMap<QString, QStringList> grades(TF_Main* menu, int player) {
        QMap<QString, QStringList> out;
        choosePlayer(menu, player);
        QTest::mouseClick(menu->Spdbtn_Kiroku, Qt::LeftButton);
        for (int g = 1; g <= 7; ++g) {
            QTest::mouseClick(menu->caption(g), Qt::LeftButton);
            TF_Game_Seiseki* w = openWindow<TF_Game_Seiseki>();
            if (!w) {
                out[QStringLiteral("missing %1").arg(g)] = {};
                continue;
            }
            out[QStringLiteral("game %1").arg(g)] =
                QStringList{w->Lbl_Title->text()} + gridText(w->GRD_SEISEKI);
            w->Btn_EndClick();
            flushDeletes();
        }
        QTest::mouseClick(menu->Spdbtn_Game, Qt::LeftButton);
        QTest::mouseClick(menu->Btn_Seiseki, Qt::LeftButton);
        if (TF_Game_Seiseki* w = openWindow<TF_Game_Seiseki>()) {
            out[QStringLiteral("own")] =
                QStringList{w->Lbl_Title->text()} + gridText(w->GRD_SEISEKI);
            QTest::mouseClick(w->Btn_Hyouji, Qt::LeftButton);
            out[QStringLiteral("all")] =
                QStringList{w->Lbl_Title->text()} + gridText(w->GRD_SEISEKI);
            w->Btn_EndClick();
            flushDeletes();
        }
        return out;
    }
};

// An earlier family's files: one player with some progress and a game-5 ranking entry.
void writeEarlierRun(TestEnv& env) {
    InitTables();
    Player_Count = 1;
    TPlayerRec& p = Player_Tbl[1];
    p.No = 1;
    p.Name.setSjis(Cp932::fromUnicode(QStringLiteral("おにいちゃん")));
    p.Gakunen = 4;
    for (int g = 1; g <= MaxGames; ++g)
        p.Level[g] = 1;
    p.Level[5] = 2;
    p.Progress[5] = 1;
    p.Best[5] = 33;
    TKirokuRec& k = Kiroku_Tbl[5][1];
    k.Game = 5;
    k.Rank = 1;
    k.Name = p.Name;
    k.Gakunen = 4;
    k.Tokuten = 33;
    k.Hizuke = TodayDayNumber() - 3;
    QString failed;
    QVERIFY(SavePlayersAndRecords(&failed));
    InitTables();
    Q_UNUSED(env)
}

// A media report names the sound with a blank before the tail ("WAVE" is one handler's own).
bool isMediaError(const QString& m) {
    return m.endsWith(QStringLiteral(" ") + ErrorTail) || m == QStringLiteral("WAVE") + ErrorTail;
}
} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        qApp->setQuitOnLastWindowClosed(false);
        InstallHandCursor();
        InstallFontSubstitutions();
        RegisterSevenGameWindows();
        QVERIFY2(QFileInfo::exists(TestEnv::builtProgramDir() + QStringLiteral("/Kanji.dat")),
                 "build the kanjidata and assets targets first");
    }

    // A whole family evening and the next morning: every game played to its end, everything
    // kept across the end button and a new start; also without save files and without sound.
    void wholeProgram_data() {
        QTest::addColumn<bool>("earlierFiles");
        QTest::addColumn<bool>("sound");
        QTest::newRow("save files on disk") << true << true;
        QTest::newRow("no save files") << false << true;
        QTest::newRow("no save files, no music or sound") << false << false;
    }
    void wholeProgram() {
        QFETCH(bool, earlierFiles);
        QFETCH(bool, sound);
        TestEnv env(true);
        if (earlierFiles)
            writeEarlierRun(env);
        QCOMPARE(QFileInfo::exists(env.path(PlayerFileName)), earlierFiles);
        QCOMPARE(QFileInfo::exists(env.path(GameFileName)), earlierFiles);
        if (!sound) {
            for (const QFileInfo& fi :
                 QDir(env.path(QString()))
                     .entryInfoList({QStringLiteral("*.mid"), QStringLiteral("*.wav")},
                                    QDir::Files))
                QVERIFY(QFile::remove(fi.absoluteFilePath()));
        }
        Run run(env);
        run.modal.install();
        const int earlier = earlierFiles ? 1 : 0;

        // ---- the first session ----
        QStringList left;
        QMap<QString, QStringList> gradesLeft;
        std::vector<DisplayMode> displayChanges;
        {
            auto display = UsualDisplay();
            display->externalLog = &displayChanges;
            MenuPtr menu = MakeMenu(std::move(display));
            QVERIFY(menu->created());
            menu->show();
            QCOMPARE(menu->Lst_Player->count(), earlier);
            QCOMPARE(menu->Grp_Touroku->isVisible(), !earlierFiles);
            if (earlierFiles) {
                QCOMPARE(Player_Tbl[1].Name.text(), QStringLiteral("おにいちゃん"));
                QCOMPARE(Player_Tbl[1].Level[5], std::int16_t(2));
                QCOMPARE(Player_Tbl[1].Progress[5], std::int16_t(1));
                QCOMPARE(Player_Tbl[1].Best[5], 33);
                QCOMPARE(Kiroku_Tbl[5][1].Tokuten, 33);
            }
            run.registerPlayer(menu.get(), QStringLiteral("はると"), 2);
            run.registerPlayer(menu.get(), QStringLiteral("さくら"), 3);
            QCOMPARE(Player_Count, std::int16_t(earlier + 2));
            QCOMPARE(menu->Lst_Player->count(), earlier + 2);
            run.menuMessages = MessageBoxes::shown();

            const int haruto = earlier + 1;
            const int sakura = earlier + 2;
            run.choosePlayer(menu.get(), haruto);
            for (int g = 1; g <= 7; ++g) {
                run.playGame(menu.get(), g);
                if (QTest::currentTestFailed())
                    return;
            }
            // This child plays well: every one of the seven games ends in a pass and a credit.
            QCOMPARE(run.credits, QList<bool>(7, true));
            // A second win of the matching game is the second credit: level 2 of game 1.
            run.playGame(menu.get(), 1);
            if (QTest::currentTestFailed())
                return;
            QCOMPARE(Player_Tbl[haruto].Level[1], std::int16_t(2));
            QCOMPARE(Player_Tbl[haruto].Progress[1], std::int16_t(0));
            // The second child plays too, so rankings hold two names.
            run.choosePlayer(menu.get(), sakura);
            for (int g : {1, 2, 5}) {
                run.playGame(menu.get(), g);
                if (QTest::currentTestFailed())
                    return;
            }
            QCOMPARE(run.modal.rankings.size(), 11);
            QCOMPARE(run.modal.quizzes, 4);

            // Each ranking shown last for a game is what the table holds for it now.
            for (int g = 1; g <= 7; ++g) {
                const RankingSeen* last = nullptr;
                for (const RankingSeen& r : run.modal.rankings)
                    if (r.game == g)
                        last = &r;
                QVERIFY(last);
                QVERIFY(last->rows.size() <= MaxRanks);
                for (int r = 1; r <= last->rows.size(); ++r) {
                    const TKirokuRec& k = Kiroku_Tbl[g][r];
                    const QStringList cells = last->rows[r - 1].split(QLatin1Char('|'));
                    QCOMPARE(cells.value(1), QString::number(k.Tokuten));
                    QCOMPARE(cells.value(2), k.Name.text().trimmed());
                }
            }
            if (earlierFiles) {
                // The earlier child's entry is still ranked with the new ones.
                bool found = false;
                for (int r = 1; r <= MaxRanks; ++r)
                    found =
                        found || (Kiroku_Tbl[5][r].Tokuten == 33 &&
                                  Kiroku_Tbl[5][r].Name.text() == QStringLiteral("おにいちゃん"));
                QVERIFY(found);
            }
            // At least one level credit was earned by each child.
            for (int p : {haruto, sakura}) {
                int credits = 0;
                for (int g = 1; g <= 7; ++g)
                    credits += Player_Tbl[p].Progress[g] + (Player_Tbl[p].Level[g] - 1) * 100;
                QVERIFY(credits > 0);
            }

            gradesLeft = run.grades(menu.get(), haruto);
            QVERIFY(!gradesLeft.contains(QStringLiteral("missing 1")));
            left = tablesAsText();

            QTest::mouseClick(menu->Btn_End, Qt::LeftButton);
            QVERIFY(!menu->isVisible());
            QVERIFY(!ProgramEnd::requested());
        }
        flushDeletes();
        // The end puts the screen back as it was found.
        QCOMPARE(displayChanges, (std::vector<DisplayMode>{Mode(640, 480), Mode(1280, 1024)}));
        QCOMPARE(env.readFile(PlayerFileName).size(), (earlier + 2) * PlayerRecSize);
        QCOMPARE(env.readFile(GameFileName).size(), 100 * KirokuRecSize);

        // ---- the next start ----
        InitTables();
        QCOMPARE(Player_Count, std::int16_t(0));
        const int messagesBefore = MessageBoxes::shown().size();
        {
            MenuPtr menu = MakeMenu();
            QVERIFY(menu->created());
            menu->show();
            QCOMPARE(tablesAsText(), left);
            QCOMPARE(menu->Lst_Player->count(), earlier + 2);
            QCOMPARE(menu->Lst_Player->item(earlier)->text(), QStringLiteral("はると"));
            QCOMPARE(menu->Lst_Player->item(earlier + 1)->text(), QStringLiteral("さくら"));
            QVERIFY(menu->Pnl_Game->isVisible());
            const QMap<QString, QStringList> gradesAgain = run.grades(menu.get(), earlier + 1);
            QCOMPARE(gradesAgain, gradesLeft);
            // Ending once more without playing leaves the files as they were.
            const QByteArray players = env.readFile(PlayerFileName);
            const QByteArray records = env.readFile(GameFileName);
            QTest::mouseClick(menu->Btn_End, Qt::LeftButton);
            QCOMPARE(env.readFile(PlayerFileName), players);
            QCOMPARE(env.readFile(GameFileName), records);
        }
        flushDeletes();
        const QStringList secondStart = MessageBoxes::shown().mid(messagesBefore);

        // ---- sound ----
        const QStringList all = MessageBoxes::shown();
        QStringList mediaErrors;
        for (const QString& m : all)
            if (isMediaError(m))
                mediaErrors << m;
        if (sound) {
            QVERIFY2(mediaErrors.isEmpty(), qPrintable(mediaErrors.join(QLatin1Char('\n'))));
            // Every game's music began with its first track; the menu's came back each time.
            for (int g = 1; g <= 7; ++g)
                QVERIFY2(
                    MediaPlayers::log().contains(QStringLiteral("play Game%1%2.mid").arg(g).arg(1),
                                                 Qt::CaseInsensitive),
                    qPrintable(QStringLiteral("no music in game %1").arg(g)));
            QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Menu1.mid")));
        } else {
            // Silent: nothing could be opened, so nothing played.
            QCOMPARE(MediaPlayers::log().filter(QRegularExpression(QStringLiteral("^play "))),
                     QStringList());
            // The menu names its first track, the one it could not open.
            QVERIFY(run.menuMessages.contains(QStringLiteral("Menu1.mid ") + ErrorTail));
            QVERIFY(secondStart.contains(QStringLiteral("Menu1.mid ") + ErrorTail));
            // Each window names what it could not open, and plays on.
            const QString menuMusic = QStringLiteral("Menu1.mid ") + ErrorTail;
            for (const auto& [key, messages] : run.messagesOfGame) {
                const int game = key % 10;
                const QStringList errs = messages.filter(ErrorTail);
                for (const QString& e : errs)
                    QVERIFY2(isMediaError(e), qPrintable(e));
                QCOMPARE(errs.last(), menuMusic); // the menu's music, back at the menu
                switch (game) {
                case 1:
                    // The window's own name for its media, at creation and at the start.
                    QCOMPARE(errs,
                             (QStringList{QStringLiteral("Eawase.mid ") + ErrorTail,
                                          QStringLiteral("Eawase.mid ") + ErrorTail, menuMusic}));
                    break;
                case 2:
                case 3:
                case 4:
                    QVERIFY2(
                        errs.contains(QStringLiteral("game%1%2.mid ").arg(game).arg(1) + ErrorTail),
                        qPrintable(errs.join(QLatin1Char('\n'))));
                    // The missing music stops the opening of the sounds at creation; game 2
                    // loads the right answer's sound for its ending and names it then.
                    QCOMPARE(errs.contains(QStringLiteral("Seikai.wav ") + ErrorTail), game == 2);
                    if (game != 4) // the candidate picker's click
                        QVERIFY(errs.contains(QStringLiteral("Select.wav ") + ErrorTail));
                    break;
                default:
                    // The set-up names the first file it could not open; the music then has
                    // the action games' own name.
                    QCOMPARE(errs, (QStringList{
                                       QStringLiteral("game%1%2.mid ").arg(game).arg(1) + ErrorTail,
                                       QStringLiteral("Mogu.mid ") + ErrorTail, menuMusic}));
                    break;
                }
            }
        }
        QVERIFY(!ProgramEnd::requested());
        // No file error of the data kind (no blank before the tail) anywhere.
        for (const QString& m : all)
            QVERIFY2(!m.endsWith(ErrorTail) || isMediaError(m), qPrintable(m));
        for (const auto& [key, messages] : run.messagesOfGame)
            qInfo().noquote() << "game" << key % 10 << "player" << key / 10
                              << "messages:" << messages.join(QStringLiteral(" / "));
        for (const RankingSeen& r : run.modal.rankings)
            qInfo().noquote() << "ranking game" << r.game << "player" << r.player << "score"
                              << r.score << "rank" << r.rank;
    }
};

QTEST_MAIN(TestEndToEnd)
#include "test_endtoend.moc"
