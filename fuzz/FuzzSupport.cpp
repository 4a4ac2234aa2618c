// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzSupport.h"

#include "data/ProgramDir.h"
#include "data/Tables.h"
#include "platform/Random.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {
int argcStore = 1;
char argv0[] = "fuzz";
char* argvStore[] = {argv0, nullptr};
std::string dirPath;

void removeDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(dirPath, ignored);
}
}  // namespace

void FuzzInit(bool gui)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Never destroyed: at exit Qt's own globals may already be gone.
    if (gui)
        new QGuiApplication(argcStore, argvStore);
    else
        new QCoreApplication(argcStore, argvStore);
    QTemporaryDir dir(QStringLiteral("/tmp/mojimaru-fuzz-XXXXXX"));
    dir.setAutoRemove(false);
    dirPath = dir.path().toStdString();
    std::atexit(removeDir);
    SetProgramDir(dir.path());
    InitTables();
    RandomSeed(12345);
}

QString FuzzDir() { return Exe_Dir; }

QByteArray FuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

QString WriteFuzzFile(const QString& name, const QByteArray& bytes)
{
    const QString path = FuzzDir() + name;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        abort();  // the fuzz set-up itself is broken
    return path;
}
