// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/GameWindows.h"

#include "menu/KeptPlayValues.h"

#include <QMap>

namespace {
QMap<int, GameWindowFactory>& factories()
{
    static QMap<int, GameWindowFactory> map;
    return map;
}
}  // namespace

void RegisterGameWindow(int game, GameWindowFactory factory)
{
    factories().insert(game, std::move(factory));
}

QWidget* CreateGameWindow(int game)
{
    const auto it = factories().constFind(game);
    if (it == factories().constEnd())
        return nullptr;
    QWidget* window = (*it)();
    if (window)
        KeepPlayValues(window);
    return window;
}
