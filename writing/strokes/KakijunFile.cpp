// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/strokes/KakijunFile.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr char Magic[4] = {'M', 'J', 'K', 'J'};
constexpr quint32 Version = 1;
constexpr double Unit = 100.0; // hundredths of the box
constexpr int MaxStrokes = 64;

quint32 fnv1a(const char* data, qsizetype size) {
    quint32 h = 2166136261u;
    for (qsizetype i = 0; i < size; ++i) {
        h ^= quint8(data[i]);
        h *= 16777619u;
    }
    return h;
}

template <typename T> void put(QByteArray& out, T v) {
    char b[sizeof(T)];
    qToLittleEndian(v, b);
    out.append(b, sizeof(T));
}

qint16 coord(double v) {
    return qint16(std::lround(std::clamp(v * Unit, -32000.0, 32000.0)));
}

// Reads forward through the bytes; any read past the end marks the reader failed.
class Reader {
public:
    Reader(const QByteArray& bytes, qsizetype end) : p_(bytes.constData()), end_(end) {}
    template <typename T> T get() {
        if (failed_ || end_ - pos_ < qsizetype(sizeof(T))) {
            failed_ = true;
            return T{};
        }
        const T v = qFromLittleEndian<T>(p_ + pos_);
        pos_ += qsizetype(sizeof(T));
        return v;
    }
    bool failed() const { return failed_; }
    bool atEnd() const { return pos_ == end_; }

private:
    const char* p_;
    qsizetype end_;
    qsizetype pos_ = 4;
    bool failed_ = false;
};

bool isOrder(const QList<int>& order, int count) {
    if (order.size() != count)
        return false;
    QList<bool> seen(count, false);
    for (int i : order) {
        if (i < 0 || i >= count || seen[i])
            return false;
        seen[i] = true;
    }
    return true;
}

} // namespace

QByteArray EncodeKakijun(const QList<CharStrokes>& unsorted) {
    QList<CharStrokes> chars = unsorted;
    std::sort(chars.begin(), chars.end(),
              [](const CharStrokes& a, const CharStrokes& b) { return a.ch < b.ch; });
    QByteArray out;
    out.append(Magic, 4);
    put<quint32>(out, Version);
    put<quint32>(out, quint32(chars.size()));
    for (const CharStrokes& c : chars) {
        put<quint32>(out, quint32(c.ch));
        put<quint8>(out, quint8(c.count()));
        put<quint8>(out, quint8(c.otherOrders.size()));
        for (const QList<int>& order : c.otherOrders)
            for (int i : order)
                put<quint8>(out, quint8(i));
        for (const StrokePath& s : c.strokes) {
            put<quint16>(out, quint16(s.size()));
            for (const QPointF& p : s) {
                put<qint16>(out, coord(p.x()));
                put<qint16>(out, coord(p.y()));
            }
        }
    }
    put<quint32>(out, fnv1a(out.constData(), out.size()));
    return out;
}

bool DecodeKakijun(const QByteArray& bytes, QList<CharStrokes>* chars) {
    chars->clear();
    if (bytes.size() < 16 || std::memcmp(bytes.constData(), Magic, 4) != 0)
        return false;
    const qsizetype body = bytes.size() - 4;
    if (qFromLittleEndian<quint32>(bytes.constData() + body) != fnv1a(bytes.constData(), body))
        return false;
    Reader in(bytes, body);
    if (in.get<quint32>() != Version)
        return false;
    const quint32 count = in.get<quint32>();
    // Each character takes at least six bytes: a count past that is damage, not a big file.
    if (count > quint32(body / 6))
        return false;
    QList<CharStrokes> read;
    read.reserve(qsizetype(count));
    for (quint32 n = 0; n < count && !in.failed(); ++n) {
        CharStrokes c;
        c.ch = char32_t(in.get<quint32>());
        const int strokes = in.get<quint8>();
        const int orders = in.get<quint8>();
        if (strokes == 0 || strokes > MaxStrokes || c.ch > 0x10FFFF ||
            (!read.isEmpty() && c.ch <= read.last().ch))
            return false;
        for (int r = 0; r < orders; ++r) {
            QList<int> order;
            for (int i = 0; i < strokes; ++i)
                order << in.get<quint8>();
            if (!isOrder(order, strokes))
                return false;
            c.otherOrders << order;
        }
        for (int i = 0; i < strokes && !in.failed(); ++i) {
            const int points = in.get<quint16>();
            if (points == 0)
                return false;
            StrokePath s;
            s.reserve(points);
            for (int k = 0; k < points && !in.failed(); ++k) {
                const double x = in.get<qint16>() / Unit;
                const double y = in.get<qint16>() / Unit;
                s << QPointF(x, y);
            }
            c.strokes << s;
        }
        read << c;
    }
    if (in.failed() || !in.atEnd())
        return false;
    *chars = read;
    return true;
}

bool WriteKakijunFile(const QString& path, const QList<CharStrokes>& chars) {
    const QByteArray out = EncodeKakijun(chars);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size())
        return false;
    return file.commit();
}

bool ReadKakijunFile(const QString& path, QList<CharStrokes>* chars) {
    chars->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return DecodeKakijun(file.readAll(), chars);
}
