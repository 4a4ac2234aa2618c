// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/strokes/StrokeStore.h"

#include "writing/strokes/KakijunFile.h"

bool StrokeStore::load(const QString& path) {
    QList<CharStrokes> read;
    const bool ok = ReadKakijunFile(path, &read);
    set(read);
    return ok;
}

void StrokeStore::set(const QList<CharStrokes>& chars) {
    chars_ = chars;
    index_.clear();
    for (int i = 0; i < chars_.size(); ++i)
        index_.insert(chars_[i].ch, i);
}

const CharStrokes* StrokeStore::find(char32_t ch) const {
    const auto it = index_.constFind(ch);
    return it == index_.constEnd() ? nullptr : &chars_[*it];
}

const CharStrokes* StrokeStore::find(const QString& text) const {
    const QList<uint> ucs = text.toUcs4();
    return ucs.isEmpty() ? nullptr : find(char32_t(ucs.first()));
}
