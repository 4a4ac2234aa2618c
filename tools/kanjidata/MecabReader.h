// SPDX-License-Identifier: GPL-3.0-or-later
// Words and their readings from MeCab with the IPA dictionary.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

struct MecabWord {
    QString surface;
    QString reading;  // hiragana; the surface itself where the dictionary has no reading
    QString base;     // dictionary form (高かっ: 高い); the surface where there is none
    QString partOfSpeech;  // the first two feature fields, "名詞,接尾"
};

// The words of each input line (same order); false with a reason when MeCab cannot run.
bool MecabWords(const QStringList& sentences, QVector<QVector<MecabWord>>& words, QString& reason);
// One line of MeCab's default output ("surface<TAB>features"); false for other lines.
bool ParseMecabLine(const QString& line, MecabWord& word);
