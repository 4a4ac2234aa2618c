// SPDX-License-Identifier: GPL-3.0-or-later
// The developer's clock hook: honoured only from the build folder, never by an installed
// program, and never passed on to a program started from it.
#include "menu/TestClock.h"
#include "platform/Clock.h"

#include <QtTest>

class TestTestClock : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        Clock::runFrom(QDateTime());
        qunsetenv(TestClockVariable);
    }

    void hook_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("moved");
        QTest::newRow("build folder") << "2031-01-02T09:00:00" << false << true;
        QTest::newRow("installed program ignores it") << "2031-01-02T09:00:00" << true << false;
        QTest::newRow("not a time") << "tomorrow" << false << false;
        QTest::newRow("unset") << "" << false << false;
    }
    void hook() {
        QFETCH(QString, value);
        QFETCH(bool, installed);
        QFETCH(bool, moved);
        if (!value.isEmpty())
            qputenv(TestClockVariable, value.toUtf8());
        QCOMPARE(TestClockFromEnvironment(installed), moved);
        QVERIFY(!qEnvironmentVariableIsSet(TestClockVariable));
        QCOMPARE(Clock::today() == QDate(2031, 1, 2), moved);
    }

    // The moved clock runs on from the time given, as a real clock does.
    void runsOn() {
        qputenv(TestClockVariable, "2031-01-02T23:59:59");
        QVERIFY(TestClockFromEnvironment(false));
        const QDateTime first = Clock::now();
        QVERIFY(first >= QDateTime(QDate(2031, 1, 2), QTime(23, 59, 59)));
        QVERIFY(first < QDateTime(QDate(2031, 1, 3), QTime(0, 1)));
        QTRY_VERIFY(Clock::now() > first);
    }
};

QTEST_GUILESS_MAIN(TestTestClock)
#include "test_test_clock.moc"
