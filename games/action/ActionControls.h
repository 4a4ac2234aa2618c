// SPDX-License-Identifier: GPL-3.0-or-later
// Small builders for the controls of the action game windows, so the three windows look alike.
#pragma once

#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

QLabel* MakeActionLabel(QWidget* parent, const QString& text, const QRect& r, int px, bool bold,
                        const QString& colour);
// A button that never takes the keyboard focus, so Space and the arrows stay the game's keys.
QPushButton* MakeActionButton(QWidget* parent, const QString& text, const QRect& r,
                              const QString& hint);
QGroupBox* MakeActionGroup(QWidget* parent, const QString& title, const QRect& r);
