// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/RecordsDir.h"

#include "data/ProgramDir.h"
#include "data/Tables.h"
#include "platform/PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace {
QString chosenDir;

QString withoutSlash(const QString& dir) {
    const QString d = QDir::cleanPath(QFileInfo(dir).absoluteFilePath());
    return d.isEmpty() ? QStringLiteral("/") : d;
}
} // namespace

void SetRecordsDir(const QString& dir) {
    chosenDir = dir.isEmpty() ? QString() : withoutSlash(dir);
}

QString UserRecordsDir() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) {
        // Without a home there is no place of the user's own: never "/.local/share".
        const QString home = qEnvironmentVariable("HOME");
        if (home.isEmpty() || !QDir::isAbsolutePath(home))
            return {};
        base = home + QStringLiteral("/.local/share");
    }
    return QDir::cleanPath(base + QStringLiteral("/mojimaru"));
}

QString RecordsDir() {
    if (!chosenDir.isEmpty())
        return chosenDir;
    if (!ProgramIsInstalled())
        return Exe_Dir.isEmpty() ? QStringLiteral("/") : withoutSlash(Exe_Dir);
    // A child's names and scores are nobody else's business on a shared machine.
    UserRecordsDirReady();
    return UserRecordsDir();
}

QString RecordsFile(const QString& name) {
    return FileInFolder(RecordsDir(), name);
}

bool UserRecordsDirReady() {
    static const bool ready = PrepareRecordsFolder(UserRecordsDir());
    return ready;
}

bool PrepareRecordsFolder(const QString& dir) {
    if (dir.isEmpty())
        return false;
    const bool existed = QFileInfo(dir).isDir();
    if (!MakePrivateFolder(dir))
        return false;
    if (!existed || QFileInfo(dir).ownerId() != ::geteuid())
        return true;
    // A folder an earlier version made readable by others: ours by its name, so it and the
    // records in it become the owner's alone. Other files in it are left as they are.
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                   QFileDevice::ExeOwner);
    const QStringList ours{QStringLiteral("Player.dat"), QStringLiteral("Game.dat"),
                           QStringLiteral("KanjiNote.db*"), QStringLiteral("Mojimaru_G*")};
    for (const QFileInfo& f : QDir(dir).entryInfoList(ours, QDir::Files | QDir::Hidden))
        if (f.ownerId() == ::geteuid() && !f.isSymLink())
            QFile::setPermissions(f.absoluteFilePath(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
}

namespace {
bool readOnly = false;
}
void SetRecordsReadOnly(bool on) {
    readOnly = on;
}
bool RecordsReadOnly() {
    return readOnly;
}
