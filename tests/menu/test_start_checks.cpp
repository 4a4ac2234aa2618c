// SPDX-License-Identifier: GPL-3.0-or-later
// What a parent is told before the menu opens: a records folder that cannot be locked (a network
// home without locks) offers a run that writes nothing, or one at the parent's own risk; a
// records folder that cannot be made says so and offers a run that writes nothing.
#include "data/RecordsDir.h"
#include "menu/StartChecks.h"
#include "platform/MessageBoxes.h"
#include "support/TestEnv.h"

#include <QtTest>

namespace {
const QString Folder = QStringLiteral("/home/kodomo/.local/share/mojimaru");
}

class TestStartChecks : public QObject {
    Q_OBJECT
  private slots:
    void unlockableFolder_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("read only") << int(MsgAnswer::Yes) << true << true;
        QTest::newRow("own risk") << int(MsgAnswer::No) << true << false;
        QTest::newRow("end") << int(MsgAnswer::Cancel) << false << false;
    }
    void unlockableFolder() {
        QFETCH(int, answer);
        TestEnv env;
        SetRecordsReadOnly(false);
        MessageBoxes::queueAnswer(MsgAnswer(answer));
        const bool starts = ConfirmUnlockableStart(nullptr, Folder);
        QTEST(starts, "starts");
        QTEST(RecordsReadOnly(), "readOnly");
        SetRecordsReadOnly(false);
        QCOMPARE(MessageBoxes::shown().size(), 1);
        const QString text = MessageBoxes::shown().first();
        QVERIFY2(text.contains(Folder) && text.contains(QStringLiteral("ロックできません")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("「はい」")) && text.contains(QStringLiteral("「いいえ」")) &&
                text.contains(QStringLiteral("「キャンセル」")));
    }

    void noRecordsFolder_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("starts");
        QTest::newRow("play without saving") << int(MsgAnswer::Yes) << true;
        QTest::newRow("end") << int(MsgAnswer::No) << false;
    }
    void noRecordsFolder() {
        QFETCH(int, answer);
        TestEnv env;
        SetRecordsReadOnly(false);
        MessageBoxes::queueAnswer(MsgAnswer(answer));
        const bool starts = ConfirmNoRecordsFolder(nullptr, Folder);
        QTEST(starts, "starts");
        QCOMPARE(RecordsReadOnly(), starts);
        SetRecordsReadOnly(false);
        QCOMPARE(MessageBoxes::shown().size(), 1);
        QVERIFY2(MessageBoxes::shown().first().contains(Folder), qPrintable(MessageBoxes::shown().first()));
        // With no folder named at all (no home), the message still says what is missing.
        MessageBoxes::queueAnswer(MsgAnswer::No);
        QVERIFY(!ConfirmNoRecordsFolder(nullptr, QString()));
        QVERIFY(MessageBoxes::shown().last().contains(QStringLiteral("HOME")));
    }
};

QTEST_MAIN(TestStartChecks)
#include "test_start_checks.moc"
