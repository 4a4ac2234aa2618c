// SPDX-License-Identifier: GPL-3.0-or-later
// A second start on the same records reaches the running copy, which comes forward; with no
// copy listening (none runs, or one ended and left its socket file) the knock reaches nobody.
// The second copy is this test program started again with --knock.
#include "platform/RunningCopy.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

class TestRunningCopy : public QObject {
    Q_OBJECT

    static int knockFromAnotherProcess(const QString& dir) {
        QProcess p;
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--knock"), dir});
        if (!p.waitForFinished(10000))
            return -1;
        return p.exitCode();
    }

  private slots:
    void secondStartBringsForward() {
        QTemporaryDir records;
        int forwarded = 0;
        QVERIFY(ListenForSecondStarts(records.path(), [&] { ++forwarded; }));
        QCOMPARE(knockFromAnotherProcess(records.path()), 0);
        QTRY_COMPARE(forwarded, 1);
        QCOMPARE(knockFromAnotherProcess(records.path()), 0);
        QTRY_COMPARE(forwarded, 2);
    }

    void nobodyListening() {
        QTemporaryDir records;
        QCOMPARE(knockFromAnotherProcess(records.path()), 1);
        // A socket file left by a copy that ended answers nobody either.
        QFile left(records.filePath(QStringLiteral("Mojimaru_G.sock")));
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.close();
        QCOMPARE(knockFromAnotherProcess(records.path()), 1);
    }

    // A folder whose path is too long for a socket: no listening, and the second start says
    // that a copy runs instead.
    void pathTooLong() {
        QTemporaryDir records;
        const QString deep = records.path() + QLatin1Char('/') + QString(120, QLatin1Char('d'));
        QVERIFY(QDir().mkpath(deep));
        QVERIFY(!ListenForSecondStarts(deep, [] {}));
        QVERIFY(!KnockOnRunningCopy(deep));
    }
};

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--knock") == 0) {
        QCoreApplication app(argc, argv);
        return KnockOnRunningCopy(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    QCoreApplication app(argc, argv);
    TestRunningCopy t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_running_copy.moc"
