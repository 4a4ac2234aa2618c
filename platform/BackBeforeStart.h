// SPDX-License-Identifier: GPL-3.0-or-later
// A way back on a game's first screen: "もどる" and the Esc key leave the game before it starts,
// so a child who picked the wrong game need not start it to get out. Once the game runs, the
// button is gone and Esc does nothing here (the game's own end button leaves then).
#pragma once

#include <QObject>
#include <QRect>
#include <functional>

class QAbstractButton;
class QPushButton;
class QWidget;

class BackBeforeStart : public QObject {
  public:
    // started tells whether the game has begun; leave leaves it as its end button would. The
    // button goes once a click on `start` has begun the game.
    BackBeforeStart(QWidget* window, const QRect& r, QAbstractButton* start,
                    std::function<bool()> started, std::function<void()> leave);
    QPushButton* button() const { return button_; }
    void follow(); // shows the button while the game has not begun

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPushButton* button_;
    std::function<bool()> started_;
    std::function<void()> leave_;
};
