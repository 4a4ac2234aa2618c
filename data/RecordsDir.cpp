#include "data/RecordsDir.h"

#include "data/ProgramDir.h"
#include "data/Tables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/mojimaru"));
}

QString RecordsDir() {
    if (!chosenDir.isEmpty())
        return chosenDir;
    if (!ProgramIsInstalled())
        return Exe_Dir.isEmpty() ? QStringLiteral("/") : withoutSlash(Exe_Dir);
    const QString dir = UserRecordsDir();
    if (!QFileInfo::exists(dir) && QDir().mkpath(dir))
        // A child's names and scores are nobody else's business on a shared machine.
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner);
    return dir;
}

QString RecordsFile(const QString& name) {
    return FileInFolder(RecordsDir(), name);
}
