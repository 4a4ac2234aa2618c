// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/handwriting/TemplateFile.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr char Magic[4] = {'M', 'J', 'T', 'G'};
constexpr quint32 Version = 1;
constexpr float Quantum = 400.0f; // unit vectors: no element comes near 255 / 400
constexpr int HeaderSize = 16;
constexpr int EntrySize = 4 + FeatureSize;

void put32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

} // namespace

bool WriteTemplateFile(const QString& path, const QVector<GlyphTemplate>& templates) {
    QByteArray out;
    out.append(Magic, 4);
    put32(out, Version);
    put32(out, FeatureSize);
    put32(out, quint32(templates.size()));
    for (const GlyphTemplate& t : templates) {
        put32(out, quint32(t.character));
        for (float v : t.features)
            out.append(char(quint8(std::clamp(std::lround(v * Quantum), 0L, 255L))));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size())
        return false;
    return file.commit();
}

bool ReadTemplateFile(const QString& path, QVector<GlyphTemplate>* templates) {
    templates->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray in = file.readAll();
    if (in.size() < HeaderSize || std::memcmp(in.constData(), Magic, 4) != 0)
        return false;
    const auto* p = reinterpret_cast<const uchar*>(in.constData());
    const quint32 count = qFromLittleEndian<quint32>(p + 12);
    if (qFromLittleEndian<quint32>(p + 4) != Version ||
        qFromLittleEndian<quint32>(p + 8) != FeatureSize ||
        quint64(in.size()) != HeaderSize + quint64(count) * EntrySize)
        return false;
    templates->resize(qsizetype(count));
    p += HeaderSize;
    for (GlyphTemplate& t : *templates) {
        t.character = qFromLittleEndian<quint32>(p);
        p += 4;
        double sum = 0;
        for (float& v : t.features) {
            v = *p++ / Quantum;
            sum += double(v) * v;
        }
        // Rounding leaves the length a hair off one; the matcher compares unit vectors.
        if (sum > 0)
            for (float& v : t.features)
                v = float(v / std::sqrt(sum));
    }
    return true;
}
