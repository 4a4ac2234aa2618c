// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the kanji notebook on a large history: 100 players with 10000 answers each (a million
// rows). Times, for one player in the middle, the window's creation (the history read, the
// summary, the cells) up to its first full paint, and prints the median and the slowest run.
//
// Not a pass/fail test: run it by hand, headless:
//   QT_QPA_PLATFORM=offscreen ./bench_kanji_note [runs]
#include "aftergame/NoteGrid.h"
#include "aftergame/TF_Kanji_Note.h"
#include "data/KanjiHistory.h"
#include "data/Tables.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScrollArea>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    constexpr int Players = 100;
    constexpr int Answers = 10000;

    TestEnv env;
    WriteSampleKanjiData(env);
    Player_Count = Players;
    for (int p = 1; p <= Players; ++p) {
        Player_Tbl[p].No = static_cast<std::int16_t>(p);
        Player_Tbl[p].Name.setSjis(QByteArray("player") + QByteArray::number(p));
        Player_Tbl[p].Gakunen = static_cast<std::int16_t>(1 + p % 4);
    }
    QElapsedTimer fill;
    fill.start();
    for (int p = 1; p <= Players; ++p) {
        QList<HistoryAnswer> list;
        list.reserve(Answers);
        const int last =
            Gakunen_Tbl[Player_Tbl[p].Gakunen].First + Gakunen_Tbl[Player_Tbl[p].Gakunen].Count - 1;
        for (int i = 0; i < Answers; ++i) {
            HistoryAnswer a;
            a.kanji = 1 + Random(last);
            a.game = 1 + Random(7);
            a.asked = static_cast<KanjiAsked>(1 + Random(3));
            a.right = Random(4) != 0;
            a.at = Clock::now().addSecs(i);
            list << a;
        }
        KanjiHistory::addMany(p, list);
    }
    std::printf("history: %d players x %d answers written in %lld ms, %lld bytes\n", Players,
                Answers, static_cast<long long>(fill.elapsed()),
                static_cast<long long>(QFileInfo(env.path(KanjiHistory::FileName)).size()));
    // A cold start: the database is opened anew, as when the program starts.
    KanjiHistory::close();
    QElapsedTimer openTimer;
    openTimer.start();
    KanjiHistory::open();
    std::printf("open and check: %lld ms\n", static_cast<long long>(openTimer.elapsed()));

    std::vector<double> ms;
    const int player = 50; // school year 3: 440 kanji on the page
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        auto* note = new TF_Kanji_Note(player);
        note->show();
        note->grab(); // the first full paint, cells included
        ms.push_back(t.nsecsElapsed() / 1e6);
        if (r == 0)
            std::printf("answers of player %d: %d, kanji on the page: %d\n", player,
                        int(KanjiHistory::answersOf(player).size()), note->Grd_Note->kanjiCount());
        delete note;
        QCoreApplication::processEvents();
    }
    std::sort(ms.begin(), ms.end());
    std::printf(
        "notebook open (read, summary, first paint), %d runs: median %.1f ms, slowest %.1f ms"
        " (limit 200 ms)\n",
        runs, ms[ms.size() / 2], ms.back());
    return 0;
}
