// SPDX-License-Identifier: GPL-3.0-or-later
// The writing test: numbered sentences with the kanji left as an empty box and its reading above
// it, 10 or 20 to a page, each page followed by its answers laid out the same way.
#pragma once

#include "aftergame/NoteDetail.h"

#include <QList>

class QPainter;

struct TestQuestion {
    int kanji = 0;
    NoteSentence sentence;
};

// One question for each kanji with a sentence, in order; when they do not fill a page, more
// sentences of the same kanji follow until it is full or none are left.
QList<TestQuestion> TestQuestions(const QList<int>& kanji, int perPage);
// Questions `first` .. first + perPage - 1 on one page; `answers` writes the kanji in the boxes.
void PaintTestPage(QPainter& p, const QList<TestQuestion>& questions, int first, int perPage,
                   bool answers);
