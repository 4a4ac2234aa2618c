// SPDX-License-Identifier: GPL-3.0-or-later
// The program runs in one full-screen top-level window: the backdrop, the menu, the games and
// every box over them stand inside it; boxes keep clicks and keys from the windows below.
#include "games/guess/TF_Game2.h"
#include "menu/GameWindows.h"
#include "menu/MenuFixture.h"
#include "menu/MenuTestSupport.h"
#include "menu/TF_Pop.h"
#include "platform/HelpFile.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"
#include "platform/ModalLayer.h"
#include "platform/ProgramHostWindow.h"
#include "platform/ProgramWindow.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {
QList<QWidget*> shownTopLevel() {
    QList<QWidget*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            out << w;
    return out;
}

// The host window with a menu inside it, as the program's entry makes them.
struct HostedMenu {
    std::unique_ptr<ProgramHostWindow> host = std::make_unique<ProgramHostWindow>();
    TF_Main* menu = new TF_Main(UsualDisplay(), host.get());
    HostedMenu() {
        ShowProgramWindow(menu);
        host->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(host.get()));
    }
    ~HostedMenu() {
        menu->close();
        delete menu;
        host.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};
} // namespace

class TestProgramHost : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { RegisterGameWindow(2, [] { return new TF_Game2(); }); }

    // A window the window manager closes goes, and nothing keeps pointing at it: the menu ends
    // afterwards without touching it.
    void backdropClosedFromOutside() {
        TestEnv env;
        WriteMenuFiles(env);
        MenuPtr menu = MakeMenu();
        menu->show();
        QVERIFY(F_Pop);
        F_Pop->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!F_Pop);
        QTest::mouseClick(menu->Btn_End, Qt::LeftButton);
        QVERIFY(!menu->isVisible());
    }

    // Full screen, not maximised: a desktop's panels stay over a maximised window.
    void fullScreen() {
        QWidget w;
        ShowProgramWindow(&w);
        QVERIFY(w.windowState() & Qt::WindowFullScreen);
        QVERIFY(!(w.windowState() & Qt::WindowMaximized));
        QCOMPARE(w.geometry(), ProgramScreenRect());
    }

    // The logical screen covers every device pixel: 1920 / 2.25 is 853.3, so 854 wide.
    void coversEveryPixel_data() {
        QTest::addColumn<QSize>("native");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QSize>("logical");
        QTest::newRow("1920x1080") << QSize(1920, 1080) << 2.25 << QSize(854, 480);
        QTest::newRow("1366x768") << QSize(1366, 768) << 1.6 << QSize(854, 480);
        QTest::newRow("3840x2160") << QSize(3840, 2160) << 4.5 << QSize(854, 480);
        QTest::newRow("640x480") << QSize(640, 480) << 1.0 << QSize(640, 480);
        QTest::newRow("1280x1024") << QSize(1280, 1024) << 2.0 << QSize(640, 512);
    }
    void coversEveryPixel() {
        QFETCH(QSize, native);
        QFETCH(double, factor);
        QFETCH(QSize, logical);
        const QSize got = CoveringSize(native, factor);
        QCOMPARE(got, logical);
        QVERIFY(got.width() * factor >= native.width());
        QVERIFY(got.height() * factor >= native.height());
    }

    // From the splash picture to a game: one top-level window, everything inside it.
    void oneTopLevelWindow() {
        TestEnv env(true);
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")}, {2});
        HostedMenu run;
        QVERIFY(run.menu->created());
        QCOMPARE(shownTopLevel(), QList<QWidget*>{run.host.get()});
        QVERIFY(run.host->windowState() & Qt::WindowFullScreen);
        QCOMPARE(run.host->geometry(), ProgramScreenRect());
        QCOMPARE(F_Pop->parentWidget(), run.host.get());
        QCOMPARE(run.menu->geometry(), run.host->rect());

        run.menu->Lst_Player->setCurrentRow(0);
        run.menu->Lst_PlayerClick();
        run.menu->Btn_GameClick(2);
        QVERIFY(!run.menu->isVisible());
        QCOMPARE(shownTopLevel(), QList<QWidget*>{run.host.get()});
        auto* game = run.host->findChild<TF_Game2*>();
        QVERIFY(game);
        QCOMPARE(game->parentWidget(), run.host.get());
        QVERIFY(game->isVisible());
        QCOMPARE(game->geometry(), run.host->rect());
        game->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(run.menu->isVisible());
        QCOMPARE(shownTopLevel(), QList<QWidget*>{run.host.get()});
    }

    // A message box is drawn inside the program's window, over the menu; a click on the menu
    // below does nothing, Enter answers the box, and afterwards the menu takes clicks again.
    void messageBoxInside() {
        TestEnv env(true);
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")}, {2});
        HostedMenu run;
        MessageBoxes::setRecording(false);
        // Looked at from inside the box's own run; whatever is found, the box is ended, so a
        // failure cannot hang the test.
        bool found = false, inside = false, alone = false, blocked = false, answered = false;
        QTimer::singleShot(0, [&] {
            auto* box = run.host->findChild<QDialog*>(QStringLiteral("MessageBox"));
            if (!box)
                return;
            found = box->isVisible();
            inside = !box->isWindow() && run.host->rect().contains(QRect(
                                             box->mapTo(run.host.get(), QPoint()), box->size()));
            alone = shownTopLevel() == QList<QWidget*>{run.host.get()};
            // The end button below the box takes no click, made where a child clicks: on the
            // program's window, over the button.
            const QPoint end = run.menu->Btn_End->mapTo(run.host.get(),
                                                        run.menu->Btn_End->rect().center());
            QTest::mouseClick(run.host->windowHandle(), Qt::LeftButton, {}, end);
            blocked = run.menu->isVisible() && box->isVisible() && !ReachableNow(run.menu->Btn_End);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            answered = !box->isVisible();
            if (box->isVisible())
                box->done(0);
        });
        ShowMessage(run.menu, QStringLiteral("テスト"));
        MessageBoxes::setRecording(true);
        QVERIFY(found);
        QVERIFY(inside);
        QVERIFY(alone);
        QVERIFY(blocked);
        QVERIFY(answered);
        QVERIFY(!run.host->findChild<QDialog*>(QStringLiteral("MessageBox"), Qt::FindDirectChildrenOnly));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!run.host->findChild<QWidget*>(QStringLiteral("ModalLayer")));
        QVERIFY(ReachableNow(run.menu->Btn_End));
    }

    // A window run modally over a game fills the program's window; the help stands in its
    // middle; neither is a window of its own.
    void modalWindowsInside() {
        TestEnv env(true);
        WriteMenuFiles(env);
        HostedMenu run;
        Modal::setHook({}); // the real run, not the tests' stand-in
        QDialog full(run.menu);
        full.setWindowState(Qt::WindowFullScreen);
        bool inside = false, fills = false, alone = false;
        QTimer::singleShot(0, [&] {
            inside = !full.isWindow();
            fills = QRect(full.mapTo(run.host.get(), QPoint()), full.size()) == run.host->rect();
            alone = shownTopLevel() == QList<QWidget*>{run.host.get()};
            full.accept();
        });
        QCOMPARE(ExecModal(&full), int(QDialog::Accepted));
        QVERIFY(inside);
        QVERIFY(fills);
        QVERIFY(alone);
        QCOMPARE(full.parentWidget(), run.menu); // back with its owner

        ShowHelp(run.menu, 31);
        auto* help = run.host->findChild<QDialog*>(QStringLiteral("HelpWindow"));
        QVERIFY(help);
        QVERIFY(!help->isWindow());
        QCOMPARE(QRect(help->mapTo(run.host.get(), QPoint()), help->size()).center(),
                 run.host->rect().center());
        QVERIFY(!ReachableNow(run.menu->Btn_End));
        QTest::keyClick(help, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(ReachableNow(run.menu->Btn_End));
    }
};

QTEST_MAIN(TestProgramHost)
#include "test_program_host.moc"
