// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ProgramDir.h"

#include "data/Tables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
bool installed = false;
const QString KanjiData = QStringLiteral("Kanji.dat");

bool holdsData(const QString& dir) {
    return QFileInfo::exists(FileInFolder(dir, KanjiData));
}
} // namespace

void SetProgramDir(const QString& dir) {
    QString d = QDir::cleanPath(QFileInfo(dir).absoluteFilePath());
    if (!d.endsWith(QLatin1Char('/')))
        d += QLatin1Char('/');
    Exe_Dir = d == QLatin1String("/") ? QString() : d;
    installed = false;
}

QString InstalledDataDir(const QString& exeDir) {
    const QString share = QDir::cleanPath(exeDir + QStringLiteral("/../share/mojimaru"));
    return holdsData(share) ? share : QString();
}

void SetProgramDirFromApplication() {
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QString share = holdsData(exeDir) ? QString() : InstalledDataDir(exeDir);
    SetProgramDir(share.isEmpty() ? exeDir : share);
    installed = !share.isEmpty();
}

bool ProgramIsInstalled() {
    return installed;
}

QString FileInFolder(const QString& dir, const QString& name) {
    QString bare = name;
    while (bare.startsWith(QLatin1Char('/')) || bare.startsWith(QLatin1Char('\\')))
        bare.remove(0, 1);
    QString folder = dir.isEmpty() ? QStringLiteral("/") : dir;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const QString exact = folder + bare;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(folder).entryList(QDir::Files);
    for (const QString& entry : entries)
        if (entry.compare(bare, Qt::CaseInsensitive) == 0)
            return folder + entry;
    return exact;
}

QString ProgramFile(const QString& name) {
    return FileInFolder(Exe_Dir, name);
}
