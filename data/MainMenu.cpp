// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/MainMenu.h"

#include "data/KanjiHistory.h"
#include "platform/ProgramWindow.h"

#include <QTimer>
#include <QPointer>
#include <QWidget>

namespace {
QPointer<QWidget> menu;
}

void SetMainMenu(QWidget* m) { menu = m; }

QWidget* MainMenuWindow() { return menu; }

// A game has ended (or its window closed): its answers go into the kanji history now, outside
// any of its ticks, and trouble with the history is told once the menu is back.
void ShowMainMenu()
{
    const bool answered = KanjiHistory::pendingCount() > 0;
    KanjiHistory::flush();
    if (!menu)
        return;
    ShowProgramWindow(menu);
    if (answered)
        QTimer::singleShot(0, menu, [] {
            if (menu && menu->isVisible())
                OpenKanjiHistory(menu);
        });
}

void CloseMainMenu()
{
    KanjiHistory::flush();
    if (menu)
        menu->close();
}
