// SPDX-License-Identifier: GPL-3.0-or-later
// Without a session bus the program tells the bus library so before anything asks for one, so no
// start forks dbus-launch; with a bus (an address, or the session's own socket) nothing changes.
#include "platform/SessionBus.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestSessionBus : public QObject {
    Q_OBJECT
  private slots:
    void override_data()
    {
        QTest::addColumn<QByteArray>("address");
        QTest::addColumn<bool>("socket");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("no bus anywhere") << QByteArray() << false << QByteArray("disabled:");
        QTest::newRow("blank address, no socket") << QByteArray("  ") << false
                                                  << QByteArray("disabled:");
        QTest::newRow("address given") << QByteArray("unix:path=/run/user/1000/bus") << false
                                       << QByteArray();
        QTest::newRow("the session's socket") << QByteArray() << true << QByteArray();
    }
    void override()
    {
        QFETCH(QByteArray, address);
        QFETCH(bool, socket);
        QFETCH(QByteArray, expected);
        QTemporaryDir runtime;
        if (socket) {
            QFile bus(runtime.filePath(QStringLiteral("bus")));
            QVERIFY(bus.open(QIODevice::WriteOnly));
        }
        QCOMPARE(SessionBusOverride(address, runtime.path()), expected);
    }
};

QTEST_MAIN(TestSessionBus)
#include "test_session_bus.moc"
