// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/handwriting/ZinniaModel.h"

#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <QtEndian>

#include <cstring>

namespace {

constexpr qsizetype NameBytes = 16;
constexpr qsizetype NodeBytes = 8; // int index, float value

quint32 At32(const QByteArray& b, qsizetype i) {
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(b.constData()) + i);
}

void Put32(QByteArray& b, quint32 v) {
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}

} // namespace

bool ReduceZinniaModel(const QString& source, const QString& target, const QStringList& keep,
                       int* kept) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray b = in.readAll();
    if (b.size() < 12)
        return false;
    const quint32 id = At32(b, 0) ^ quint32(b.size());
    const quint32 version = At32(b, 4);
    const quint32 count = At32(b, 8);
    const QSet<QString> wanted(keep.begin(), keep.end());

    QByteArray body;
    quint32 written = 0;
    qsizetype p = 12;
    for (quint32 i = 0; i < count; ++i) {
        const qsizetype start = p;
        if (p + NameBytes + 4 > b.size())
            return false;
        const QString name =
            QString::fromUtf8(b.constData() + p, qstrnlen(b.constData() + p, NameBytes));
        p += NameBytes + 4;
        for (;;) {
            if (p + NodeBytes > b.size())
                return false;
            const bool last = qint32(At32(b, p)) == -1;
            p += NodeBytes;
            if (last)
                break;
        }
        if (wanted.contains(name)) {
            body.append(b.constData() + start, p - start);
            ++written;
        }
    }
    if (p != b.size())
        return false;
    QByteArray out;
    const quint32 size = quint32(12 + body.size());
    Put32(out, size ^ id);
    Put32(out, version);
    Put32(out, written);
    out += body;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit())
        return false;
    if (kept)
        *kept = int(written);
    return true;
}
