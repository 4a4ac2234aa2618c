// SPDX-License-Identifier: GPL-3.0-or-later
// Saving onto a disk that really fills up: a small tmpfs mounted for the test (when run as root)
// and a file-size limit (RLIMIT_FSIZE, anyone), both of which make the kernel refuse the writes.
// The records' bytes stay in Qt's buffer until the file is flushed, so the refusal only shows at
// the flush; the old files must still stay as they were and no temporary file may be left.
#include "data/ProgramDir.h"
#include "data/SaveFiles.h"
#include "platform/Cp932.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {
void setPlayers(int n) {
    Player_Count = static_cast<std::int16_t>(n);
    for (int i = 1; i <= n; ++i) {
        Player_Tbl[i].No = static_cast<std::int16_t>(i);
        Player_Tbl[i].Name.setSjis(Cp932::fromUnicode(QStringLiteral("はなこ")));
        Player_Tbl[i].Gakunen = 2;
        Player_Tbl[i].Level.fill(1);
    }
    Kiroku_Tbl[3][1].Game = 3;
    Kiroku_Tbl[3][1].Rank = 1;
    Kiroku_Tbl[3][1].Tokuten = 777;
}

QByteArray oldPlayers() {
    TPlayerRec p;
    p.No = 1;
    p.Name.setSjis(Cp932::fromUnicode(QStringLiteral("ゆうと")));
    p.Gakunen = 1;
    p.Level.fill(1);
    return EncodePlayer(p);
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
    QVERIFY(f.flush());
}

// Fills the folder's filesystem with one file until the kernel refuses more.
void fillUp(const QString& dir) {
    QFile filler(dir + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size()) {
    }
}

// A file-size limit for the saving only; SIGXFSZ would otherwise end the test.
struct SizeLimit {
    rlimit old{};
    explicit SizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit r = old;
        r.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~SizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
};
} // namespace

class TestFullSave : public QObject {
    Q_OBJECT
  private slots:
    void refusedWrite_data() {
        QTest::addColumn<bool>("tmpfs");
        QTest::addColumn<int>("players");    // players in the tables to save
        QTest::addColumn<bool>("oldFiles");  // whether an earlier save lies there
        QTest::addColumn<QString>("failed"); // the file the report names
        // tmpfs counts whole pages: on a full disk the first file fails; with no earlier save and
        // room for exactly one page the first file fits and the second does not.
        QTest::newRow("full disk, earlier save") << true << 3 << true << PlayerFileName;
        QTest::newRow("full disk but one page, first save") << true << 30 << false << GameFileName;
        // 3000 bytes per file: 100 players (10800 bytes) fail, Game.dat (4000 bytes) fails.
        QTest::newRow("size limit, Player.dat too big") << false << 100 << true << PlayerFileName;
        QTest::newRow("size limit, Game.dat too big") << false << 10 << true << GameFileName;
    }

    // The save is abandoned: the file it could not write stays as it was, the report names it, the
    // tables stay as they are in memory, and the folder holds only the records (no temporary file).
    void refusedWrite() {
        QFETCH(bool, tmpfs);
        QFETCH(int, players);
        QFETCH(bool, oldFiles);
        QFETCH(QString, failed);
        TestEnv env;
        QTemporaryDir mountPoint;
        QString dir = env.dir();
        bool mounted = false;
        if (tmpfs) {
            if (geteuid() != 0)
                QSKIP("mounting a tmpfs needs root; the size-limit rows cover the same path");
            dir = mountPoint.path();
            const QByteArray where = QFile::encodeName(dir);
            QVERIFY2(mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k") == 0, "mount tmpfs");
            mounted = true;
            SetProgramDir(dir);
            dir = Exe_Dir;
        }
        auto unmount = qScopeGuard([&] {
            if (mounted)
                umount(QFile::encodeName(mountPoint.path()).constData());
        });

        const QByteArray before = oldPlayers();
        const QByteArray beforeGames(4000, '\x05');
        if (oldFiles) {
            write(dir + PlayerFileName, before);
            write(dir + GameFileName, beforeGames);
        }
        setPlayers(players);
        const QByteArray newPlayers = PlayerFileBytes();

        QString reported;
        bool saved = true;
        if (tmpfs) {
            fillUp(dir);
            if (!oldFiles) {
                // Room for the first file's single page only.
                QFile filler(dir + QStringLiteral("/filler"));
                QVERIFY(filler.resize(std::max<qint64>(0, filler.size() - 4096)));
            }
            saved = SavePlayersAndRecords(&reported);
        } else {
            SizeLimit limit(3000);
            saved = SavePlayersAndRecords(&reported);
        }
        QVERIFY(!saved);
        QCOMPARE(reported, failed);
        QCOMPARE(Player_Count, players); // nothing lost in memory

        QDir folder(dir);
        if (failed == PlayerFileName) {
            QCOMPARE(QFile::exists(dir + PlayerFileName), oldFiles);
            if (oldFiles)
                QCOMPARE(readAll(dir + PlayerFileName), before);
        } else {
            // The first file is saved; the second keeps its earlier content (or stays absent).
            QCOMPARE(readAll(dir + PlayerFileName), newPlayers);
        }
        if (oldFiles)
            QCOMPARE(readAll(dir + GameFileName), beforeGames);
        else
            QVERIFY(!QFile::exists(dir + GameFileName));
        QStringList expected;
        if (QFile::exists(dir + PlayerFileName))
            expected << PlayerFileName;
        if (oldFiles)
            expected << GameFileName;
        if (tmpfs)
            expected << QStringLiteral("filler");
        expected.sort();
        QStringList found = folder.entryList(QDir::Files | QDir::Hidden);
        found.sort();
        QCOMPARE(found, expected);
    }
};

QTEST_MAIN(TestFullSave)
#include "test_fullsave.moc"
