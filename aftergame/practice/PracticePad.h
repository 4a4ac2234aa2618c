// SPDX-License-Identifier: GPL-3.0-or-later
// The square the child writes the kanji on: the writing pad's own surface (mouse, finger and pen
// alike), showing under the ink the grey model when tracing, every stroke already down in clean
// ink where the child writes it, a stroke shown for tracing, and the flashing start and direction
// of the stroke that was due. Paths are in the model's 109 box.
#pragma once

#include "aftergame/practice/ModelStrokes.h"
#include "writing/handwriting/WritingSurface.h"

class PracticePad : public WritingSurface {
    Q_OBJECT
  public:
    explicit PracticePad(QWidget* parent = nullptr);

    // The grey model to trace; empty for none.
    void setModel(const ModelStrokes& model);
    // Starts the kanji again: nothing down, nothing shown.
    void restart();
    void setClean(const ModelStrokes& strokes);
    void setHelp(const QPolygonF& stroke); // empty: none
    void setFlash(const QPolygonF& stroke, bool on);
    void setWrongInk(const Stroke& ink); // the child's last wrong stroke, until the pen comes down

    int cleanCount() const { return int(clean_.size()); }
    bool helpShown() const { return !help_.isEmpty(); }
    bool flashShown() const { return flashOn_ && !flash_.isEmpty(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void tabletEvent(QTabletEvent* event) override;
    bool event(QEvent* event) override;

  private:
    ModelStrokes model_;
    ModelStrokes clean_;
    QPolygonF help_;
    QPolygonF flash_;
    bool flashOn_ = false;
    Stroke wrong_;
};
