// SPDX-License-Identifier: GPL-3.0-or-later
// The user's records folder: made the owner's alone whatever the umask, an older one readable by
// others tightened with the records in it, and a folder that cannot be made told, not ignored.
#include "data/RecordsDir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace {
const QFileDevice::Permissions OwnerOnly =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
const QFileDevice::Permissions OwnerFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Owner, group and others; not the "user" bits, which depend on who runs the test.
QFileDevice::Permissions modeOf(const QString& path) {
    return QFileInfo(path).permissions() & 0x7077;
}

// Sets an environment variable for one test and puts it back afterwards.
struct EnvVar {
    QByteArray name, old;
    bool had;
    EnvVar(const char* n, const QByteArray& value)
        : name(n), old(qgetenv(n)), had(qEnvironmentVariableIsSet(n)) {
        if (value.isNull())
            qunsetenv(n);
        else
            qputenv(n, value);
    }
    ~EnvVar() {
        if (had)
            qputenv(name.constData(), old);
        else
            qunsetenv(name.constData());
    }
};
} // namespace

class TestRecordsDir : public QObject {
    Q_OBJECT
  private slots:
    // A new folder, and the folders above it that did not exist, are the owner's alone.
    void madePrivate() {
        QTemporaryDir tmp;
        const QString dir = tmp.path() + QStringLiteral("/share/mojimaru");
        const mode_t oldMask = ::umask(022);
        const bool made = PrepareRecordsFolder(dir);
        ::umask(oldMask);
        QVERIFY(made);
        QCOMPARE(modeOf(dir), OwnerOnly);
        QCOMPARE(modeOf(tmp.path() + QStringLiteral("/share")), OwnerOnly);
    }

    // A folder an earlier version made readable by everybody is tightened, with the records in
    // it; files that are not ours stay as they are.
    void earlierFolderTightened() {
        QTemporaryDir tmp;
        const QString dir = tmp.path() + QStringLiteral("/mojimaru");
        QVERIFY(QDir().mkpath(dir));
        QFile::setPermissions(dir, QFileDevice::Permissions(0x7755));
        const QStringList ours{QStringLiteral("Player.dat"), QStringLiteral("Game.dat"),
                               QStringLiteral("KanjiNote.db"), QStringLiteral("Mojimaru_G.lock")};
        for (const QString& name : ours + QStringList{QStringLiteral("notes.txt")}) {
            QFile f(dir + QLatin1Char('/') + name);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.close();
            QFile::setPermissions(f.fileName(), QFileDevice::Permissions(0x6644));
        }
        QVERIFY(PrepareRecordsFolder(dir));
        QCOMPARE(modeOf(dir), OwnerOnly);
        for (const QString& name : ours)
            QCOMPARE(modeOf(dir + QLatin1Char('/') + name), OwnerFile);
        QCOMPARE(modeOf(dir + QStringLiteral("/notes.txt")), QFileDevice::Permissions(0x6044));
    }

    // Where no records folder can be: a file in the way, or no home to keep it in.
    void cannotBeMade_data() {
        QTest::addColumn<bool>("dataHomeIsFile");
        QTest::addColumn<bool>("homeSet");
        QTest::newRow("XDG_DATA_HOME is a file") << true << true;
        QTest::newRow("HOME unset, no XDG_DATA_HOME") << false << false;
    }
    void cannotBeMade() {
        QFETCH(bool, dataHomeIsFile);
        QFETCH(bool, homeSet);
        QTemporaryDir tmp;
        const QString file = tmp.path() + QStringLiteral("/data");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        EnvVar data("XDG_DATA_HOME", dataHomeIsFile ? QFile::encodeName(file) : QByteArray());
        EnvVar home("HOME", homeSet ? QFile::encodeName(tmp.path()) : QByteArray());
        const QString dir = UserRecordsDir();
        QVERIFY2(dir.isEmpty() || !PrepareRecordsFolder(dir), qPrintable(dir));
    }
};

QTEST_MAIN(TestRecordsDir)
#include "test_records_dir.moc"
