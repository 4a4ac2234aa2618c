// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/handwriting/ZinniaModelCheck.h"

#include <QList>
#include <QString>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {
// The model's layout (zinnia 0.06, little-endian): a word that is 0xef71821 xor the file's size,
// the version (1), the number of characters; then per character its name in 16 bytes (UTF-8,
// ended by a zero byte), a float bias, and feature nodes (int index, float value) ended by a
// node whose index is -1. The last list ends exactly at the end of the file.
constexpr quint32 SizeKey = 0xef71821u;
constexpr quint32 Version = 1;
constexpr qsizetype NameSize = 16;
constexpr qsizetype NodeSize = 8;

quint32 word(const char* p) {
    return qFromLittleEndian<quint32>(p);
}
float real(const char* p) {
    float f;
    std::memcpy(&f, p, sizeof f);  // the file is little-endian, as every machine we run on
    return f;
}

// A name zinnia hands back as a C string: ended inside its 16 bytes, one printable character.
bool goodName(const char* p) {
    const void* end = std::memchr(p, 0, NameSize);
    if (!end || end == p)
        return false;
    const qsizetype len = static_cast<const char*>(end) - p;
    const QString name = QString::fromUtf8(p, len);
    if (name.toUtf8() != QByteArray(p, len))
        return false;  // not UTF-8
    const QList<uint> chars = name.toUcs4();
    return chars.size() == 1 && QChar::isPrint(chars.first());
}
} // namespace

bool CheckZinniaModel(const QByteArray& bytes) {
    const qsizetype size = bytes.size();
    if (size < 12 || quint64(size) > 0xffffffffu)
        return false;
    const char* p = bytes.constData();
    if ((word(p) ^ SizeKey) != quint32(size) || word(p + 4) != Version)
        return false;
    const quint32 count = word(p + 8);
    qsizetype at = 12;
    for (quint32 i = 0; i < count; ++i) {
        if (size - at < NameSize + 4 + NodeSize || !goodName(p + at))
            return false;
        at += NameSize;
        if (!std::isfinite(real(p + at)))
            return false;
        at += 4;
        for (;;) {
            if (size - at < NodeSize)
                return false;  // the list runs past the end of the file
            const qint32 index = qint32(word(p + at));
            const float value = real(p + at + 4);
            at += NodeSize;
            if (index == -1)
                break;
            if (index < 0 || !std::isfinite(value))
                return false;
        }
    }
    return at == size;
}
