// SPDX-License-Identifier: GPL-3.0-or-later
// Every character the pad can offer: the kanji of "Kanji.dat" and the kana of names.
#pragma once

#include <QStringList>

// The kanji in kanji-number order; empty when "Kanji.dat" of the folder cannot be read.
QStringList KanjiOfProgramDir(const QString& programDir);
