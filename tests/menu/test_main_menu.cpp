// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuFixture.h"
#include "MenuTestSupport.h"
#include "aftergame/TF_Game_Seiseki.h"
#include "data/MainMenu.h"
#include "data/Rules.h"
#include "menu/CaptionLabel.h"
#include "menu/GameWindows.h"
#include "menu/MenuEntries.h"
#include "menu/Registration.h"
#include "menu/UpDown.h"
#include "platform/AnimateControl.h"
#include "platform/HandCursor.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"
#include "platform/PopPictures.h"
#include "platform/ProgramEnd.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {
QPointer<QWidget> lastGameWindow;
int gameWindowsMade = 0;

QColor textColor(QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

TF_Game_Seiseki* openGrades() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* g = qobject_cast<TF_Game_Seiseki*>(w); g && g->isVisible())
            return g;
    return nullptr;
}
} // namespace

class TestMainMenu : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        qApp->setQuitOnLastWindowClosed(false);
        InstallHandCursor();
        // Game 2 has a window in these tests; the others are still being prepared.
        RegisterGameWindow(2, [] {
            auto* w = new QWidget;
            w->setAttribute(Qt::WA_DeleteOnClose);
            lastGameWindow = w;
            ++gameWindowsMade;
            return w;
        });
    }

    // A first run without "Player.dat" opens on registration only.
    void firstRunShowsRegistration() {
        TestEnv env;
        WriteMenuFiles(env);
        MenuPtr menu = MakeMenu();
        QVERIFY(menu->created());
        menu->show();
        QVERIFY(menu->Grp_Touroku->isVisible());
        QVERIFY(!menu->Pnl_Game->isVisible());
        QVERIFY(!menu->Grp_Player->isVisible());
        QVERIFY(!menu->Btn_Touroku->isVisible());
        QCOMPARE(menu->Btn_Touroku->text(), QStringLiteral("ゲームをする"));
        QVERIFY(MessageBoxes::shown().isEmpty());
        QVERIFY(!ProgramEnd::requested());
    }

    // With players the game panel and the list show; at 100 the registration button goes.
    void activatePanels_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<bool>("tourokuShown");
        QTest::newRow("one") << 1 << true;
        QTest::newRow("99") << 99 << true;
        QTest::newRow("100") << 100 << false;
    }
    void activatePanels() {
        QFETCH(int, players);
        TestEnv env;
        WriteMenuFiles(env);
        QStringList names;
        for (int i = 1; i <= players; ++i)
            names << QStringLiteral("なまえ%1").arg(i);
        WritePlayers(env, names);
        MenuPtr menu = MakeMenu();
        menu->show();
        QVERIFY(menu->Pnl_Game->isVisible());
        QVERIFY(menu->Grp_Player->isVisible());
        QVERIFY(!menu->Grp_Touroku->isVisible());
        QTEST(menu->Btn_Touroku->isVisible(), "tourokuShown");
        QCOMPARE(menu->Btn_Touroku->text(), QStringLiteral("名前の登録"));
        QCOMPARE(menu->Lst_Player->count(), players);
        QCOMPARE(menu->Lst_Player->item(0)->text(), QStringLiteral("なまえ1"));
    }

    // The registration button switches between the game panel and the registration group.
    void tourokuToggles() {
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        MenuPtr menu = MakeMenu();
        menu->show();
        menu->Btn_TourokuClick();
        QVERIFY(menu->Grp_Touroku->isVisible());
        QVERIFY(!menu->Pnl_Game->isVisible());
        QVERIFY(!menu->Grp_Player->isVisible());
        QCOMPARE(menu->Btn_Touroku->text(), QStringLiteral("ゲームをする"));
        QCOMPARE(menu->Btn_Touroku->toolTip(), QStringLiteral("ゲームのメニューを表示します"));
        menu->Btn_TourokuClick();
        QVERIFY(!menu->Grp_Touroku->isVisible());
        QVERIFY(menu->Pnl_Game->isVisible());
        QVERIFY(menu->Grp_Player->isVisible());
        QCOMPARE(menu->Btn_Touroku->text(), QStringLiteral("名前の登録"));
        QCOMPARE(menu->Btn_Touroku->toolTip(), QStringLiteral("名前の登録画面を表示します"));
        QVERIFY(MessageBoxes::shown().isEmpty());
    }

    // Leaving registration before anybody is registered is refused with its message.
    void tourokuNeedsAPlayer() {
        TestEnv env;
        WriteMenuFiles(env);
        MenuPtr menu = MakeMenu();
        menu->show();
        menu->Btn_TourokuClick();
        QCOMPARE(MessageBoxes::shown(), QStringList{QStringLiteral("名前を登録してください。")});
        QVERIFY(menu->Grp_Touroku->isVisible());
        QVERIFY(!menu->Pnl_Game->isVisible());
    }

    // The register button: each refusal's message, or a new player in table and list.
    void registerButton_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("message");
        QTest::newRow("ok") << "はなこ"
                            << "3" << QString();
        QTest::newRow("empty") << ""
                               << "1" << QStringLiteral("名前を入れてください。");
        QTest::newRow("blanks") << "  "
                                << "1" << QStringLiteral("名前を入れてください。");
        QTest::newRow("taken") << " たろう"
                               << "1" << QStringLiteral("同じ名前の人がいます。");
        QTest::newRow("too long") << "あいうえおかきくけこさ"
                                  << "1" << MsgNameTooLong;
        QTest::newRow("emoji") << "はな😀"
                               << "1" << MsgNameBadChar;
        QTest::newRow("no year") << "はなこ"
                                 << "" << MsgGakunenRange;
        QTest::newRow("year 5") << "はなこ"
                                << "5" << MsgGakunenRange;
    }
    void registerButton() {
        QFETCH(QString, name);
        QFETCH(QString, year);
        QFETCH(QString, message);
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        MenuPtr menu = MakeMenu();
        menu->show();
        menu->Btn_TourokuClick();
        menu->Edt_Name->setText(name);
        menu->Edt_Gakunen->setText(year);
        menu->Btn_N_TourokuClick();
        if (!message.isEmpty()) {
            QCOMPARE(MessageBoxes::shown(), QStringList{message});
            QCOMPARE(Player_Count, std::int16_t(1));
            QVERIFY(menu->Grp_Touroku->isVisible());
            QCOMPARE(menu->Edt_Name->text(), name);
            return;
        }
        QVERIFY(MessageBoxes::shown().isEmpty());
        QCOMPARE(Player_Count, std::int16_t(2));
        QCOMPARE(Player_Tbl[2].No, std::int16_t(2));
        QCOMPARE(Player_Tbl[2].Name.text(), name);
        QCOMPARE(Player_Tbl[2].Gakunen, std::int16_t(year.toInt()));
        QCOMPARE(menu->Lst_Player->count(), 2);
        QCOMPARE(menu->Lst_Player->item(1)->text(), name);
        QVERIFY(menu->Pnl_Game->isVisible());
        QVERIFY(menu->Grp_Player->isVisible());
        QVERIFY(!menu->Grp_Touroku->isVisible());
        QCOMPARE(menu->Btn_Touroku->text(), QStringLiteral("名前の登録"));
        QVERIFY(menu->Edt_Name->text().isEmpty());
        QCOMPARE(Cur_Player, std::int16_t(0)); // registering chooses nobody
    }

    // The first registration brings the game panel, the list and the registration button.
    void firstRegistration() {
        TestEnv env;
        WriteMenuFiles(env);
        MenuPtr menu = MakeMenu();
        menu->show();
        menu->Edt_Name->setText(QStringLiteral("たろう"));
        menu->UD_Gakunen->stepUp();
        menu->Btn_N_TourokuClick();
        QCOMPARE(Player_Count, std::int16_t(1));
        QCOMPARE(Player_Tbl[1].Gakunen, std::int16_t(2));
        QVERIFY(menu->Pnl_Game->isVisible());
        QVERIFY(menu->Grp_Player->isVisible());
        QVERIFY(menu->Btn_Touroku->isVisible());
        // A caption still asks for a player until one is chosen.
        menu->CaptionClick(2);
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("ゲームをする人の名前をえらんでください ")});
    }

    // The 100th registration hides the registration button and closes the group.
    void hundredthRegistration() {
        TestEnv env;
        WriteMenuFiles(env);
        QStringList names;
        for (int i = 1; i <= 99; ++i)
            names << QStringLiteral("p%1").arg(i);
        WritePlayers(env, names);
        MenuPtr menu = MakeMenu();
        menu->show();
        menu->Btn_TourokuClick();
        menu->Edt_Name->setText(QStringLiteral("p100"));
        menu->Btn_N_TourokuClick();
        QCOMPARE(Player_Count, std::int16_t(100));
        QVERIFY(!menu->Btn_Touroku->isVisible());
        QVERIFY(!menu->Grp_Touroku->isVisible());
    }

    // The up-down control keeps the school year within 1 to 4.
    void upDownRange() {
        TestEnv env;
        WriteMenuFiles(env);
        MenuPtr menu = MakeMenu();
        QCOMPARE(menu->Edt_Gakunen->text(), QStringLiteral("1"));
        menu->UD_Gakunen->stepDown();
        QCOMPARE(menu->Edt_Gakunen->text(), QStringLiteral("1"));
        for (int i = 0; i < 6; ++i)
            menu->UD_Gakunen->stepUp();
        QCOMPARE(menu->Edt_Gakunen->text(), QStringLiteral("4"));
    }

    // Typing into the school-year field takes only 1 to 4.
    void gakunenTyping() {
        TestEnv env;
        WriteMenuFiles(env);
        MenuPtr menu = MakeMenu();
        menu->Edt_Gakunen->clear();
        QTest::keyClicks(menu->Edt_Gakunen, QStringLiteral("5a03"));
        QCOMPARE(menu->Edt_Gakunen->text(), QStringLiteral("3"));
    }

    // A click on a line chooses that player and shows the school year; no line, no change.
    void listClick() {
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう"), QStringLiteral("はなこ")}, {1, 3});
        MenuPtr menu = MakeMenu();
        menu->show();
        QCOMPARE(Cur_Player, std::int16_t(0));
        QCOMPARE(menu->Lbl_Player_Nen->text(), QStringLiteral("年"));
        // Taking the keyboard focus makes a line current but chooses nobody.
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(menu->Lst_Player, &focus);
        QCOMPARE(menu->Lst_Player->currentRow(), 0);
        QCOMPARE(Cur_Player, std::int16_t(0));
        const QRect line = menu->Lst_Player->visualItemRect(menu->Lst_Player->item(1));
        QTest::mouseClick(menu->Lst_Player->viewport(), Qt::LeftButton, {}, line.center());
        QCOMPARE(Cur_Player, std::int16_t(2));
        QCOMPARE(menu->Lbl_Player_Nen->text(), QStringLiteral("3年"));
        // Below the last line there is nothing to choose.
        const QRect below = menu->Lst_Player->visualItemRect(menu->Lst_Player->item(1));
        QTest::mouseClick(menu->Lst_Player->viewport(), Qt::LeftButton, {},
                          QPoint(below.center().x(), below.bottom() + 8));
        QCOMPARE(Cur_Player, std::int16_t(2));
        menu->Lst_Player->clearSelection();
        menu->Lst_PlayerClick();
        QCOMPARE(Cur_Player, std::int16_t(2));
        menu->Lst_Player->setCurrentRow(0);
        QCOMPARE(Cur_Player, std::int16_t(1));
        QCOMPARE(menu->Lbl_Player_Nen->text(), QStringLiteral("1年"));
    }

    // The mode buttons exclude each other, set the status text and move the hand cursor.
    void modeButtons() {
        TestEnv env;
        WriteMenuFiles(env);
        MenuPtr menu = MakeMenu();
        QVERIFY(menu->Spdbtn_Game->isChecked());
        QCOMPARE(menu->Lbl_Status->text(), QStringLiteral("ゲームをする"));
        QTest::mouseClick(menu->Spdbtn_Kiroku, Qt::LeftButton);
        QVERIFY(menu->isRecordMode());
        QVERIFY(!menu->Spdbtn_Game->isChecked());
        QCOMPARE(menu->Lbl_Status->text(), QStringLiteral("記録を見る"));
        QCOMPARE(menu->Spdbtn_Kiroku->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(menu->Spdbtn_Game->cursor().shape(), Qt::BitmapCursor);
        QTest::mouseClick(menu->Spdbtn_Game, Qt::LeftButton);
        QVERIFY(!menu->isRecordMode());
        QCOMPARE(menu->Lbl_Status->text(), QStringLiteral("ゲームをする"));
        QCOMPARE(menu->Spdbtn_Game->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(menu->Spdbtn_Kiroku->cursor().shape(), Qt::BitmapCursor);
    }

    // A caption click in each mode, with and without a chosen player and a game window.
    void captionClick_data() {
        QTest::addColumn<bool>("recordMode");
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("game");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("opensGame");
        QTest::newRow("no player")
            << false << 0 << 2 << QStringLiteral("ゲームをする人の名前をえらんでください ")
            << false;
        QTest::newRow("game 2 opens") << false << 2 << 2 << QString() << true;
        QTest::newRow("game 6 being prepared")
            << false << 1 << 6 << QStringLiteral("「かんじもぐらたたき」は じゅんびちゅうです。")
            << false;
        QTest::newRow("records without player") << true << 0 << 3 << QString() << false;
        QTest::newRow("records with player") << true << 1 << 6 << QString() << false;
    }
    void captionClick() {
        QFETCH(bool, recordMode);
        QFETCH(int, player);
        QFETCH(int, game);
        QFETCH(QString, message);
        QFETCH(bool, opensGame);
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう"), QStringLiteral("はなこ")}, {1, 3});
        MenuPtr menu = MakeMenu();
        menu->show();
        if (recordMode)
            menu->Spdbtn_KirokuClick();
        if (player)
            menu->Lst_Player->setCurrentRow(player - 1);
        QTest::mouseClick(menu->caption(game), Qt::LeftButton);
        QCOMPARE(MessageBoxes::shown(), message.isEmpty() ? QStringList() : QStringList{message});
        if (recordMode) {
            // The grades of that game open in the menu's place.
            QCOMPARE(Cur_Game, std::int16_t(game));
            QVERIFY(!menu->isVisible());
            TF_Game_Seiseki* grades = openGrades();
            QVERIFY(grades);
            grades->Btn_EndClick();
            QVERIFY(menu->isVisible());
            return;
        }
        QCOMPARE(menu->isVisible(), !opensGame);
        if (opensGame) {
            QVERIFY(lastGameWindow && lastGameWindow->isVisible());
            QCOMPARE(Cur_Game, std::int16_t(game));
            const TGakunenRec& y = Gakunen_Tbl[3];
            QCOMPARE(Cur_First, y.First);
            QCOMPARE(Cur_Count, y.Count);
            QCOMPARE(Cur_Levels, y.Levels);
            // Closing the game brings the menu back.
            lastGameWindow->close();
            ShowMainMenu();
            QVERIFY(menu->isVisible());
        }
    }

    // A quick double-click on a game's caption or picture opens the game once.
    void doubleClickOpensOnce_data() {
        QTest::addColumn<bool>("onPicture");
        QTest::newRow("caption") << false;
        QTest::newRow("picture") << true;
    }
    void doubleClickOpensOnce() {
        QFETCH(bool, onPicture);
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        MenuPtr menu = MakeMenu();
        menu->show();
        menu->Lst_Player->setCurrentRow(0);
        gameWindowsMade = 0;
        QWidget* target = onPicture ? static_cast<QWidget*>(menu->animation(2))
                                    : static_cast<QWidget*>(menu->caption(2));
        QTest::mouseClick(target, Qt::LeftButton);
        QTest::mouseDClick(target, Qt::LeftButton);
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(gameWindowsMade, 1);
        QVERIFY(lastGameWindow && lastGameWindow->isVisible());
        lastGameWindow->close();
        ShowMainMenu();
        QVERIFY(menu->isVisible());
        // Once the game has closed, the next click opens it again.
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(gameWindowsMade, 2);
        lastGameWindow->close();
        ShowMainMenu();
    }

    // The game window keeps the game number, player and school-year values it was opened with,
    // whatever the menu's values became meanwhile (its ranking and history read them).
    void gameKeepsItsPlayValues() {
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう"), QStringLiteral("はなこ")}, {1, 3});
        MenuPtr menu = MakeMenu();
        menu->show();
        menu->Lst_Player->setCurrentRow(1);
        QTest::mouseClick(menu->caption(2), Qt::LeftButton);
        QVERIFY(lastGameWindow);
        Cur_Game = 0;
        Cur_Player = 1;
        Cur_First = 1;
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(lastGameWindow, &activate);
        QCOMPARE(Cur_Game, std::int16_t(2));
        QCOMPARE(Cur_Player, std::int16_t(2));
        QCOMPARE(Cur_First, Gakunen_Tbl[3].First);
        lastGameWindow->close();
        ShowMainMenu();
    }

    // The grades button opens every game's grades (Cur_Game 0); closing them brings the menu back.
    void gradesButton() {
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        MenuPtr menu = MakeMenu();
        menu->show();
        QTest::mouseClick(menu->Btn_Seiseki, Qt::LeftButton);
        QCOMPARE(Cur_Game, std::int16_t(0));
        QVERIFY(!menu->isVisible());
        TF_Game_Seiseki* grades = openGrades();
        QVERIFY(grades);
        grades->Btn_EndClick();
        QVERIFY(menu->isVisible());
        QCOMPARE(MediaPlayers::log().last(), QStringLiteral("play Menu1.mid"));
    }

    // The help button opens the help file of the program directory at the main menu's topic.
    void helpButton() {
        TestEnv env;
        WriteMenuFiles(env);
        env.writeFile(QStringLiteral("Mojimaru.hlp"),
                      QStringLiteral("@topic 31 メニューのつかいかた\nなまえをえらびます。\n"
                                     "@topic 33 きろく\nきろくです。\n")
                          .toUtf8());
        MenuPtr menu = MakeMenu();
        menu->show();
        QTest::mouseClick(menu->Btn_Help, Qt::LeftButton);
        auto* help = menu->findChild<QDialog*>(QStringLiteral("HelpWindow"));
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("メニューのつかいかた"));
        help->close();
    }

    // Pressing ヘルプ again and again keeps one help window, not one more each time.
    void helpButtonAgain() {
        TestEnv env;
        WriteMenuFiles(env);
        env.writeFile(QStringLiteral("Mojimaru.hlp"),
                      QStringLiteral("@topic 31 メニューのつかいかた\nなまえをえらびます。\n").toUtf8());
        MenuPtr menu = MakeMenu();
        menu->show();
        for (int i = 0; i < 5; ++i)
            QTest::mouseClick(menu->Btn_Help, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QList<QDialog*> open = menu->findChildren<QDialog*>(QStringLiteral("HelpWindow"));
        QCOMPARE(open.size(), 1);
        QVERIFY(open.first()->isVisible());
        open.first()->close();
    }

    // The caption under the mouse turns red, the others white; the panel makes all white.
    void captionColours() {
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        MenuPtr menu = MakeMenu();
        menu->show();
        QMouseEvent move(QEvent::MouseMove, QPointF(6, 6),
                         menu->caption(3)->mapToGlobal(QPointF(6, 6)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(menu->caption(3), &move);
        QCOMPARE(textColor(menu->caption(3)), QColor(Qt::red));
        for (int n : {1, 2, 4, 5, 6, 7})
            QCOMPARE(textColor(menu->caption(n)), QColor(Qt::white));
        menu->CaptionMouseMove(5);
        QCOMPARE(textColor(menu->caption(5)), QColor(Qt::red));
        QCOMPARE(textColor(menu->caption(3)), QColor(Qt::white));
        menu->Pnl_GameMouseMove();
        for (int n = 1; n <= 7; ++n)
            QCOMPARE(textColor(menu->caption(n)), QColor(Qt::white));
    }

    // Behind a game the hidden menu decodes no frames; shown again, its clips go on.
    void hiddenMenuRestsItsClips() {
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")}); // the game panel shows, not registration
        MenuPtr menu = MakeMenu();
        menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
        for (int n = 1; n <= 7; ++n)
            QVERIFY(menu->animation(n)->isAdvancing());
        menu->hide();
        for (int n = 1; n <= 7; ++n) {
            QVERIFY(!menu->animation(n)->isAdvancing());
            QVERIFY(menu->animation(n)->isPlaying());
        }
        menu->show();
        for (int n = 1; n <= 7; ++n)
            QVERIFY(menu->animation(n)->isAdvancing());
    }

    // The seven entries stand at the quarters and halves of the panel, captions 10 below.
    void entryLayout() {
        TestEnv env;
        WriteMenuFiles(env);
        MenuPtr menu = MakeMenu();
        QCOMPARE(menu->Pnl_Game->size(), QSize(600, 300));
        const QPoint at[] = {{0, 0},   {150, 0},   {300, 0},  {450, 0},
                             {0, 150}, {150, 150}, {300, 150}};
        for (int n = 1; n <= 7; ++n) {
            AnimateControl* anim = menu->animation(n);
            QCOMPARE(anim->pos(), at[n - 1]);
            QVERIFY(anim->isPlaying());
            QCOMPARE(anim->toolTip(), GameAnimationHint(n));
            CaptionLabel* label = menu->caption(n);
            QCOMPARE(label->tag(), n);
            QCOMPARE(label->x(), anim->x());
            QCOMPARE(label->y(), anim->y() + anim->height() + 10);
            QCOMPARE(label->text(), GameCaption(n));
            QCOMPARE(label->toolTip(), QStringLiteral("「%1」をする").arg(GameCaption(n)));
            QCOMPARE(label->cursor().shape(), Qt::BitmapCursor);
        }
        QCOMPARE(menu->animation(4)->toolTip(), QStringLiteral("かんじジグソーパズル"));
    }

    // Start-up switches to the 640 mode, and the end of the menu switches back.
    void displaySwitchAndRestore() {
        TestEnv env;
        WriteMenuFiles(env);
        std::vector<DisplayMode> changes;
        auto source = UsualDisplay();
        source->externalLog = &changes;
        MenuPtr menu = MakeMenu(std::move(source));
        QCOMPARE(Disp_Mode, std::int16_t(2));
        QCOMPARE(Disp_Scale, 1.0);
        QCOMPARE(changes, std::vector<DisplayMode>{Mode(640, 480)});
        QCOMPARE(ImgLst_Pop.size(), 10);
        QCOMPARE(ImgLst_Pop[0].size(), QSize(48, 48));
        menu.reset();
        QCOMPARE(changes, (std::vector<DisplayMode>{Mode(640, 480), Mode(1280, 1024)}));
    }

    // Large fonts: the 800 mode, the 1.25 scale and 70-pixel card pictures.
    void largeFonts() {
        TestEnv env;
        WriteMenuFiles(env);
        std::vector<DisplayMode> changes;
        auto source = UsualDisplay(120);
        source->externalLog = &changes;
        MenuPtr menu = MakeMenu(std::move(source));
        QVERIFY(menu->created());
        QCOMPARE(Disp_Mode, std::int16_t(1));
        QCOMPARE(Disp_Scale, 1.25);
        QCOMPARE(changes.front(), Mode(800, 600));
        QCOMPARE(ImgLst_Pop[9].size(), QSize(70, 70));
        QCOMPARE(menu->Pnl_Game->size(), QSize(750, 375));
        Disp_Mode = 2;
        Disp_Scale = 1;
    }

    // A screen too small for the layout ends the program after its message; a wide one without
    // a 640 mode runs as it is.
    void screenTooSmall_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("runs");
        QTest::newRow("600 wide") << 600 << false;
        QTest::newRow("1024 wide") << 1024 << true;
    }
    void screenTooSmall() {
        QFETCH(int, width);
        QFETCH(bool, runs);
        TestEnv env;
        WriteMenuFiles(env);
        const DisplayMode only = Mode(width, width * 3 / 4);
        MenuPtr menu =
            MakeMenu(std::make_unique<FakeModeSource>(std::vector<DisplayMode>{only}, only));
        QCOMPARE(menu->created(), runs);
        QCOMPARE(ProgramEnd::requested(), !runs);
        QCOMPARE(MessageBoxes::shown(),
                 runs
                     ? QStringList()
                     : QStringList{QStringLiteral("このディスプレイの解像度では、実行できません")});
    }

    // A file the start-up cannot read ends the program after its report.
    void startupFileError_data() {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QByteArray>("damaged");
        QTest::addColumn<QString>("message");
        QTest::newRow("Kanji.dat")
            << "Kanji.dat" << QByteArray() << QStringLiteral("Kanji.datでエラーがおこりました。 ");
        QTest::newRow("Mondai2.dat") << "Mondai2.dat" << QByteArray()
                                     << QStringLiteral("Mondai2.datでエラーがおこりました。 ");
        QTest::newRow("Game4.AVI")
            << "Game4.AVI" << QByteArray() << QStringLiteral("Game4.AVIでエラーがおこりました。 ");
        QTest::newRow("Pop7.wmf") << "Pop7.wmf" << QByteArray()
                                  << QStringLiteral("Pop7.wmfでエラーがおこりました。 ");
        QTest::newRow("damaged Player.dat")
            << "" << QByteArray("short") << QStringLiteral("Player.datでエラーがおこりました。 ");
    }
    void startupFileError() {
        QFETCH(QString, missing);
        QFETCH(QByteArray, damaged);
        TestEnv env;
        WriteMenuFiles(env, missing);
        if (!damaged.isEmpty())
            env.writeFile(PlayerFileName, damaged);
        MenuPtr menu = MakeMenu();
        QVERIFY(!menu->created());
        QVERIFY(ProgramEnd::requested());
        QFETCH(QString, message);
        QCOMPARE(MessageBoxes::shown(), QStringList{message});
        QVERIFY(!menu->isVisible());
        QVERIFY(!F_Pop);
    }

    // A kanji table without every kanji of school years 1 to 4 (cut at a record's end, or
    // empty) cannot be played: the start-up reports it like an unreadable file.
    void incompleteKanjiFile_data() {
        QTest::addColumn<int>("from");  // the records cut out: from (counting from 0), count
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << 0 << 640;
        QTest::newRow("first year only") << 80 << 560;
        QTest::newRow("the last one missing") << 639 << 1;
        QTest::newRow("one of year 3 missing") << 300 << 1;
    }
    void incompleteKanjiFile() {
        QFETCH(int, from);
        QFETCH(int, count);
        TestEnv env;
        WriteMenuFiles(env);
        QByteArray kanji = env.readFile(QStringLiteral("Kanji.dat"));
        QCOMPARE(kanji.size(), 640 * 14);
        env.writeFile(QStringLiteral("Kanji.dat"), kanji.remove(from * 14, count * 14));
        MenuPtr menu = MakeMenu();
        QVERIFY(!menu->created());
        QVERIFY(ProgramEnd::requested());
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("Kanji.datでエラーがおこりました。 ")});
    }

    // The end button writes both files and ends; the next start shows the players again.
    void endButtonSaves() {
        TestEnv env;
        WriteMenuFiles(env);
        {
            MenuPtr menu = MakeMenu();
            menu->show();
            menu->Edt_Name->setText(QStringLiteral("たろう"));
            menu->Btn_N_TourokuClick();
            menu->Btn_TourokuClick();
            menu->Edt_Name->setText(QStringLiteral("はなこ"));
            menu->Edt_Gakunen->setText(QStringLiteral("4"));
            menu->Btn_N_TourokuClick();
            QTest::mouseClick(menu->Btn_End, Qt::LeftButton);
            QVERIFY(!menu->isVisible());
            QVERIFY(!F_Pop);
        }
        QCOMPARE(env.readFile(PlayerFileName).size(), 2 * PlayerRecSize);
        QCOMPARE(env.readFile(GameFileName).size(), 4000);
        InitTables();
        MenuPtr again = MakeMenu();
        again->show();
        QCOMPARE(again->Lst_Player->count(), 2);
        QCOMPARE(again->Lst_Player->item(1)->text(), QStringLiteral("はなこ"));
        QCOMPARE(Player_Tbl[2].Gakunen, std::int16_t(4));
        QVERIFY(again->Pnl_Game->isVisible());
    }

    // A save that fails is reported and the menu stays, so nothing is lost.
    void endButtonSaveFails() {
        TestEnv env;
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")});
        MenuPtr menu = MakeMenu();
        menu->show();
        env.removeFile(PlayerFileName);
        QVERIFY(QDir(env.dir()).mkdir(PlayerFileName)); // a folder cannot be written as a file
        menu->Btn_EndClick();
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("記録を保存できませんでした。\n"
                                            "フォルダ「%1」に「Player.dat」を書きこめません。"
                                            "ディスクがいっぱいか、書きこみがゆるされていないフォルダです。"
                                            "\n\n保存しないで終わりますか？ 保存できなかった記録は消えます。")
                                 .arg(QDir::cleanPath(env.dir()))});
        QVERIFY(menu->isVisible());
        QVERIFY(F_Pop);
    }

    // The splash screen: its greeting's place, its frame and navy, and it takes no input.
    void splash() {
        const PopLayout at = PopLayoutFor(QSize(640, 480));
        QCOMPARE(at.greeting, QPoint(160, 160));
        QCOMPARE(at.shadow, QPoint(163, 163));
        QCOMPARE(at.second, QPoint(210, 210));
        const QImage image = DrawPopPicture(QSize(640, 480));
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(image.pixelColor(639, 479), QColor(Qt::black));
        QCOMPARE(image.pixelColor(5, 5), QColor(0, 0, 128));
        bool white = false;
        for (int x = 160; x < 200 && !white; ++x)
            for (int y = 160; y < 200 && !white; ++y)
                white = image.pixelColor(x, y) == QColor(Qt::white);
        QVERIFY(white);

        TestEnv env;
        WriteMenuFiles(env);
        MenuPtr menu = MakeMenu();
        QVERIFY(F_Pop);
        QVERIFY(F_Pop->isVisible());
        QVERIFY(!F_Pop->isEnabled());
        // The window paints the same picture at its own size.
        const QImage shown = F_Pop->grab().toImage();
        QCOMPARE(shown.pixelColor(5, 5), QColor(0, 0, 128));
        QCOMPARE(shown.pixelColor(shown.width() - 1, shown.height() - 1), QColor(Qt::black));
    }

    // Card pictures: white turns transparent, the drawing stays.
    void cardPictures() {
        TestEnv env;
        WriteMenuFiles(env);
        MenuPtr menu = MakeMenu();
        const QImage card = ImgLst_Pop[0].toImage();
        QCOMPARE(card.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(card.pixelColor(24, 24).alpha(), 255);
    }
};

QTEST_MAIN(TestMainMenu)
#include "test_main_menu.moc"
