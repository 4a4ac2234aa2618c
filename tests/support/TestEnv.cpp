// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestEnv.h"

#include "data/KanjiHistory.h"
#include "data/ProgramDir.h"
#include "data/RecordsDir.h"
#include "data/Tables.h"
#include "platform/Clock.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"
#include "platform/ProgramEnd.h"
#include "platform/Random.h"

#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QFileInfo>

#ifndef MOJI_PROGRAM_DIR
#define MOJI_PROGRAM_DIR ""
#endif

namespace {
// What a run of the program from the build tree leaves beside it: the children's records and
// history (and their half-written or set-aside copies), the lock and the running copy's socket.
// A test starts without them, whatever a developer played before.
bool leftByARun(const QString& name) {
    static const QRegularExpression left(QStringLiteral(
        R"(^(Player\.dat|Game\.dat)(\..*)?$|\.db($|[.-])|\.lock$|\.sock$)"));
    return left.match(name).hasMatch();
}
} // namespace

TestEnv::TestEnv(bool copyProgramFiles) : tmp_(std::make_unique<QTemporaryDir>())
{
    MessageBoxes::setRecording(true);
    MediaPlayers::setRecording(true);
    ProgramEnd::reset();
    ProgramEnd::setHandler([] {});
    // A modal window no test drives closes at once instead of waiting for a person.
    Modal::setHook([](QDialog*) { return 0; });
    KanjiHistory::close();  // each test's history lies in its own folder
    SetRecordsDir(QString());
    Clock::freeze(QDateTime(QDate(2026, 4, 10), QTime(10, 0)));
    RandomSeed(12345);
    InitTables();
    if (copyProgramFiles) {
        const QDir src(builtProgramDir());
        for (const QFileInfo& fi : src.entryInfoList(QDir::Files | QDir::System)) {
            if (!fi.isFile() || fi.isExecutable() || leftByARun(fi.fileName()))
                continue;
            QFile::copy(fi.absoluteFilePath(), tmp_->filePath(fi.fileName()));
        }
    }
    SetProgramDir(tmp_->path());
    SetRecordsDir({});  // the records lie in the program directory, as in the build tree
}

TestEnv::~TestEnv()
{
    ProgramEnd::allowLoopsAgain();  // a test that ended the program lets the next one run loops
    Modal::setHook({});
    KanjiHistory::close();
    SetRecordsDir(QString());
    ProgramEnd::setHandler({});
    Clock::unfreeze();
}

QString TestEnv::dir() const { return Exe_Dir; }

QString TestEnv::path(const QString& name) const { return tmp_->filePath(name); }

void TestEnv::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile f(path(name));
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

QByteArray TestEnv::readFile(const QString& name) const
{
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void TestEnv::removeFile(const QString& name) const { QFile::remove(path(name)); }

QString TestEnv::builtProgramDir() { return QStringLiteral(MOJI_PROGRAM_DIR); }
