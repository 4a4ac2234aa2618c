// SPDX-License-Identifier: GPL-3.0-or-later
// A kanji's model on a writing square: drawn stroke by stroke with each stroke's number and
// direction (watching), or whole with its numbers (copying). A click asks for the drawing again.
#pragma once

#include "aftergame/practice/StrokeAnimation.h"

#include <QWidget>

class ModelView : public QWidget {
    Q_OBJECT
  public:
    explicit ModelView(QWidget* parent = nullptr);
    void setStrokes(const ModelStrokes& strokes);
    // Null: the whole kanji stands.
    void setAnimation(const StrokeAnimation* animation);

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    ModelStrokes strokes_;
    const StrokeAnimation* animation_ = nullptr;
};
