// SPDX-License-Identifier: GPL-3.0-or-later
// The one placing rule of every window: the window is maximised over the whole (logical) screen,
// and its fixed layout (640 x 480, the menu's 634 x 450) stands in the middle of it on the
// window's own background. On a 4:3 screen the two are the same size and nothing moves; a 16:9
// screen (853 x 480 logical) gets an even band on each side.
#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// Top-left of a layout of `layout` in a window of `window`; never above or left of the window.
QPoint CentredLayoutPos(QSize window, QSize layout);

// Gives `window` a layout box of `layout` size (default: the window's size now) that follows the
// rule above, moves every child the window has so far into it, unchanged in place and visibility,
// and returns the box (the window's existing box when it has one). `picture`, when given, is
// where message boxes over the window stand (the board, the playfield), so they leave the score
// uncovered.
QWidget* CentreLayout(QWidget* window, QSize layout = {}, QWidget* picture = nullptr);

// The window's layout box, or null when it has none.
QWidget* LayoutBox(const QWidget* window);
// The picture message boxes over `window` stand over, or null.
QWidget* MessagePicture(const QWidget* window);
// From now on message boxes over `window` stand over `picture`.
void SetMessagePicture(QWidget* window, QWidget* picture);
