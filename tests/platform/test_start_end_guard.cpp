// SPDX-License-Identifier: GPL-3.0-or-later
// The start button that becomes the end button: presses of the end button within the interval
// after the start press do nothing, later ones end; a held key's repeats never end. Both shapes:
// one button that changes its caption, and a second button in the first one's place.
#include "platform/Clock.h"
#include "platform/StartEndGuard.h"

#include <QPushButton>
#include <QStyleHints>
#include <QtTest>

namespace {
// A tiny game: the start button starts, the end button (maybe the same) ends.
struct Game {
    QWidget window;
    QPushButton* start;
    QPushButton* end;
    bool running = false;
    int ended = 0;
    explicit Game(bool oneButton) {
        start = new QPushButton(QStringLiteral("ゲームスタート"), &window);
        start->setGeometry(10, 10, 150, 40);
        end = oneButton ? start : new QPushButton(QStringLiteral("ゲームおわり"), &window);
        end->setGeometry(10, 10, 150, 40);
        if (!oneButton)
            end->hide();
        QObject::connect(start, &QPushButton::clicked, [this] {
            if (running) {
                running = false;
                ++ended;
                return;
            }
            running = true;
            if (end != start) {
                start->hide();
                end->show();
            }
        });
        if (end != start)
            QObject::connect(end, &QPushButton::clicked, [this] {
                running = false;
                ++ended;
            });
        new StartEndGuard(start, end, [this] { return running; });
        window.resize(200, 100);
        window.show();
    }
};
} // namespace

class TestStartEndGuard : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        Clock::freeze(QDateTime(QDate(2026, 4, 10), QTime(10, 0)));
        StartEndGuard::setIntervalForTests(300);
    }
    void cleanup() {
        StartEndGuard::setIntervalForTests(-1);
        Clock::unfreeze();
    }

    void systemInterval() {
        StartEndGuard::setIntervalForTests(-1);
        QCOMPARE(StartEndGuard::interval(),
                 QGuiApplication::styleHints()->mouseDoubleClickInterval());
    }

    void pressesAfterStart_data() {
        QTest::addColumn<bool>("oneButton");
        QTest::addColumn<int>("after"); // ms from the start press to the end press
        QTest::addColumn<bool>("ends");
        for (bool one : {true, false}) {
            const char* shape = one ? "one button" : "two buttons";
            QTest::addRow("%s, at once", shape) << one << 0 << false;
            QTest::addRow("%s, just inside", shape) << one << 299 << false;
            QTest::addRow("%s, at the interval", shape) << one << 300 << true;
            QTest::addRow("%s, later", shape) << one << 5000 << true;
        }
    }
    void pressesAfterStart() {
        QFETCH(bool, oneButton);
        QFETCH(int, after);
        QFETCH(bool, ends);
        for (const char* how : {"mouse", "key"}) {
            Game g(oneButton);
            QVERIFY(QTest::qWaitForWindowExposed(&g.window));
            const bool mouse = QByteArray(how) == "mouse";
            if (mouse)
                QTest::mouseClick(g.start, Qt::LeftButton);
            else
                QTest::keyClick(g.start, Qt::Key_Space);
            QVERIFY(g.running);
            Clock::advanceMs(after);
            if (mouse)
                QTest::mouseClick(g.end, Qt::LeftButton);
            else
                QTest::keyClick(g.end, Qt::Key_Space);
            QCOMPARE(g.running, !ends);
            QCOMPARE(g.ended, ends ? 1 : 0);
        }
    }

    // The second half of a double-click never ends the game it started.
    void doubleClick() {
        Game g(true);
        QVERIFY(QTest::qWaitForWindowExposed(&g.window));
        QTest::mouseClick(g.start, Qt::LeftButton);
        QTest::mouseDClick(g.start, Qt::LeftButton);
        QTest::mouseRelease(g.start, Qt::LeftButton);
        QVERIFY(g.running);
    }

    // A key held down: its repeats do nothing, even after the interval.
    void heldKey() {
        Game g(true);
        QVERIFY(QTest::qWaitForWindowExposed(&g.window));
        QTest::keyClick(g.start, Qt::Key_Space);
        Clock::advanceMs(1000);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                          true);
        QApplication::sendEvent(g.end, &press);
        QApplication::sendEvent(g.end, &release);
        QVERIFY(g.running);
    }
};

QTEST_MAIN(TestStartEndGuard)
#include "test_start_end_guard.moc"
