// SPDX-License-Identifier: GPL-3.0-or-later
// The tooltip of a widget whose tooltip text is one of the program's own texts with kanji the
// reader has not learned: Qt's tooltips cannot show furigana, so this one paints them. It shows
// and hides as Qt's does: below the pointer, gone at a press, a key, leaving the widget, or after
// ten seconds.
#pragma once

#include "writing/RubyText.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

class RubyToolTip : public QWidget {
  public:
    // Shows `lines` for the widget `over`, near the pointer at `globalPos`.
    static void showFor(QWidget* over, QPoint globalPos, const QList<RubyLine>& lines);
    static void hideTip();
    // The tooltip on screen now, or null.
    static RubyToolTip* shownNow();
    QWidget* over() const { return over_; }
    // Its furigana by lines, "\n" between lines (tests).
    QString furigana() const;
    QTimer* hideTimer() { return &hideTimer_; } // tests run it out

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    RubyToolTip();
    void place(QPoint globalPos);
    QPointer<QWidget> over_;
    QList<RubyLine> lines_;
    QTimer hideTimer_;
};
