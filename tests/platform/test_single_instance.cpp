// SPDX-License-Identifier: GPL-3.0-or-later
// One running copy per set of records: the lock lies in the records folder, not in $TMPDIR; a
// copy that ended in any way (here: SIGKILL) never blocks the next start; an unwritable TMPDIR
// changes nothing. The other copy is this test program started again with --hold-lock.
#include "platform/SingleInstance.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

class TestSingleInstance : public QObject {
    Q_OBJECT

    // Another process holding the lock of `dir` until it is killed.
    static std::unique_ptr<QProcess> holder(const QString& dir, const QByteArray& tmpdir = {}) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!tmpdir.isEmpty())
            env.insert(QStringLiteral("TMPDIR"), QString::fromLocal8Bit(tmpdir));
        p->setProcessEnvironment(env);
        p->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold-lock"), dir});
        if (!p->waitForReadyRead(10000) || !p->readAll().startsWith("held"))
            return nullptr;
        return p;
    }

  private slots:
    void heldByAnotherCopy() {
        QTemporaryDir records;
        auto other = holder(records.path());
        QVERIFY(other);
        InstanceLock lock;
        QCOMPARE(lock.tryAcquire(records.path()), InstanceLock::Result::HeldByOther);
        QCOMPARE(lock.path(), QString());
        other->kill();
        QVERIFY(other->waitForFinished());
    }

    // The lock file stays behind when its copy is killed; it never blocks the next start.
    void killedCopyDoesNotBlock() {
        QTemporaryDir records;
        auto other = holder(records.path());
        QVERIFY(other);
        other->kill(); // SIGKILL: no clean-up of any kind
        QVERIFY(other->waitForFinished());
        QVERIFY(QFile::exists(records.filePath(QStringLiteral("Mojimaru_G.lock"))));
        InstanceLock lock;
        QCOMPARE(lock.tryAcquire(records.path()), InstanceLock::Result::Acquired);
        QCOMPARE(lock.path(), records.filePath(QStringLiteral("Mojimaru_G.lock")));
    }

    void keyedToTheRecordsFolder_data() {
        QTest::addColumn<bool>("sameRecords");
        QTest::addColumn<bool>("otherTmpdir");
        QTest::addColumn<bool>("refused");
        QTest::newRow("same records, same TMPDIR") << true << false << true;
        QTest::newRow("same records, another TMPDIR") << true << true << true;
        QTest::newRow("other records, same TMPDIR") << false << false << false;
    }

    // One copy per set of records, whatever TMPDIR each copy was started with.
    void keyedToTheRecordsFolder() {
        QFETCH(bool, sameRecords);
        QFETCH(bool, otherTmpdir);
        QFETCH(bool, refused);
        QTemporaryDir first, second, tmp;
        auto other =
            holder(first.path(), otherTmpdir ? QFile::encodeName(tmp.path()) : QByteArray());
        QVERIFY(other);
        InstanceLock lock;
        QCOMPARE(lock.tryAcquire(sameRecords ? first.path() : second.path()),
                 refused ? InstanceLock::Result::HeldByOther : InstanceLock::Result::Acquired);
        other->kill();
        QVERIFY(other->waitForFinished());
    }

    // A TMPDIR that cannot be written, or does not exist, does not stop the start.
    void unwritableTmpdir() {
        QTemporaryDir records;
        const QByteArray old = qgetenv("TMPDIR");
        qputenv("TMPDIR", "/proc"); // exists, and refuses new files even to root
        InstanceLock lock;
        const InstanceLock::Result r = lock.tryAcquire(records.path());
        qputenv("TMPDIR", old);
        QCOMPARE(r, InstanceLock::Result::Acquired);
    }

    // A records folder where no lock file can be made (here a folder of that name is in the way)
    // takes the lock in the user's runtime folder, under a name kept apart per records folder.
    void fallbackPlace() {
        QTemporaryDir records, runtime;
        QVERIFY(QDir(records.path()).mkdir(QStringLiteral("Mojimaru_G.lock")));
        const QByteArray old = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        InstanceLock a, b;
        const InstanceLock::Result first = a.tryAcquire(records.path());
        const InstanceLock::Result second = b.tryAcquire(records.path());
        qputenv("XDG_RUNTIME_DIR", old);
        QCOMPARE(first, InstanceLock::Result::Acquired);
        QVERIFY2(a.path().startsWith(runtime.path() + QStringLiteral("/Mojimaru_G-")),
                 qPrintable(a.path()));
        QCOMPARE(second, InstanceLock::Result::HeldByOther);
    }

    // Taking the lock never leaves a records folder other users may read: a folder it makes is
    // the owner's alone, whatever the umask.
    void foldersMadeArePrivate() {
        QTemporaryDir home, records;
        const QString data = home.path() + QStringLiteral("/share");
        const QString runtime = home.path() + QStringLiteral("/run");
        const QByteArray oldData = qgetenv("XDG_DATA_HOME");
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_DATA_HOME", QFile::encodeName(data));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        const mode_t oldMask = ::umask(022);
        // No lock file can be made in the records folder: the lock goes elsewhere.
        QVERIFY(QDir(records.path()).mkdir(QStringLiteral("Mojimaru_G.lock")));
        InstanceLock lock;
        const InstanceLock::Result r = lock.tryAcquire(records.path());
        ::umask(oldMask);
        qputenv("XDG_DATA_HOME", oldData);
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
        QCOMPARE(r, InstanceLock::Result::Acquired);
        for (const QString& dir : {data + QStringLiteral("/mojimaru"), runtime}) {
            if (!QFileInfo::exists(dir))
                continue;
            QCOMPARE(QFileInfo(dir).permissions() & 0x7077,
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
    }

    // A records folder whose file system refuses locks (NFS without a lock service): no lock
    // in a machine-local place instead, since a copy on another computer would not see it.
    void refusedLockIsNotSidestepped_data() {
        QTest::addColumn<int>("error");
        QTest::newRow("ENOLCK") << ENOLCK;
        QTest::newRow("EOPNOTSUPP") << EOPNOTSUPP;
        QTest::newRow("EINVAL") << EINVAL;
        QTest::newRow("EIO") << EIO;
    }
    void refusedLockIsNotSidestepped() {
        QFETCH(int, error);
        QTemporaryDir records, runtime;
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        static int refusal = 0;
        refusal = error;
        InstanceLock::setLockCallForTests([](int, int) {
            errno = refusal;
            return -1;
        });
        InstanceLock lock;
        const InstanceLock::Result r = lock.tryAcquire(records.path());
        InstanceLock::setLockCallForTests(nullptr);
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
        QCOMPARE(r, InstanceLock::Result::Unlockable);
        QCOMPARE(lock.path(), QString());
        QCOMPARE(QDir(runtime.path()).entryList(QDir::Files), QStringList());
    }

    // The program's entry keeps its lock for the rest of the run.
    void entryHoldsItsLock() {
        QTemporaryDir records;
        QCOMPARE(AcquireSingleInstance(records.path()), InstanceLock::Result::Acquired);
        InstanceLock other;
        QCOMPARE(other.tryAcquire(records.path()), InstanceLock::Result::HeldByOther);
    }
};

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--hold-lock") == 0) {
        QCoreApplication app(argc, argv);
        InstanceLock lock;
        if (lock.tryAcquire(QString::fromLocal8Bit(argv[2])) != InstanceLock::Result::Acquired)
            return 1;
        std::fputs("held\n", stdout);
        std::fflush(stdout);
        pause();
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestSingleInstance t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_single_instance.moc"
