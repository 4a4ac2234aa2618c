#include "platform/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <memory>

bool AcquireSingleInstance(const QString& name)
{
    static std::unique_ptr<QLockFile> held;
    if (held)
        return true;
    auto lock = std::make_unique<QLockFile>(QDir::temp().filePath(name + QStringLiteral(".lock")));
    lock->setStaleLockTime(0);  // a lock left by a crashed copy is taken over, never waited on
    if (!lock->tryLock(0))
        return false;
    held = std::move(lock);
    return true;
}
