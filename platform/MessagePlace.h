// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's message boxes stand: over the window's picture (the board, the cards, the
// playfield), so the score beside it stays in view, else over the middle of the window's layout;
// always inside the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Top-left of a box of `box` size centred over `target`, moved inside `screen` as far as it fits.
QPoint MessageBoxPos(const QRect& target, QSize box, const QRect& screen);
// The rectangle (global) a message box over `parent` is centred on.
QRect MessageTarget(const QWidget* parent);
// Moves `box` there as it shows, once it knows its own size.
void PlaceMessageBox(QWidget* box, const QWidget* parent);
