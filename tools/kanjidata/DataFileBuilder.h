// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the kanji sources into the bytes of "Kanji.dat", "Mondai2.dat" and "Mondai1.dat".
#pragma once

#include "tools/kanjidata/KanjiSource.h"

#include <QByteArray>

struct KanjiDataFiles {
    QByteArray kanji;    // Kanji.dat: every listed kanji
    QByteArray index;    // Mondai2.dat: one entry per kanji up to lastWrittenKanji()
    QByteArray mondai;   // Mondai1.dat: the sentences of those kanji in number order
};

KanjiDataFiles BuildKanjiDataFiles(const KanjiSources& src);
// Writes the three files into dir; false with a reason on a write failure.
bool WriteKanjiDataFiles(const KanjiDataFiles& files, const QString& dir, QString& reason);
