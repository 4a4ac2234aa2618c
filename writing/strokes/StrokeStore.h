// SPDX-License-Identifier: GPL-3.0-or-later
// The stroke data of every character, read once from "Kakijun.dat", looked up by character.
#pragma once

#include "writing/strokes/CharStrokes.h"

#include <QHash>
#include <QList>
#include <QString>

class StrokeStore {
public:
    // False (and an empty store) when the file is missing or damaged.
    bool load(const QString& path);
    void set(const QList<CharStrokes>& chars);

    bool isEmpty() const { return chars_.isEmpty(); }
    int size() const { return int(chars_.size()); }
    // Null for a character without stroke data.
    const CharStrokes* find(char32_t ch) const;
    // The first character of text (a kanji as the tables keep it).
    const CharStrokes* find(const QString& text) const;
    const QList<CharStrokes>& all() const { return chars_; }

private:
    QList<CharStrokes> chars_;
    QHash<char32_t, int> index_;
};
