// SPDX-License-Identifier: GPL-3.0-or-later
// Each of the seven game windows opened from the menu with the built program's files: the start
// button that becomes the end button in its place (a double-click or a second key press on it
// must not end the game it just started), and a window whose pictures are missing, which must
// report the file and hand the child back to a usable menu.
#include "data/Tables.h"
#include "games/action/TF_Game5.h"
#include "games/action/TF_Game6.h"
#include "games/action/TF_Game7.h"
#include "games/guess/TF_Game2.h"
#include "games/guess/TF_Game3.h"
#include "games/puzzle/TF_Game1.h"
#include "games/puzzle/TF_Game4.h"
#include "menu/CaptionLabel.h"
#include "menu/GameWindows.h"
#include "menu/MenuTestSupport.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"
#include "platform/StartEndGuard.h"
#include "support/TestEnv.h"
#include "support/WindowWalk.h"

#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {
const QString End = QStringLiteral("ゲームおわり");

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The visible top-level window other than the menu.
QWidget* gameWindow(const QWidget* menu) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != menu && w->isVisible() && !qobject_cast<TF_Pop*>(w))
            return w;
    return nullptr;
}

QPushButton* buttonReading(QWidget* w, const QString& text) {
    for (QPushButton* b : w->findChildren<QPushButton*>())
        if (b->text() == text && !b->isHidden())
            return b;
    return nullptr;
}

QPushButton* startButton(QWidget* w) {
    QPushButton* b = buttonReading(w, QStringLiteral("ゲームスタート"));
    return b ? b : buttonReading(w, QStringLiteral("ゲームはじめ"));
}

// A year-2 player chosen in a menu built on the program's own files.
struct Menu {
    MenuPtr menu;
    explicit Menu(TestEnv& env) {
        WritePlayers(env, {QStringLiteral("たろう")}, {2});
        menu = MakeMenu();
        menu->show();
        menu->Lst_Player->setCurrentRow(0);
    }
    QWidget* open(int game) {
        QTest::mouseClick(menu->caption(game), Qt::LeftButton);
        settle();
        return gameWindow(menu.get());
    }
};
} // namespace

class TestGameWindows : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        qApp->setQuitOnLastWindowClosed(false);
        RegisterSevenGameWindows();
        QVERIFY2(QFileInfo::exists(TestEnv::builtProgramDir() + QStringLiteral("/Kanji.dat")),
                 "build the kanjidata and assets targets first");
    }
    void cleanup()
    {
        StartEndGuard::setIntervalForTests(-1);
        // A failed row must not leave its window for the next row to find.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                w->close();
        settle();
    }

    // A double-click on the start button starts the game and leaves it running; a press of the
    // end button after the double-click interval ends it and the menu shows again.
    void doubleClickStartsOnly_data() {
        QTest::addColumn<int>("game");
        for (int g = 1; g <= 7; ++g)
            QTest::addRow("game %d", g) << g;
    }
    void doubleClickStartsOnly() {
        QFETCH(int, game);
        TestEnv env(true);
        Modal::setHook([](QDialog*) { return 0; });
        StartEndGuard::setIntervalForTests(400);
        Menu m(env);
        QPointer<QWidget> w = m.open(game);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QPushButton* start = startButton(w);
        QVERIFY(start);
        const QPoint at = start->mapTo(w, start->rect().center());
        QTest::mouseDClick(w->windowHandle(), Qt::LeftButton, {}, at);
        settle();
        QVERIFY(w && w->isVisible());
        QVERIFY(!m.menu->isVisible());
        auto* end = qobject_cast<QPushButton*>(w->childAt(at));
        QVERIFY(end);
        QCOMPARE(end->text(), End);
        // a press just inside the interval still does nothing
        Clock::advanceMs(399);
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, at);
        settle();
        QVERIFY(w && w->isVisible());
        Clock::advanceMs(1);
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, at);
        settle();
        QVERIFY(!w || !w->isVisible());
        QVERIFY(m.menu->isVisible());
        QVERIFY(MessageBoxes::shown().isEmpty());
    }

    // Space on the focused start button starts the game; Space again within the interval does
    // nothing, and after it ends the game. (The action games take Space for play.)
    void secondKeyWithinIntervalDoesNothing_data() {
        QTest::addColumn<int>("game");
        for (int g = 1; g <= 4; ++g)
            QTest::addRow("game %d", g) << g;
    }
    void secondKeyWithinIntervalDoesNothing() {
        QFETCH(int, game);
        TestEnv env(true);
        Modal::setHook([](QDialog*) { return 0; });
        StartEndGuard::setIntervalForTests(400);
        Menu m(env);
        QPointer<QWidget> w = m.open(game);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QPushButton* start = startButton(w);
        QVERIFY(start);
        const QPoint at = start->mapTo(w, start->rect().center());
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Space);
        settle();
        auto* end = qobject_cast<QPushButton*>(w->childAt(at));
        QVERIFY(end);
        QCOMPARE(end->text(), End);
        QTest::keyClick(end, Qt::Key_Space);
        settle();
        QVERIFY(w && w->isVisible());
        Clock::advanceMs(400);
        QTest::keyClick(end, Qt::Key_Space);
        settle();
        QVERIFY(!w || !w->isVisible());
        QVERIFY(m.menu->isVisible());
    }

    // Before the start, "もどる" (clicked) or Esc leaves the game for the menu; once the game
    // runs, the button is gone and Esc leaves nothing.
    void backBeforeStart_data() {
        QTest::addColumn<int>("game");
        QTest::addColumn<bool>("byKey");
        for (int g = 1; g <= 7; ++g) {
            QTest::addRow("game %d, もどる", g) << g << false;
            QTest::addRow("game %d, Esc", g) << g << true;
        }
    }
    void backBeforeStart() {
        QFETCH(int, game);
        QFETCH(bool, byKey);
        TestEnv env(true);
        Modal::setHook([](QDialog*) { return 0; });
        Menu m(env);
        QPointer<QWidget> w = m.open(game);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QPushButton* back = buttonReading(w, QStringLiteral("もどる"));
        QVERIFY(back);
        QVERIFY(back->isVisible());
        // nothing else on the first screen lies under it
        const QPoint at = back->mapTo(w, back->rect().center());
        QCOMPARE(w->childAt(at), back);
        if (byKey)
            QTest::keyClick(w, Qt::Key_Escape);
        else
            QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, at);
        settle();
        QVERIFY(!w || !w->isVisible());
        QVERIFY(m.menu->isVisible());
        QVERIFY(MessageBoxes::shown().isEmpty());

        QPointer<QWidget> again = m.open(game);
        QVERIFY(again);
        QVERIFY(QTest::qWaitForWindowActive(again));
        QPushButton* start = startButton(again);
        QVERIFY(start);
        QTest::mouseClick(start, Qt::LeftButton);
        settle();
        QVERIFY(!buttonReading(again, QStringLiteral("もどる")));
        QTest::keyClick(again, Qt::Key_Escape);
        settle();
        QVERIFY(again && again->isVisible());
        again->close();
        settle();
    }

    // A window whose pictures cannot be loaded reports the file, closes, and the menu shows
    // again and opens another game.
    void failedSetUpReturnsToMenu_data() {
        QTest::addColumn<int>("game");
        QTest::addColumn<QString>("file");
        QTest::newRow("game 2, Bang.wmf") << 2 << QStringLiteral("Bang.wmf");
        QTest::newRow("game 3, Bang1.wmf") << 3 << QStringLiteral("Bang1.wmf");
        QTest::newRow("game 4, Bang2.wmf") << 4 << QStringLiteral("Bang2.wmf");
        QTest::newRow("game 5, Tama.bmp") << 5 << QStringLiteral("Tama.bmp");
        QTest::newRow("game 6, Mogura.bmp") << 6 << QStringLiteral("Mogura.bmp");
        QTest::newRow("game 7, STARS2.bmp") << 7 << QStringLiteral("STARS2.bmp");
    }
    void failedSetUpReturnsToMenu() {
        QFETCH(int, game);
        QFETCH(QString, file);
        TestEnv env(true);
        QVERIFY(QFileInfo::exists(env.path(file)));
        env.removeFile(file);
        Menu m(env);
        QPointer<QWidget> w = m.open(game);
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{file + QStringLiteral("でエラーがおこりました。 ")});
        settle();
        QVERIFY(!w || !w->isVisible());
        QVERIFY(m.menu->isVisible());
        QVERIFY(!gameWindow(m.menu.get()));
        QPointer<QWidget> other = m.open(1);
        QVERIFY(other);
        QVERIFY(qobject_cast<TF_Game1*>(other));
        QVERIFY(!m.menu->isVisible());
        other->close();
        settle();
        QVERIFY(m.menu->isVisible());
    }
};

QTEST_MAIN(TestGameWindows)
#include "test_game_windows.moc"
