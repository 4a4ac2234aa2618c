// SPDX-License-Identifier: GPL-3.0-or-later
// What recording one hit costs inside an action game's 30 ms tick, on the disk the records
// folder lies on (a temporary folder under $TMPDIR, or the folder given as the first argument):
// the median and slowest of 300 hits, then the same while another program holds a write lock on
// the history (a few hits only: each may wait for the lock), and the writing of what was kept
// at the game's end.
//
// Not a pass/fail test: run it by hand, headless:
//   QT_QPA_PLATFORM=offscreen ./bench_history_record [folder]
#include "data/KanjiHistory.h"
#include "data/RecordsDir.h"
#include "data/Tables.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
void report(const char* what, std::vector<qint64> ns) {
    std::sort(ns.begin(), ns.end());
    std::printf("%-34s median %9.3f ms  slowest %9.3f ms  (%zu hits)\n", what,
                ns[ns.size() / 2] / 1e6, ns.back() / 1e6, ns.size());
}

std::vector<qint64> hits(int n) {
    std::vector<qint64> ns;
    QElapsedTimer t;
    for (int i = 0; i < n; ++i) {
        t.start();
        RecordKanjiAnswer(81 + i % 80, KanjiAsked::Kanji, i % 4 != 0);
        ns.push_back(t.nsecsElapsed());
    }
    return ns;
}

void timeFlush(const char* what) {
    QElapsedTimer t;
    t.start();
    const bool ok = KanjiHistory::flush();
    std::printf("%-34s %9.3f ms (%s, %d still kept)\n", what, t.nsecsElapsed() / 1e6,
                ok ? "written" : "refused", KanjiHistory::pendingCount());
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TestEnv env;
    QTemporaryDir tmp(argc > 1 ? QString::fromLocal8Bit(argv[1]) + QStringLiteral("/benchXXXXXX")
                               : QDir::tempPath() + QStringLiteral("/benchXXXXXX"));
    SetRecordsDir(tmp.path());
    Player_Count = 1;
    Player_Tbl[1].No = 1;
    Player_Tbl[1].Name.setSjis("bench");
    Player_Tbl[1].Gakunen = 2;
    Cur_Player = 1;
    Cur_Game = 6;
    std::printf("records folder: %s\n", qPrintable(tmp.path()));
    KanjiHistory::open();

    report("one hit, history free", hits(300));
    timeFlush("game's end");

    // Another program holds a write lock, as the sqlite3 shell in a transaction does.
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                       QStringLiteral("other"));
        other.setDatabaseName(RecordsFile(KanjiHistory::FileName));
        other.open();
        QSqlQuery(other).exec(QStringLiteral("BEGIN IMMEDIATE"));
        report("one hit, history write-locked", hits(3));
        timeFlush("game's end, write-locked");
        QSqlQuery(other).exec(QStringLiteral("ROLLBACK"));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    timeFlush("next game's end, lock gone");
    KanjiHistory::close();
    return 0;
}
