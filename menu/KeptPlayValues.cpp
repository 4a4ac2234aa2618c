// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/KeptPlayValues.h"

#include "data/Tables.h"

#include <QEvent>
#include <QWidget>

namespace {
struct PlayValues {
    std::int16_t game = 0, player = 0, first = 0, count = 0, perLevel = 0, levels = 0,
                 lastLevel = 0;

    static PlayValues current() {
        return {Cur_Game, Cur_Player, Cur_First, Cur_Count, Cur_PerLevel, Cur_Levels,
                Cur_LastLevel};
    }
    void restore() const {
        Cur_Game = game;
        Cur_Player = player;
        Cur_First = first;
        Cur_Count = count;
        Cur_PerLevel = perLevel;
        Cur_Levels = levels;
        Cur_LastLevel = lastLevel;
    }
};

class Keeper : public QObject {
  public:
    Keeper(QWidget* window) : QObject(window), values_(PlayValues::current()) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) {
            // A game may have narrowed Cur_LastLevel to its level's kanji: that stays.
            const std::int16_t lastLevel = Cur_Game == values_.game &&
                                                   Cur_Player == values_.player
                                               ? Cur_LastLevel
                                               : values_.lastLevel;
            values_.restore();
            Cur_LastLevel = lastLevel;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    PlayValues values_;
};
} // namespace

void KeepPlayValues(QWidget* window) {
    new Keeper(window);
}
