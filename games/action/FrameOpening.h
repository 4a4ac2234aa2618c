// SPDX-License-Identifier: GPL-3.0-or-later
// The opening of a frame step in the two games against the clock (ShootDown, Catcher): the time
// and score shown, the time-out that ends the game or earns an extension, and the next question
// when the current one has had its share of right characters.
#pragma once

#include "games/action/ActionEvents.h"

#include <QtGlobal>

// False when the game ends here, `ended` saying why (TimeOut or Stopped).
template <typename Game>
bool OpenFrameStep(Game& game, ActionEvents* events, qint64 nowMs,
                   typename Game::TickResult& ended)
{
    game.ticker.beginFrame();
    const qint64 remaining = game.clock.remainingMs(nowMs);
    if (events)
        events->showStatus(remaining, game.score);
    if (remaining <= 0) {
        if (!game.clock.earnsExtension(game.score, game.possiblePoints)) {
            ended = Game::TickResult::TimeOut;
            return false;
        }
        game.extend(nowMs);
    }
    if (game.question.changeDue()) {
        game.question.pickNextAnswer();
        if (events && !events->showQuestion(game.question.current)) {
            ended = Game::TickResult::Stopped;
            return false;
        }
        game.question.newQuota();
        if (events)
            events->playSound(ActionSound::Mondai);
    }
    return true;
}
