// SPDX-License-Identifier: GPL-3.0-or-later
// An up-down control bound to an edit box: two small arrow buttons that step the number in the
// box within a range, without wrapping around.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

class UpDown : public QWidget {
    Q_OBJECT
  public:
    UpDown(QWidget* parent, QLineEdit* associate, int min, int max);

    int position() const;
    void stepUp() { step(1); }
    void stepDown() { step(-1); }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void step(int delta);
    QLineEdit* associate_;
    int min_;
    int max_;
    QToolButton* up_;
    QToolButton* down_;
};
