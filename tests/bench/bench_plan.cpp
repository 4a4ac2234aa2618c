// SPDX-License-Identifier: GPL-3.0-or-later
// Opening today's practice on a big history: 100 children with 10000 answers each in
// "KanjiNote.db" (a third of them readings and writings that move the schedule, spread over a
// year). Times the one-off making of the schedule from that history (what an older file gets),
// then the window's opening up to its first paint for one child (the plan read from the stored
// schedule, the sentence, the controls). The mark for the opening is 200 ms.
//
// Not a pass/fail test: run it by hand, headless:
//   QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ./bench_plan [runs]
#include "aftergame/plan/TF_Kyou_Renshuu.h"
#include "data/KanjiHistory.h"
#include "data/RecordsDir.h"
#include "data/ReviewSchedule.h"
#include "data/Tables.h"
#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {
constexpr int Children = 100;
constexpr int AnswersEach = 10000;

void report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-40s median %8.2f ms, slowest %8.2f ms (%zu runs)\n", what, ms[ms.size() / 2],
                ms.back(), ms.size());
}

// Written straight into the file, as years of play would have left it (without a schedule).
void fillHistory(const QString& path) {
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
    d.setDatabaseName(path);
    d.open();
    QSqlQuery q(d);
    q.exec(QStringLiteral("CREATE TABLE answers (id INTEGER PRIMARY KEY, player_no INTEGER NOT "
                          "NULL, player_name TEXT NOT NULL, kanji INTEGER NOT NULL, game INTEGER "
                          "NOT NULL, asked INTEGER NOT NULL, correct INTEGER NOT NULL, "
                          "answered_at TEXT NOT NULL)"));
    q.exec(QStringLiteral("CREATE INDEX answers_by_player ON answers(player_no, player_name, kanji)"));
    d.transaction();
    q.prepare(QStringLiteral("INSERT INTO answers (player_no, player_name, kanji, game, asked, "
                             "correct, answered_at) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    std::mt19937 random(7);
    const QDateTime start = Clock::now().addDays(-365);
    for (int p = 1; p <= Children; ++p)
        for (int i = 0; i < AnswersEach; ++i) {
            q.bindValue(0, p);
            q.bindValue(1, Player_Tbl[p].Name.text().trimmed());
            q.bindValue(2, 1 + int(random() % 240));
            q.bindValue(3, 1 + int(random() % 8));
            q.bindValue(4, 1 + int(random() % 6));
            q.bindValue(5, random() % 4 != 0 ? 1 : 0);
            q.bindValue(6, start.addSecs(qint64(i) * 365 * 86400 / AnswersEach)
                               .toString(Qt::ISODate));
            q.exec();
        }
    d.commit();
    d.close();
    d = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    TestEnv env(true);
    WriteSampleKanjiData(env);
    Player_Count = Children;
    for (int p = 1; p <= Children; ++p) {
        Player_Tbl[p].No = static_cast<std::int16_t>(p);
        Player_Tbl[p].Name.setSjis(Cp932::fromUnicode(QStringLiteral("こども%1").arg(p)));
        Player_Tbl[p].Gakunen = static_cast<std::int16_t>(1 + p % 4);
    }
    QElapsedTimer t;
    t.start();
    fillHistory(RecordsFile(KanjiHistory::FileName));
    std::printf("history of %d answers written in %.1f s\n", Children * AnswersEach,
                t.nsecsElapsed() / 1e9);

    t.restart();
    KanjiHistory::open();
    const KanjiSchedule first = KanjiHistory::scheduleOf(50);
    report("schedule made from the whole history", {t.nsecsElapsed() / 1e6});
    std::printf("child 50: %lld kanji scheduled\n", static_cast<long long>(first.size()));

    std::vector<double> open;
    for (int r = 0; r < runs; ++r) {
        const int player = 1 + (r * 37) % Children;
        QElapsedTimer w;
        w.start();
        auto* window = new TF_Kyou_Renshuu(player);
        window->show();
        window->repaint();
        open.push_back(w.nsecsElapsed() / 1e6);
        if (r == 0)
            report("plan opens, first of the run", open);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->hide();
        delete window;
    }
    report("plan opens (first paint), mark 200 ms", open);
    return 0;
}
