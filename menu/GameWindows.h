// SPDX-License-Identifier: GPL-3.0-or-later
// The seven game windows, as the menu opens them. The entry registers each game's window once;
// the menu itself does not depend on the games.
#pragma once

#include <QString>
#include <functional>

class QWidget;

using GameWindowFactory = std::function<QWidget*()>;

void RegisterGameWindow(int game, GameWindowFactory factory);
// Creates game n's window (not shown), or nullptr when no window is registered for it.
QWidget* CreateGameWindow(int game);
