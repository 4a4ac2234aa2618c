// SPDX-License-Identifier: GPL-3.0-or-later
// The square the child writes on, with the mouse, a finger or a pen. Ink is kept in the 1024
// box of the recogniser whatever size the square is shown at.
#pragma once

#include "writing/handwriting/Ink.h"

#include <QWidget>

class WritingSurface : public QWidget {
    Q_OBJECT
  public:
    explicit WritingSurface(QWidget* parent = nullptr);

    const Ink& ink() const { return ink_; }
    void clear();
    void undoStroke();

  signals:
    void strokeFinished();
    void inkChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void tabletEvent(QTabletEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void begin(QPointF at);
    void extend(QPointF at);
    void end();
    QPointF toInk(QPointF widgetPoint) const;
    Ink ink_;
    bool writing_ = false;
};
