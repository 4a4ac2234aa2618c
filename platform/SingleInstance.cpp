// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include "platform/PrivateFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <unistd.h>

namespace {
int (*lockCall)(int, int) = ::flock;

// Read access is enough for flock(): a records folder the user may read but not write (a build
// tree of another account) still shares its lock file with the folder's owner.
int openLockFile(const QString& path) {
    const QByteArray p = QFile::encodeName(path);
    int fd = ::open(p.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0 && (errno == EACCES || errno == EROFS))
        fd = ::open(p.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    return fd;
}

QStringList fallbackFolders() {
    QStringList dirs;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime))
        dirs << runtime;
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || !QDir::isAbsolutePath(data))
        data = QDir::homePath() + QStringLiteral("/.local/share");
    dirs << data + QStringLiteral("/mojimaru");
    return dirs;
}
} // namespace

InstanceLock::~InstanceLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

InstanceLock::Result InstanceLock::tryAcquire(const QString& recordsDir, const QString& name) {
    if (fd_ >= 0)
        return Result::Acquired;
    const QString folder = QDir::cleanPath(QFileInfo(recordsDir).absoluteFilePath());
    QStringList candidates{folder + QLatin1Char('/') + name + QStringLiteral(".lock")};
    const QString key = QString::fromLatin1(
        QCryptographicHash::hash(QFile::encodeName(folder), QCryptographicHash::Sha1)
            .toHex()
            .left(16));
    for (const QString& dir : fallbackFolders())
        candidates << dir + QLatin1Char('/') + name + QLatin1Char('-') + key +
                          QStringLiteral(".lock");
    for (const QString& candidate : candidates) {
        // A place of our own is made only when the lock goes there, and only for the owner.
        if (candidate != candidates.first() && !MakePrivateFolder(QFileInfo(candidate).path()))
            continue;
        const int fd = openLockFile(candidate);
        if (fd < 0)
            continue;
        if (lockCall(fd, LOCK_EX | LOCK_NB) == 0) {
            fd_ = fd;
            path_ = candidate;
            return Result::Acquired;
        }
        const int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK)
            return Result::HeldByOther;
        // The records' own folder refuses locks (NFS without a lock service): a lock anywhere
        // else would not be seen by a copy on another computer sharing the folder.
        if (candidate == candidates.first())
            return Result::Unlockable;
    }
    return Result::Unavailable;
}

InstanceLock::Result AcquireSingleInstance(const QString& recordsDir, const QString& name) {
    static std::unique_ptr<InstanceLock> held;
    if (held)
        return InstanceLock::Result::Acquired;
    auto lock = std::make_unique<InstanceLock>();
    switch (lock->tryAcquire(recordsDir, name)) {
    case InstanceLock::Result::HeldByOther:
        return InstanceLock::Result::HeldByOther;
    case InstanceLock::Result::Unavailable:
        // Better a child plays than a program that silently never starts.
        std::fprintf(stderr, "mojimaru: no lock file could be made for %s; starting anyway\n",
                     qPrintable(recordsDir));
        return InstanceLock::Result::Acquired;
    case InstanceLock::Result::Unlockable:
        return InstanceLock::Result::Unlockable;
    case InstanceLock::Result::Acquired:
        break;
    }
    held = std::move(lock);
    return InstanceLock::Result::Acquired;
}

void InstanceLock::setLockCallForTests(int (*call)(int, int)) {
    lockCall = call ? call : ::flock;
}
