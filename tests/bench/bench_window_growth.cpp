// SPDX-License-Identifier: GPL-3.0-or-later
// Memory kept per opening: every window the menu leads to is opened and closed N times (100 by
// default) after a few openings to warm up, and the growth of the process's resident memory and
// of the number of live widgets over those N openings is printed per window. A window that
// leaves something behind each time shows as steady growth here.
//
// Not a pass/fail test: run it by hand, headless:
//   QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ./bench_window_growth [openings]
#include "aftergame/Ranking.h"
#include "aftergame/TF_Game_Seiseki.h"
#include "aftergame/TF_Game_Shutsudai.h"
#include "aftergame/TF_Kanji_Note.h"
#include "data/FuriganaReader.h"
#include "data/Rules.h"
#include "data/Tables.h"
#include "games/action/TF_Game5.h"
#include "games/action/TF_Game6.h"
#include "games/action/TF_Game7.h"
#include "games/guess/TF_Game2.h"
#include "games/guess/TF_Game3.h"
#include "games/puzzle/TF_Game1.h"
#include "games/puzzle/TF_Game4.h"
#include "menu/GameWindows.h"
#include "menu/MenuTestSupport.h"
#include "platform/HelpFile.h"
#include "platform/Modal.h"
#include "writing/handwriting/HandwritingPad.h"
#include "support/TestEnv.h"
#include "support/WindowWalk.h"
#include "writing/Furigana.h"

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QtTest>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <unistd.h>

namespace {
long residentKiB() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QWidget* visibleOther(const QWidget* menu) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != menu && w->isVisible() && !qobject_cast<TF_Pop*>(w))
            return w;
    return nullptr;
}

struct Growth {
    long kib = 0;
    int widgets = 0;
};

Growth measure(int openings, const std::function<void()>& openAndClose) {
    for (int i = 0; i < 5; ++i)
        openAndClose();
    settle();
    const long kib0 = residentKiB();
    const int widgets0 = int(QApplication::allWidgets().size());
    for (int i = 0; i < openings; ++i)
        openAndClose();
    settle();
    return {residentKiB() - kib0, int(QApplication::allWidgets().size()) - widgets0};
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    const int openings = argc > 1 ? std::max(10, std::atoi(argv[1])) : 100;
    RegisterSevenGameWindows();
    TestEnv env(true);
    // As the program runs: furigana over the windows' own texts.
    InstallFuriganaReader();
    InstallFurigana(app);
    // A modal window is shown and painted once, then closed, as a child would see it.
    Modal::setHook([](QDialog* d) {
        d->show();
        QCoreApplication::processEvents();
        d->close();
        return 0;
    });
    WritePlayers(env, {QStringLiteral("たろう")}, {2});
    MenuPtr menu = MakeMenu();
    menu->show();
    menu->Lst_Player->setCurrentRow(0);
    settle();
    const long start = residentKiB();
    std::printf("resident at start: %ld KiB, %d widgets\n", start,
                int(QApplication::allWidgets().size()));

    struct Kind {
        const char* name;
        std::function<void()> openAndClose;
    };
    std::vector<Kind> kinds;
    for (int n = 1; n <= 7; ++n)
        kinds.push_back({nullptr, [&menu, n] {
                             menu->CaptionClick(n);
                             settle();
                             if (QWidget* w = visibleOther(menu.get()))
                                 w->close();
                             settle();
                         }});
    const char* gameNames[] = {"game 1", "game 2", "game 3", "game 4",
                               "game 5", "game 6", "game 7"};
    for (int n = 0; n < 7; ++n)
        kinds[size_t(n)].name = gameNames[n];
    kinds.push_back({"grades", [&menu] {
                         menu->Btn_SeisekiClick();
                         settle();
                         if (auto* g = qobject_cast<TF_Game_Seiseki*>(visibleOther(menu.get())))
                             g->Btn_EndClick();
                         settle();
                     }});
    kinds.push_back({"quiz", [&menu] {
                         Cur_Game = 2;
                         Quiz_Kanji = 100;
                         TF_Game_Shutsudai quiz(menu.get());
                         ExecModal(&quiz);
                     }});
    kinds.push_back({"ranking", [&menu] {
                         Cur_Game = 5;
                         Last_Score = 0;
                         ShowRanking(menu.get());
                     }});
    kinds.push_back({"notebook", [&menu] {
                         TF_Kanji_Note note(1, menu.get());
                         ExecModal(&note);
                     }});
    kinds.push_back({"help", [&menu] { ShowHelp(menu.get(), 31); }});
    kinds.push_back({"writing pad", [&menu] {
                         menu->Btn_TourokuClick();
                         menu->Btn_TegakiClick();
                         settle();
                         if (menu->Pad_Tegaki)
                             menu->Pad_Tegaki->close();
                         menu->Btn_TourokuClick();
                         settle();
                     }});

    // Twice round: growth that shows only in the first round is the process warming up (caches,
    // the allocator's pools); growth in the second round as well is kept per opening.
    for (int round = 1; round <= 2; ++round) {
        std::printf("round %d\n%-12s %12s %14s %10s\n", round, "window", "growth KiB",
                    "KiB per open", "widgets");
        for (const Kind& k : kinds) {
            const Growth g = measure(openings, k.openAndClose);
            std::printf("%-12s %12ld %14.1f %+10d\n", k.name, g.kib, double(g.kib) / openings,
                        g.widgets);
            std::fflush(stdout);
        }
    }
    std::printf("resident at the end: %ld KiB (%+ld KiB over %d openings of each window)\n",
                residentKiB(), residentKiB() - start, openings);
    return 0;
}
