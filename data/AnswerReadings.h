// SPDX-License-Identifier: GPL-3.0-or-later
// The readings the answers after the quiz (and kanjiprint) list under the sentences: every
// school reading of the kanji with the numbers of the sentences that ask it; for a kanji the
// readings table does not hold (years 5 and 6), the readings its sentences ask.
#pragma once

#include "data/KanjiReadings.h"

#include <QList>
#include <QString>
#include <QVector>

struct AnswerReading {
    QString shown;        // "モク", "あ(がる)"
    QList<int> sentences; // numbers (from 1) of the sentences that ask it
};

struct AskedReading {
    QString reading; // the sentence's expected reading
    QString after;   // the sentence's text after the kanji
};

QVector<AnswerReading> AnswerReadings(const QVector<KanjiReading>& table, const QList<AskedReading>& asked);
// One line for the screen: "うえ①③　あ(がる)②　かみ".
QString AnswerReadingsText(const QVector<AnswerReading>& readings);
