// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/Ranking.h"

#include "aftergame/TF_Game_Kiroku.h"
#include "platform/Modal.h"

#include <QWidget>

#include <memory>

void ShowRanking(QWidget* game)
{
    auto F_Game_Kiroku = std::make_unique<TF_Game_Kiroku>(game);
    // Covers the game's whole screen, as the game window itself does.
    if (game)
        F_Game_Kiroku->setGeometry(game->window()->geometry());
    else
        F_Game_Kiroku->setWindowState(Qt::WindowFullScreen);
    ExecModal(F_Game_Kiroku.get());
}
