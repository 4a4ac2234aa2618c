// SPDX-License-Identifier: GPL-3.0-or-later
// A block of text with furigana over the kanji the reader has not learned, broken into lines
// between phrases only. Used where the program sets a whole text itself (message boxes, answers).
#pragma once

#include "writing/RubyText.h"

#include <QWidget>

class RubyTextView : public QWidget {
  public:
    explicit RubyTextView(QWidget* parent = nullptr);
    // An own text takes its readings from the table; any other text shows as it is.
    void setText(const QString& text);
    void setRubyText(const RubyText& text);
    QString text() const { return PlainText(text_); }
    void setMaxTextWidth(int width);
    void setTextColor(const QColor& color) {
        color_ = color;
        update();
    }
    void setRubyColor(const QColor& color) {
        rubyColor_ = color;
        update();
    }
    void setAlignment(Qt::Alignment align) {
        align_ = align;
        update();
    }
    // The lines as laid out now (tests: no word cut in the middle).
    QStringList lineTexts() const;
    QStringList lineFurigana() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QList<RubyLine> lines() const;
    int lineHeight() const;

    RubyText text_;
    int maxWidth_ = 520;
    QColor color_ = Qt::black;
    QColor rubyColor_;
    Qt::Alignment align_ = Qt::AlignLeft;
};
