// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the menu's two mode buttons, drawn by the program.
#pragma once

#include <QIcon>

QIcon GameModeIcon();   // play: a yellow disc with a triangle
QIcon RecordModeIcon(); // records: a small bar chart
