// SPDX-License-Identifier: GPL-3.0-or-later
// The writing pads of the program's windows and the one recogniser they share, opened from the
// program directory the first time any pad opens (nothing is loaded before).
#pragma once

#include "writing/handwriting/HandwritingPad.h"

#include <QPointer>
#include <QString>
#include <QStringList>

class HandwritingRecognizer;
class QLineEdit;
class QWidget;

enum class PadFor {
    Kanji,    // the kanji of "Kanji.dat"; one character replaces the field's text
    Hiragana, // appended at the cursor
    Name,     // hiragana and katakana, appended at the cursor
};

// Null when "Tegaki.dat" cannot be read or "Tegaki.model" is damaged; *failedFile then names
// the file.
const HandwritingRecognizer* SharedRecognizer(QString* failedFile = nullptr);
QStringList PadKanji(); // every kanji of Kanji_Tbl, in kanji-number order

// Shows the host's pad for the field, making it when none is open (a pad deletes itself when it
// closes); a missing "Tegaki.dat" is reported with the file error message and no pad opens.
// The pad leaves `answered` (what the child answers, in the host's coordinates) in sight.
// Returns the pad or null.
HandwritingPad* OpenHandwritingPad(QWidget* host, QPointer<HandwritingPad>& pad, PadFor kind,
                                   QLineEdit* target, const QString& caption,
                                   const QRect& answered = {});
// A widget's rectangle in the coordinates of `window`, one of its ancestors.
QRect RectIn(const QWidget* window, const QWidget* w);
