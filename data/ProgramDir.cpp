#include "data/ProgramDir.h"

#include "data/Tables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

void SetProgramDir(const QString& dir)
{
    QString d = QDir::cleanPath(QFileInfo(dir).absoluteFilePath());
    if (!d.endsWith(QLatin1Char('/')))
        d += QLatin1Char('/');
    Exe_Dir = d == QLatin1String("/") ? QString() : d;
}

void SetProgramDirFromApplication()
{
    SetProgramDir(QCoreApplication::applicationDirPath());
}

QString ProgramFile(const QString& name)
{
    QString bare = name;
    while (bare.startsWith(QLatin1Char('/')) || bare.startsWith(QLatin1Char('\\')))
        bare.remove(0, 1);
    const QString dir = Exe_Dir.isEmpty() ? QStringLiteral("/") : Exe_Dir;
    const QString exact = dir + bare;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(dir).entryList(QDir::Files);
    for (const QString& entry : entries)
        if (entry.compare(bare, Qt::CaseInsensitive) == 0)
            return dir + entry;
    return exact;
}
