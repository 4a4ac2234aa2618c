// SPDX-License-Identifier: GPL-3.0-or-later
// A game's start button becomes its end button in the same place, so the press that started the
// game may have a second half: the rest of a double-click, or another key press on the button.
// A press of the end button (mouse, double-click or key) that comes within the system's
// double-click interval after the start press does nothing; after it, the button ends the game.
// A key's auto-repeat never ends a game.
#pragma once

#include <QObject>
#include <functional>

class QAbstractButton;

class StartEndGuard : public QObject {
  public:
    // start and end may be one button; running tells whether end now ends the game.
    StartEndGuard(QAbstractButton* start, QAbstractButton* end, std::function<bool()> running);

    // The interval in milliseconds: the system's double-click interval unless a test set one
    // (a negative value returns to the system's). Times come from the program's clock.
    static int interval();
    static void setIntervalForTests(int ms);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QAbstractButton* start_;
    QAbstractButton* end_;
    std::function<bool()> running_;
    qint64 startPress_ = 0;
    bool pressed_ = false;
};
