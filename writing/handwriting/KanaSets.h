// SPDX-License-Identifier: GPL-3.0-or-later
// The kana the pad can offer. Small kana look like their large ones written smaller, and the
// pad cannot tell sizes apart once it has scaled the ink, so they are offered beside their
// large form instead of being recognised on their own.
#pragma once

#include <QString>
#include <QStringList>

namespace KanaSets {
QStringList hiragana();                   // the 71 of the table without the small ones
QStringList katakana();                   // the same sounds, plus the long-vowel mark
QString smallFormOf(const QString& kana); // empty when there is none
// Each kana of the list followed by its small form, at most n in all.
QStringList withSmallForms(const QStringList& ranked, int n);
} // namespace KanaSets
