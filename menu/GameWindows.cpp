#include "menu/GameWindows.h"

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
    return it == factories().constEnd() ? nullptr : (*it)();
}
