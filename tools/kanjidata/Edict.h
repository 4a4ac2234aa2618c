// SPDX-License-Identifier: GPL-3.0-or-later
// The words and readings of edict (EUC-JP as Debian ships it, UTF-8 as pinned; "word [reading] /senses/" a line), as far as
// the reading checks need them: every reading a written word may take and its tags.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

struct EdictReading {
    QString kana;     // hiragana
    QStringList tags; // every "(...)" tag of the senses: n, suf, ctr, arch, ok, P, ...
    // Only a suffix, prefix or counter: it cannot be what a word standing alone means.
    bool affixOnly() const;
};

using Edict = QHash<QString, QVector<EdictReading>>;

inline const QString DefaultEdictPath = QStringLiteral("/usr/share/edict/edict");

// Reads the written words that hold a kanji; false with a reason when the file cannot be read.
bool ReadEdict(const QString& path, Edict& out, QString& reason);
// One edict line; false for lines without a written word and reading (kana-only words too).
bool ParseEdictLine(const QString& line, QString& word, EdictReading& reading);
