// SPDX-License-Identifier: GPL-3.0-or-later
// A label in the program's bold face, in one colour, on the window's own background: the kind
// most of our windows put their words in.
#pragma once

#include <QRect>
#include <QString>

class QColor;
class QLabel;
class QWidget;

// With an empty `place` the label takes the size of its text.
QLabel* MakeColourLabel(QWidget* parent, const QString& text, int pixels, const QColor& colour,
                        const QRect& place = QRect());
