// SPDX-License-Identifier: GPL-3.0-or-later
// Which hiragana readings a kanji may take in a sentence: its dictionary readings with the
// okurigana dropped, plus the sound changes of compounds (voicing, and a small っ in place of a
// final く, つ, ち or き). A kun reading also counts with its okurigana taken into the kanji, as
// in nouns made from verbs (字引 じびき, 切手 きって).
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

QString ToHiragana(const QString& text);  // katakana become hiragana, the rest stays
bool IsHiraganaOnly(const QString& text);
bool IsKanjiChar(QChar c);                 // a CJK ideograph (not 々)
// The forms one dictionary reading allows ("たか.い" gives たか, だか, たかい, ...; "ガク" gives
// がく, がっ).
QSet<QString> ReadingForms(const QString& dictionaryReading);
QSet<QString> AllReadingForms(const QStringList& dictionaryReadings);

// Whether a word's reading splits so that the character at `at` reads `reading` and every other
// character one of its own forms (kana read as themselves, 々 as the kanji before it).
bool WordReadingAgrees(const QString& surface, int at, const QString& reading, const QString& wordReading,
                       const std::function<QSet<QString>(QChar)>& formsOf);
// Every reading the character at `at` takes when the word's reading is split so that each other
// character reads one of its own forms (empty when no split exists); with ownFormsOnly, only
// readings that are forms of that character too.
QSet<QString> ReadingsAt(const QString& surface, int at, const QString& wordReading,
                         const std::function<QSet<QString>(QChar)>& formsOf, bool ownFormsOnly);
