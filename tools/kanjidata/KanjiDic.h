// SPDX-License-Identifier: GPL-3.0-or-later
// The facts the checks compare against, from kanjidic (one kanji a line).
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

struct KanjiDicEntry {
    int grade = 0;    // G field, 0 when absent
    int strokes = 0;  // first S field
    int freq = 0;     // F field, 0 when absent
    QStringList on;   // katakana as listed
    QStringList kun;  // hiragana as listed, with "." and "-" marks
    QStringList nanori;  // readings used in names (after T1)
};

inline const QString DefaultKanjiDicPath = QStringLiteral("/usr/share/edict/kanjidic");

// False with a reason when the file cannot be read or decoded.
bool ReadKanjiDic(const QString& path, QHash<QString, KanjiDicEntry>& out, QString& reason);
// Decodes EUC-JP bytes; false when they are not valid EUC-JP.
bool DecodeEucJp(const QByteArray& bytes, QString& out);
// A dictionary file as Debian ships it (EUC-JP) or as pinned in the repository (UTF-8).
bool DecodeDictionaryText(const QByteArray& bytes, QString& out);
// One kanjidic line; false for comments and malformed lines.
bool ParseKanjiDicLine(const QString& line, QString& kanji, KanjiDicEntry& entry);
