// SPDX-License-Identifier: GPL-3.0-or-later
// "Player.dat" and "Game.dat": byte-for-byte round trips, missing files, damaged files refused
// whole, and saving that never destroys what was saved before.
#include "data/BinaryRecords.h"
#include "data/RecordsDir.h"
#include "data/SaveFiles.h"
#include "platform/Cp932.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QtTest>
#include <sys/stat.h>

namespace {
QByteArray playerBytes(int no, const QString& name, int gakunen, int level1 = 1)
{
    TPlayerRec p;
    p.No = static_cast<std::int16_t>(no);
    p.Name.setSjis(Cp932::fromUnicode(name));
    p.Gakunen = static_cast<std::int16_t>(gakunen);
    p.Level.fill(1);
    p.Level[1] = static_cast<std::int16_t>(level1);
    p.Progress[3] = 4;
    p.Best[7] = 123456;
    return EncodePlayer(p);
}

QByteArray kirokuBytes(int game, int rank, int score)
{
    TKirokuRec k;
    k.Game = static_cast<std::int16_t>(game);
    k.Rank = static_cast<std::int16_t>(rank);
    k.Name.setSjis(Cp932::fromUnicode(QStringLiteral("ゆうと")));
    k.Gakunen = 2;
    k.Tokuten = score;
    k.Hizuke = 46122;
    return EncodeKiroku(k);
}

QByteArray fullGameFile()
{
    QByteArray out;
    for (int g = 1; g <= 10; ++g)
        for (int r = 1; r <= 10; ++r)
            out += g <= 7 && r <= 3 ? kirokuBytes(g, r, 100 - r) : QByteArray(40, '\0');
    return out;
}
}  // namespace

class TestSaveFiles : public QObject {
    Q_OBJECT
private slots:
    // Files another program wrote, with bytes past the name and in the padding, save back
    // exactly as they were read.
    void roundTrip()
    {
        TestEnv env;
        QByteArray players = playerBytes(1, QStringLiteral("ゆうと"), 2) +
                             playerBytes(2, QStringLiteral("Ken"), 4, 11);
        players[2 + 1 + 10] = 'x';  // garbage after the name's length
        players[23] = '\x7f';       // padding
        const QByteArray games = fullGameFile();
        env.writeFile(PlayerFileName, players);
        env.writeFile(GameFileName, games);
        QString failed;
        QVERIFY(LoadPlayersAndRecords(&failed));
        QCOMPARE(Player_Count, 2);
        QCOMPARE(Player_Tbl[1].Name.text(), QStringLiteral("ゆうと"));
        QCOMPARE(Player_Tbl[2].Level[1], 11);
        QCOMPARE(Player_Tbl[1].Best[7], 123456);
        QCOMPARE(Kiroku_Tbl[3][2].Tokuten, 98);
        QCOMPARE(Kiroku_Tbl[3][2].Hizuke, 46122.0);

        env.removeFile(PlayerFileName);
        env.removeFile(GameFileName);
        QVERIFY(SavePlayersAndRecords(&failed));
        QCOMPARE(env.readFile(PlayerFileName), players);
        QCOMPARE(env.readFile(GameFileName), games);
    }

    // No files: no players, empty rankings; the first save writes 0 players and 4000 bytes.
    void missingFiles()
    {
        TestEnv env;
        QVERIFY(LoadPlayersAndRecords(nullptr));
        QCOMPARE(Player_Count, 0);
        QCOMPARE(Kiroku_Tbl[1][1].Game, 0);
        QVERIFY(SavePlayersAndRecords(nullptr));
        QCOMPARE(env.readFile(PlayerFileName).size(), 0);
        QCOMPARE(env.readFile(GameFileName).size(), 4000);
    }

    // A record with Game 0 is skipped; records land at their own game and rank.
    void gameRecordsPlaced()
    {
        TestEnv env;
        QByteArray empty(40, '\0');
        empty[4] = 3;  // a name in an empty slot is still ignored
        env.writeFile(GameFileName, kirokuBytes(5, 4, 77) + empty + kirokuBytes(2, 1, 9));
        QVERIFY(LoadPlayersAndRecords(nullptr));
        QCOMPARE(Kiroku_Tbl[5][4].Tokuten, 77);
        QCOMPARE(Kiroku_Tbl[2][1].Tokuten, 9);
        QCOMPARE(Kiroku_Tbl[5][1].Game, 0);
    }

    // Damaged save files are refused whole with the file's name; nothing is half-loaded.
    void damaged_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray ok = playerBytes(1, QStringLiteral("あ"), 1);
        QByteArray many;
        for (int i = 0; i < 101; ++i)
            many += playerBytes(i + 1, QStringLiteral("p%1").arg(i), 1);
        QByteArray longName = ok;
        longName[2] = 21;
        QTest::newRow("101 players") << PlayerFileName << many;
        QTest::newRow("partial player") << PlayerFileName << ok + QByteArray(50, '\0');
        QTest::newRow("school year 0") << PlayerFileName << ok + playerBytes(2, "b", 0);
        QTest::newRow("school year 7") << PlayerFileName << ok + playerBytes(2, "b", 7);
        QTest::newRow("name length 21") << PlayerFileName << longName;
        QTest::newRow("level 0") << PlayerFileName << ok + playerBytes(2, "b", 1, 0);
        QTest::newRow("level past all clear") << PlayerFileName << ok + playerBytes(2, "b", 1, 10);
        QTest::newRow("game 11") << GameFileName << kirokuBytes(11, 1, 5);
        QTest::newRow("game -1") << GameFileName << kirokuBytes(-1, 1, 5);
        QTest::newRow("rank 0") << GameFileName << kirokuBytes(1, 0, 5);
        QTest::newRow("rank 11") << GameFileName << kirokuBytes(1, 11, 5);
        QTest::newRow("partial record") << GameFileName << kirokuBytes(1, 1, 5) + "abc";
    }
    void damaged()
    {
        TestEnv env;
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        env.writeFile(file, bytes);
        QString failed;
        QVERIFY(!LoadPlayersAndRecords(&failed));
        QCOMPARE(failed, file);
        QCOMPARE(Player_Count, 0);
        for (int g = 1; g <= 10; ++g)
            QCOMPARE(Kiroku_Tbl[g][1].Game, 0);
    }

    // The highest legal level ("オールクリア") of each school year loads.
    void allClearLoads()
    {
        TestEnv env;
        env.writeFile(PlayerFileName, playerBytes(1, "a", 1, 9) + playerBytes(2, "b", 3, 11));
        QVERIFY(LoadPlayersAndRecords(nullptr));
        QCOMPARE(Player_Count, 2);
    }

    // The saved records are the owner's alone, also when an earlier file was readable by all.
    void savedFilesArePrivate()
    {
        TestEnv env;
        env.writeFile(GameFileName, fullGameFile());
        QFile::setPermissions(env.path(GameFileName), QFileDevice::Permissions(0x6644));
        Player_Count = 1;
        Player_Tbl[1].Gakunen = 1;
        const mode_t oldMask = ::umask(022);
        const bool saved = SavePlayersAndRecords(nullptr);
        ::umask(oldMask);
        QVERIFY(saved);
        for (const QString& name : {PlayerFileName, GameFileName})
            QCOMPARE(QFileInfo(env.path(name)).permissions() & 0x7077,
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    // A run that may not write its records (read only, chosen at the start) writes nothing and
    // says so to nobody: the choice was made knowingly.
    void readOnlyRunWritesNothing()
    {
        TestEnv env;
        const QByteArray before = fullGameFile();
        env.writeFile(GameFileName, before);
        Player_Count = 1;
        Player_Tbl[1].Gakunen = 1;
        SetRecordsReadOnly(true);
        const bool saved = SavePlayersAndRecords(nullptr);
        SetRecordsReadOnly(false);
        QVERIFY(saved);
        QVERIFY(!QFileInfo::exists(env.path(PlayerFileName)));
        QCOMPARE(env.readFile(GameFileName), before);
    }

    // A save that fails leaves the file it could not write as it was, and reports which one.
    void failedSaveKeepsOldFiles()
    {
        TestEnv env;
        const QByteArray oldGames = fullGameFile();
        env.writeFile(GameFileName, oldGames);
        QVERIFY(QDir(env.dir()).mkdir(PlayerFileName));  // Player.dat cannot be replaced
        Player_Count = 1;
        Player_Tbl[1].Gakunen = 1;
        QString failed;
        QVERIFY(!SavePlayersAndRecords(&failed));
        QCOMPARE(failed, PlayerFileName);
        QCOMPARE(env.readFile(GameFileName), oldGames);
        QVERIFY(QFileInfo(env.path(PlayerFileName)).isDir());
        const QStringList leftovers = QDir(env.dir()).entryList(QDir::Files);
        QCOMPARE(leftovers, QStringList{GameFileName});  // no temporary file left behind
    }
};

QTEST_MAIN(TestSaveFiles)
#include "test_savefiles.moc"
