// SPDX-License-Identifier: GPL-3.0-or-later
// The notebook's words about one kanji: its sentences with the kanji written in, its readings,
// and a line for each recent answer.
#pragma once

#include "data/KanjiHistory.h"

#include <QList>
#include <QString>

struct NoteSentence {
    QString before;  // the sentence before the kanji
    QString reading; // how the kanji reads here
    QString after;   // the sentence after it
};

// The kanji's sentences in file order; empty when it has none or "Mondai1.dat" cannot be read.
QList<NoteSentence> NoteSentencesOf(int kanji);
// Its readings, each once, in sentence order, joined by "、".
QString NoteReadings(const QList<NoteSentence>& sentences);
// "12/09 14:05 かんじ当て よみ ○"
QString NoteAnswerLine(const HistoryAnswer& answer);
