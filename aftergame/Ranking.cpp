#include "aftergame/Ranking.h"

#include "aftergame/TF_Game_Kiroku.h"
#include "platform/Modal.h"

#include <memory>

void ShowRanking(QWidget* game)
{
    auto F_Game_Kiroku = std::make_unique<TF_Game_Kiroku>(game);
    F_Game_Kiroku->setWindowState(Qt::WindowMaximized);
    ExecModal(F_Game_Kiroku.get());
}
