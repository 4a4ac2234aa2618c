// SPDX-License-Identifier: GPL-3.0-or-later
// A game caption of the menu: a label that reports clicks and the mouse moving over it.
#pragma once

#include <QLabel>

class CaptionLabel : public QLabel {
    Q_OBJECT
  public:
    CaptionLabel(int tag, QWidget* parent = nullptr);
    int tag() const { return tag_; }

  signals:
    void clicked(int tag);
    void mouseMoved(int tag);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int tag_;
};

// A plain panel that reports the mouse moving over its free area.
class TrackingPanel : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;

  signals:
    void mouseMoved();

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};
