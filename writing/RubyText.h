// SPDX-License-Identifier: GPL-3.0-or-later
// Furigana for the program's own texts. Every own text is one line of the reviewed table
// data/texts/furigana.txt, built into the program; a kanji run carries its reading in 《》:
// "名前《な|まえ》の登録《とう|ろく》" gives each kanji its own reading, "今日《きょう》" one for
// the whole run. "%1" stands for a value filled in at run time (a number, or another own text).
// Which kanji show their reading is decided by a rule the program installs (the player's year).
#pragma once

#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPainter;

struct RubySegment {
    QString base;         // a kanji run, or plain text
    QStringList readings; // empty: plain text; one per kanji; or one for the whole run
};
using RubyText = QList<RubySegment>;

bool IsKanji(QChar c); // an ideograph of the program's texts, 々 included

// One table line; false with a reason for markup that does not parse.
bool ParseRubyMarkup(const QString& markup, RubyText& out, QString* error = nullptr);
QString PlainText(const RubyText& text);

// The built-in table: every own text with its readings.
struct OwnTextEntry {
    int line = 0;
    QString markup;
    RubyText ruby;
};
const QList<OwnTextEntry>& OwnTextTable();
QList<OwnTextEntry> ParseOwnTextTable(const QString& fileText, QStringList* errors = nullptr);
// The readings of a text as shown, when it is one of the program's own (placeholders filled).
std::optional<RubyText> FindOwnText(const QString& shown);

// Whether the current reader has learned a kanji; until a rule is installed, none is learned.
void SetKanjiLearnedRule(std::function<bool(QChar)> learned);
bool KanjiNeedsReading(QChar kanji);

// A piece of a text as painted: its base text, with furigana when ruby is not empty.
struct RubyUnit {
    QString base;
    QString ruby;
};
using RubyLine = QList<RubyUnit>;
// The units by the current rule: unlearned kanji of a run that follow one another share one
// furigana; a whole-run reading shows over the whole run when any of its kanji is unlearned.
RubyLine RubyUnits(const RubyText& text);
bool HasRuby(const RubyLine& line);
// What lines show above their text, "\n" between lines (tests and screenshots).
QString RubyShown(const QList<RubyLine>& lines);
QList<RubyLine> SplitLines(const RubyLine& units); // at "\n"
// The furigana of an own text as shown now; empty when it has none or is not an own text.
QList<RubyLine> FuriganaLines(const QString& shown);

QFont RubyFont(const QFont& base);
int RubyHeight(const QFont& base); // the room furigana need above a line of base text
int LineWidth(const RubyLine& line, const QFont& base);

// Paints one line whose base text box starts at topLeft (as QPainter::drawText would place it);
// the furigana go above that box. paintBase false paints only the furigana.
void PaintRubyLine(QPainter& p, QPointF topLeft, const QFont& base, const RubyLine& line,
                   bool paintBase, const QColor& rubyColor);

// Where the furigana of that line are painted (tests check they overlap nothing).
QList<QRectF> RubyInk(QPointF topLeft, const QFont& base, const RubyLine& line);

// Breaks a text into lines no wider than maxWidth, at phrase boundaries only: after punctuation
// and blanks first, then where kana give way to a new word; never inside a kanji run or a word
// with furigana. "\n" always breaks.
QList<RubyLine> BreakRubyLines(const RubyLine& units, const QFont& base, int maxWidth);
