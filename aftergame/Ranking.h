// SPDX-License-Identifier: GPL-3.0-or-later
// The ranking as the games open it: set Last_Score first, then call this from the game window.
#pragma once

class QWidget;

// Opens the ranking window modally over the game and frees it when the child closes it.
void ShowRanking(QWidget* game);
