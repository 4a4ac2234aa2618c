// SPDX-License-Identifier: GPL-3.0-or-later
// One running copy per set of records: a lock file named after "Mojimaru_G" in the records
// folder, held with flock() until the process ends. The kernel drops the lock when its holder
// ends in any way (crash, SIGKILL, power loss), so a lock file left behind never blocks a start;
// and whoever starts the program on the same records, with whatever TMPDIR, meets the same lock.
#pragma once

#include <QString>

class InstanceLock {
  public:
    // Unlockable: the records folder's file system refuses locks.
    enum class Result { Acquired, HeldByOther, Unavailable, Unlockable };
    // Tests stand in for a file system that refuses locks; nullptr returns to flock().
    static void setLockCallForTests(int (*call)(int fd, int operation));
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Tries the lock in recordsDir; when that folder holds no lock file and lets us create none,
    // the lock lies in the user's runtime folder (else the user's data folder), named after the
    // records folder. Unavailable: no lock could be made anywhere.
    Result tryAcquire(const QString& recordsDir,
                      const QString& name = QStringLiteral("Mojimaru_G"));
    QString path() const { return path_; } // the lock file held, empty when none

  private:
    int fd_ = -1;
    QString path_;
};

// Acquired when this copy may run (it now holds the lock until it ends, or no lock could be
// made at all, which is told on the error output); HeldByOther when another copy runs on these
// records; Unlockable when the records folder refuses locks (the parent decides).
InstanceLock::Result AcquireSingleInstance(const QString& recordsDir,
                           const QString& name = QStringLiteral("Mojimaru_G"));
