// SPDX-License-Identifier: GPL-3.0-or-later
// The message boxes' icon: a speech bubble with "i" (information) or "?" (a question), painted
// as lines and curves so it is as sharp as the text beside it on any screen.
#pragma once

#include <QWidget>

class MessageIcon : public QWidget {
  public:
    MessageIcon(bool question, QWidget* parent);
    QSize sizeHint() const override { return {48, 48}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const bool question_;
};
