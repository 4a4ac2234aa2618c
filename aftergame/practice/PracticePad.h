// The square the child writes the kanji on: the writing pad's own surface (mouse, finger and pen
// alike), showing under the ink the grey model when tracing, every stroke already accepted in
// clean ink, a stroke shown for tracing, and the flashing start of the stroke that was expected.
#pragma once

#include "aftergame/practice/ModelStrokes.h"
#include "writing/handwriting/WritingSurface.h"

class PracticePad : public WritingSurface {
    Q_OBJECT
  public:
    explicit PracticePad(QWidget* parent = nullptr);

    void setStrokes(const ModelStrokes& strokes, bool showModel);
    // Starts the kanji again: no stroke down, nothing shown.
    void restart();
    void setWritten(int stroke, bool written);
    bool isWritten(int stroke) const;
    void setHelpStroke(int stroke); // -1: none
    void setFlash(int stroke, bool on); // the expected stroke's start and direction
    void setWrongInk(const Stroke& ink); // the child's last wrong stroke, until the pen comes down
    int helpStroke() const { return help_; }
    int flashStroke() const { return flashOn_ ? flash_ : -1; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void tabletEvent(QTabletEvent* event) override;
    bool event(QEvent* event) override;

  private:
    ModelStrokes strokes_;
    QList<bool> written_;
    bool showModel_ = false;
    int help_ = -1;
    int flash_ = -1;
    bool flashOn_ = false;
    Stroke wrong_;
};
