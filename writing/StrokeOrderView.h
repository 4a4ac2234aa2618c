// SPDX-License-Identifier: GPL-3.0-or-later
// A kanji drawn large with its numbered strokes (Debian's fonts-kanjistrokeorders), on a white
// square with a light cross to write along.
#pragma once

#include <QWidget>

class StrokeOrderView : public QWidget {
  public:
    explicit StrokeOrderView(QWidget* parent = nullptr);
    void setKanji(const QString& kanji);
    QString kanji() const { return kanji_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString kanji_;
};
