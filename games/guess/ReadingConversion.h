// SPDX-License-Identifier: GPL-3.0-or-later
// Kanji for a hiragana reading, so a child without a Japanese input method can still write the
// answer kanji: the readings are the reading parts of the example sentences. The candidates
// never depend on the question; the player's own school years come first, then the rest, each
// group by kanji number.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class QLineEdit;

class ReadingConversion {
public:
    // Kanji k can be read `reading` (hiragana, as the sentence file writes it).
    void add(int kanji, const QString& reading);
    // Every sentence of "Mondai1.dat", read once through Mondai_Idx, and the dictionary forms of
    // those readings (below). A file that cannot be read gives an empty table: the answer can
    // then still be written with the candidate picker.
    static ReadingConversion FromSentenceFile();
    // Verbs and adjectives are looked up by their dictionary form (うつ for 打つ) while the
    // sentences ask only the kanji's own part (う): each kun reading with okurigana of the
    // built-in list ("打 う.つ") whose kanji part a sentence asks is added whole.
    void addDictionaryForms(const QString& okuriganaList);
    static QString BuiltInOkuriganaList();

    // Kanji numbers read `reading`: those of school years 1 to `gakunen` first, then the rest,
    // each group in kanji-number order.
    QVector<int> candidates(const QString& reading, int gakunen) const;
    // The same as kanji texts (kanji the table has no character for are left out).
    QStringList candidateTexts(const QString& reading, int gakunen) const;

    int readingCount() const { return static_cast<int>(byReading_.size()); }

private:
    QHash<QString, QVector<int>> byReading_;  // ascending, no repeats
};

// The answer box's candidate source: the table is built on the first conversion and kept as long
// as the returned function; the player's school year is read at each conversion.
std::function<QStringList(const QString&)> AnswerCandidates();

// Gives the answer box its reading-to-kanji conversion with the candidates above.
void AttachAnswerConversion(QLineEdit* edit);
