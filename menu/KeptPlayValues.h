// SPDX-License-Identifier: GPL-3.0-or-later
// A game window plays for the game and the child it was opened for. The ranking and the kanji
// history read the shared play values (Cur_Game, Cur_Player, the school-year values) while it
// runs, so the window puts its own back whenever it shows or becomes the active window.
#pragma once

class QWidget;

// Takes the current play values for `window` (call right after starting the game).
void KeepPlayValues(QWidget* window);
