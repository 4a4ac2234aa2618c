// SPDX-License-Identifier: GPL-3.0-or-later
// One of the kanji's sentences with the kanji left as an empty square and its reading above the
// square, broken into lines to fit: what the child writes from memory.
#pragma once

#include "aftergame/NoteDetail.h"

#include <QStringList>
#include <QWidget>

class SentenceBox : public QWidget {
  public:
    explicit SentenceBox(QWidget* parent = nullptr);
    void setSentence(const NoteSentence& sentence);
    const NoteSentence& sentence() const { return sentence_; }
    // Where the empty square stands (tests, and the screenshot check).
    QRect boxRect() const;
    // The sentence as it is broken into lines, the square as "□".
    QStringList lines() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Piece {
        QString text; // one character; empty for the square
        QRect at;
    };
    QList<Piece> layout() const;
    NoteSentence sentence_;
};
