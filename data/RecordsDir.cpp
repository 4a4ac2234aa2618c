#include "data/RecordsDir.h"

#include "data/ProgramDir.h"
#include "data/Tables.h"

#include <QDir>

namespace {
QString chosenDir;
}

QString RecordsDir()
{
    if (!chosenDir.isEmpty())
        return chosenDir;
    return Exe_Dir;
}

QString RecordsFile(const QString& name)
{
    if (chosenDir.isEmpty())
        return ProgramFile(name);
    return chosenDir + name;
}

void SetRecordsDir(const QString& dir)
{
    if (dir.isEmpty()) {
        chosenDir.clear();
        return;
    }
    chosenDir = QDir::cleanPath(QDir(dir).absolutePath());
    if (!chosenDir.endsWith(QLatin1Char('/')))
        chosenDir += QLatin1Char('/');
}
