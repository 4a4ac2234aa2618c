// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Tables.h"
#include "menu/Registration.h"
#include "platform/Cp932.h"
#include "support/TestEnv.h"

#include <QtTest>

class TestRegistration : public QObject {
    Q_OBJECT
    static void addPlayer(const QString& name, int gakunen) {
        QVERIFY(RegisterPlayer(Cp932::fromUnicode(name), gakunen));
    }

  private slots:
    // Which names are refused and why; only half-width blanks are trimmed.
    void checkName_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("check");
        QTest::addColumn<QByteArray>("stored");
        const QByteArray none;
        QTest::newRow("empty") << "" << int(NameCheck::Empty) << none;
        QTest::newRow("blanks only") << "   \t" << int(NameCheck::Empty) << none;
        QTest::newRow("plain") << "はなこ" << int(NameCheck::Ok) << Cp932::fromUnicode("はなこ");
        QTest::newRow("half-width blanks trimmed")
            << "  はなこ " << int(NameCheck::Ok) << Cp932::fromUnicode("はなこ");
        QTest::newRow("same as registered") << "たろう" << int(NameCheck::Taken) << none;
        QTest::newRow("same after trimming") << " たろう  " << int(NameCheck::Taken) << none;
        QTest::newRow("full-width blank differs")
            << "たろう　" << int(NameCheck::Ok) << Cp932::fromUnicode("たろう　");
        QTest::newRow("ten full-width fit") << "あいうえおかきくけこ" << int(NameCheck::Ok)
                                            << Cp932::fromUnicode("あいうえおかきくけこ");
        QTest::newRow("eleven full-width too long")
            << "あいうえおかきくけこさ" << int(NameCheck::TooLong) << none;
        QTest::newRow("twenty half-width fit")
            << "abcdefghijABCDEFGHIJ" << int(NameCheck::Ok) << QByteArray("abcdefghijABCDEFGHIJ");
        QTest::newRow("half-width kana are one byte")
            << "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ" << int(NameCheck::Ok)
            << Cp932::fromUnicode("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ");
        QTest::newRow("mixed 21 bytes")
            << "abcdefghijkあいうえお" << int(NameCheck::TooLong) << none;
        QTest::newRow("emoji") << "たろう😀" << int(NameCheck::BadChar) << none;
        QTest::newRow("hangul") << "한글" << int(NameCheck::BadChar) << none;
        QTest::newRow("control byte inside")
            << QStringLiteral("たろ\x01う") << int(NameCheck::BadChar) << none;
        QTest::newRow("tab inside") << QStringLiteral("た\tろう") << int(NameCheck::BadChar) << none;
        QTest::newRow("escape inside")
            << QStringLiteral("たろう\x1b[31mx") << int(NameCheck::BadChar) << none;
        QTest::newRow("delete inside") << QStringLiteral("ab\x7f" "cd") << int(NameCheck::BadChar)
                                       << none;
        QTest::newRow("line break inside")
            << QStringLiteral("はな\nこ") << int(NameCheck::BadChar) << none;
    }
    void checkName() {
        TestEnv env;
        addPlayer(QStringLiteral("たろう"), 2);
        QFETCH(QString, text);
        QByteArray stored;
        const NameCheck check = CheckNewName(text, &stored);
        QTEST(int(check), "check");
        if (check == NameCheck::Ok) {
            QTEST(stored, "stored");
            QVERIFY(stored.size() <= NameBytes);
        }
    }

    // Every refusal has its own message; a good name has none.
    void messages() {
        QCOMPARE(NameCheckMessage(NameCheck::Empty), QStringLiteral("名前を入れてください。"));
        QCOMPARE(NameCheckMessage(NameCheck::Taken), QStringLiteral("同じ名前の人がいます。"));
        QCOMPARE(NameCheckMessage(NameCheck::TooLong), MsgNameTooLong);
        QCOMPARE(NameCheckMessage(NameCheck::BadChar), MsgNameBadChar);
        QVERIFY(NameCheckMessage(NameCheck::Ok).isEmpty());
    }

    // Only 1 to 4 reach the table.
    void gakunen_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("year");
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("4") << "4" << 4;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("5") << "5" << 0;
        QTest::newRow("6") << "6" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("letter") << "a" << 0;
        QTest::newRow("negative") << "-1" << 0;
    }
    void gakunen() {
        QFETCH(QString, text);
        QTEST(ParseGakunen(text), "year");
    }

    // A new player is appended with its number, name and year; levels keep their start values.
    void registerAppends() {
        TestEnv env;
        addPlayer(QStringLiteral("たろう"), 2);
        addPlayer(QStringLiteral("はなこ"), 4);
        QCOMPARE(Player_Count, std::int16_t(2));
        const TPlayerRec& p = Player_Tbl[2];
        QCOMPARE(p.No, std::int16_t(2));
        QCOMPARE(p.Name.sjis(), Cp932::fromUnicode(QStringLiteral("はなこ")));
        QCOMPARE(p.Gakunen, std::int16_t(4));
        QCOMPARE(p.Reserved, std::int16_t(0));
        for (int g = 1; g <= MaxGames; ++g) {
            QCOMPARE(p.Level[g], std::int16_t(1));
            QCOMPARE(p.Progress[g], std::int16_t(0));
            QCOMPARE(p.Best[g], 0);
        }
        QCOMPARE(Cur_Player, std::int16_t(0));
    }

    // The table holds 100 players; the registration button goes at 100.
    void hundredPlayers() {
        TestEnv env;
        for (int i = 1; i <= 99; ++i)
            addPlayer(QStringLiteral("p%1").arg(i), 1);
        QVERIFY(CanOpenRegistration(99));
        addPlayer(QStringLiteral("p100"), 1);
        QCOMPARE(Player_Count, std::int16_t(100));
        QVERIFY(!CanOpenRegistration(100));
        QVERIFY(!CanOpenRegistration(0));
        QVERIFY(!RegisterPlayer(QByteArray("p101"), 1));
        QCOMPARE(Player_Count, std::int16_t(100));
    }
};

QTEST_GUILESS_MAIN(TestRegistration)
#include "test_registration.moc"
