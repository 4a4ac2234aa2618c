// SPDX-License-Identifier: GPL-3.0-or-later
// Every window places its layout by the one rule: the window is maximised and its fixed layout
// stands in the middle of it, unchanged on a 4:3 screen, with bands at the sides on 16:9.
#include "aftergame/TF_Game_Kiroku.h"
#include "aftergame/TF_Game_Shutsudai.h"
#include "data/KanjiFiles.h"
#include "data/Rules.h"
#include "data/SaveFiles.h"
#include "data/Tables.h"
#include "games/action/TF_Game5.h"
#include "games/action/TF_Game6.h"
#include "games/action/TF_Game7.h"
#include "games/guess/TF_Game2.h"
#include "games/guess/TF_Game3.h"
#include "games/guess/TF_Kanji_Sel.h"
#include "games/puzzle/TF_Game1.h"
#include "games/puzzle/TF_Game4.h"
#include "menu/FakeModeSource.h"
#include "menu/MenuFixture.h"
#include "menu/MenuTestSupport.h"
#include "menu/TF_Main.h"
#include "platform/CentredLayout.h"
#include "platform/MessagePlace.h"
#include "platform/Modal.h"
#include "support/TestEnv.h"

#include <QLineEdit>
#include <QtTest>
#include <functional>
#include <memory>

using WindowMaker = std::function<QWidget*()>;

namespace {
const QWidget* pic_or_box(const QWidget* w) {
    const QWidget* pic = MessagePicture(w);
    return pic->isVisible() ? pic : LayoutBox(w);
}
} // namespace
Q_DECLARE_METATYPE(WindowMaker)

class TestWindowCentring : public QObject {
    Q_OBJECT
  private slots:
    void rule_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QSize>("layout");
        QTest::addColumn<QPoint>("pos");
        QTest::newRow("4:3, nothing moves") << QSize(640, 480) << QSize(640, 480) << QPoint(0, 0);
        QTest::newRow("16:9") << QSize(853, 480) << QSize(640, 480) << QPoint(106, 0);
        QTest::newRow("5:4") << QSize(640, 512) << QSize(640, 480) << QPoint(0, 16);
        QTest::newRow("menu on 16:9") << QSize(853, 480) << QSize(634, 450) << QPoint(109, 15);
        QTest::newRow("large fonts on 16:9")
            << QSize(1066, 600) << QSize(800, 600) << QPoint(133, 0);
        QTest::newRow("window smaller than its layout")
            << QSize(600, 400) << QSize(640, 480) << QPoint(0, 0);
    }
    void rule() {
        QFETCH(QSize, window);
        QFETCH(QSize, layout);
        QFETCH(QPoint, pos);
        QCOMPARE(CentredLayoutPos(window, layout), pos);
    }

    // Children keep their places and their shown or hidden state inside the box, and the box
    // follows every change of the window's size.
    void boxKeepsChildren() {
        QWidget w;
        w.resize(640, 480);
        auto* shown = new QWidget(&w);
        shown->setGeometry(10, 20, 30, 40);
        auto* hidden = new QWidget(&w);
        hidden->hide();
        QWidget* box = CentreLayout(&w);
        QCOMPARE(box->size(), QSize(640, 480));
        QCOMPARE(shown->parentWidget(), box);
        QCOMPARE(shown->geometry(), QRect(10, 20, 30, 40));
        w.show();
        QVERIFY(shown->isVisible());
        QVERIFY(!hidden->isVisible());
        w.resize(853, 480);
        QCOMPARE(box->pos(), QPoint(106, 0));
        QCOMPARE(shown->mapTo(&w, QPoint(0, 0)), QPoint(116, 20));
        QCOMPARE(CentreLayout(&w), box); // a second call gives the same box
    }

    void everyWindow_data() {
        QTest::addColumn<WindowMaker>("make");
        QTest::addColumn<QSize>("layout");
        QTest::addColumn<bool>("picture");
        const QSize game(640, 480);
        QTest::newRow("matching") << WindowMaker([] { return new TF_Game1(); }) << game << true;
        QTest::newRow("guessing") << WindowMaker([] { return new TF_Game2(); }) << game << true;
        QTest::newRow("shuffle") << WindowMaker([] { return new TF_Game3(); }) << game << true;
        QTest::newRow("jigsaw") << WindowMaker([] { return new TF_Game4(); }) << game << true;
        QTest::newRow("shoot-down") << WindowMaker([] { return new TF_Game5(); }) << game << true;
        QTest::newRow("whack-a-mole") << WindowMaker([] { return new TF_Game6(); }) << game << true;
        QTest::newRow("catcher") << WindowMaker([] { return new TF_Game7(); }) << game << true;
        QTest::newRow("quiz") << WindowMaker([] { return new TF_Game_Shutsudai(); }) << game
                              << false;
        QTest::newRow("ranking") << WindowMaker([] { return new TF_Game_Kiroku(); }) << game
                                 << false;
        QTest::newRow("answer picker") << WindowMaker([] {
            auto* holder = new QWidget;
            auto* edit = new QLineEdit(holder);
            auto* sel = new TF_Kanji_Sel(edit);
            QObject::connect(sel, &QObject::destroyed, holder, &QObject::deleteLater);
            return sel;
        }) << game << false;
        QTest::newRow("main menu")
            << WindowMaker([] { return new TF_Main(UsualDisplay()); }) << QSize(634, 450) << false;
    }
    void everyWindow() {
        QFETCH(WindowMaker, make);
        QFETCH(QSize, layout);
        QFETCH(bool, picture);
        TestEnv env(true);
        WriteMenuFiles(env);
        WritePlayers(env, {QStringLiteral("たろう")}, {2});
        QVERIFY(LoadKanjiTable());
        QVERIFY(LoadMondaiIndex());
        QString failed;
        ClearPlayersAndRecords();
        QVERIFY(LoadPlayersAndRecords(&failed));
        SetConstantTables();
        Cur_Player = 1;
        StartGame(2);
        Quiz_Kanji = 1;
        Modal::setHook([](QDialog*) { return 0; });

        std::unique_ptr<QWidget> w(make());
        QWidget* box = LayoutBox(w.get());
        QVERIFY(box);
        QCOMPARE(box->size(), layout);
        // Everything the window shows lies in its box.
        for (QObject* o : w->children())
            if (auto* child = qobject_cast<QWidget*>(o); child && !child->isWindow())
                QCOMPARE(child, box);
        w->show(); // as every window is, maximised over the screen
        for (const QSize screen : {QSize(640, 480), QSize(853, 480), QSize(640, 512)}) {
            w->resize(screen);
            QCOMPARE(box->pos(), CentredLayoutPos(screen, layout));
        }
        // A message box over a game stands over its picture, not over the score beside it.
        QCOMPARE(MessagePicture(w.get()) != nullptr, picture);
        if (picture) {
            // Over the picture while it shows; a picture not yet shown gives the layout's middle.
            const QWidget* pic = pic_or_box(w.get());
            QCOMPARE(MessageTarget(w.get()).center(),
                     QRect(pic->mapToGlobal(QPoint(0, 0)), pic->size()).center());
        }
        w->close();
        w.reset();
        Modal::setHook({});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A box is moved over its target but never past the screen's edges.
    void messageBoxInsideScreen_data() {
        QTest::addColumn<QRect>("target");
        QTest::addColumn<QPoint>("pos");
        const QRect screen(0, 0, 853, 480);
        QTest::newRow("over the board") << QRect(122, 80, 360, 360) << QPoint(202, 210);
        QTest::newRow("past the left edge") << QRect(0, 100, 40, 40) << QPoint(0, 70);
        QTest::newRow("past the bottom") << QRect(400, 460, 40, 40) << QPoint(320, 380);
    }
    void messageBoxInsideScreen() {
        QFETCH(QRect, target);
        QFETCH(QPoint, pos);
        QCOMPARE(MessageBoxPos(target, QSize(200, 100), QRect(0, 0, 853, 480)), pos);
    }
};

QTEST_MAIN(TestWindowCentring)
#include "test_window_centring.moc"
