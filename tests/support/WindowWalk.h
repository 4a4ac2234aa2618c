// SPDX-License-Identifier: GPL-3.0-or-later
// What the walks through every window a child meets share: fonts, furigana and the seven game
// windows ready, a menu with two children on file, and the game window the menu opened.
#pragma once

#include "data/FuriganaReader.h"
#include "games/action/TF_Game5.h"
#include "games/action/TF_Game6.h"
#include "games/action/TF_Game7.h"
#include "games/guess/TF_Game2.h"
#include "games/guess/TF_Game3.h"
#include "games/puzzle/TF_Game1.h"
#include "games/puzzle/TF_Game4.h"
#include "menu/GameWindows.h"
#include "menu/MenuTestSupport.h"
#include "platform/Fonts.h"
#include "writing/Furigana.h"

#include <QApplication>

// The seven game windows the menu opens, as the program registers them.
inline void RegisterSevenGameWindows() {
    RegisterGameWindow(1, [] { return new TF_Game1(); });
    RegisterGameWindow(2, [] { return new TF_Game2(); });
    RegisterGameWindow(3, [] { return new TF_Game3(); });
    RegisterGameWindow(4, [] { return new TF_Game4(); });
    RegisterGameWindow(5, [] { return new TF_Game5(); });
    RegisterGameWindow(6, [] { return new TF_Game6(); });
    RegisterGameWindow(7, [] { return new TF_Game7(); });
}

inline void PrepareWindowWalk() {
    InstallFontSubstitutions();
    InstallFuriganaReader();
    InstallFurigana(*qApp);
    RegisterSevenGameWindows();
}

// The menu shown, with たろう (school year `year`) and はなこ (year 2) on file, none picked yet.
inline MenuPtr MenuOfTwoChildren(const TestEnv& env, int year) {
    WritePlayers(env, {QStringLiteral("たろう"), QStringLiteral("はなこ")}, {year, 2});
    MenuPtr menu = MakeMenu();
    if (menu->created())
        menu->show();
    return menu;
}

// The game window open now: shown, full width, neither the menu nor the splash.
inline QWidget* OpenGameWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !qobject_cast<TF_Main*>(w) && !qobject_cast<TF_Pop*>(w) &&
            w->width() >= 600)
            return w;
    return nullptr;
}
