// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu window, as the other windows see it: they show it again when they close.
#pragma once

class QWidget;

void SetMainMenu(QWidget* menu);
QWidget* MainMenuWindow();
void ShowMainMenu();   // shows the menu (restarting its music)
void CloseMainMenu();  // after a fatal file error: closes the menu so the program can end
