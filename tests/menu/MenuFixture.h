// SPDX-License-Identifier: GPL-3.0-or-later
// The program directory a main-menu test needs: kanji data, the seven animations, the ten card
// pictures and the menu music, all small and written by the test itself.
#pragma once

#include "platform/WmfWriter.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <QString>
#include <QtEndian>

namespace menufixture {
inline void put32(QByteArray& b, quint32 v) {
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}
inline void put16(QByteArray& b, quint16 v) {
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}
inline QByteArray chunk(const char* id, const QByteArray& data) {
    QByteArray b(id, 4);
    put32(b, static_cast<quint32>(data.size()));
    b += data;
    if (data.size() % 2)
        b.append('\0');
    return b;
}
inline QByteArray list(const char* type, const QByteArray& data) {
    return chunk("LIST", QByteArray(type, 4) + data);
}
} // namespace menufixture

// An uncompressed AVI of `frames` frames, each one colour.
inline QByteArray TinyAvi(QSize size, int frames, const QColor& color) {
    using namespace menufixture;
    const int w = size.width();
    const int h = size.height();
    const int stride = (w * 3 + 3) / 4 * 4;
    const int frameBytes = stride * h;

    QByteArray avih;
    put32(avih, 100000); // 10 frames a second
    put32(avih, static_cast<quint32>(frameBytes * 10));
    put32(avih, 0);
    put32(avih, 0x10); // has an index
    put32(avih, static_cast<quint32>(frames));
    put32(avih, 0);
    put32(avih, 1);
    put32(avih, static_cast<quint32>(frameBytes));
    put32(avih, static_cast<quint32>(w));
    put32(avih, static_cast<quint32>(h));
    for (int i = 0; i < 4; ++i)
        put32(avih, 0);

    QByteArray strh("vids", 4);
    strh += QByteArray("DIB ", 4);
    put32(strh, 0);
    put16(strh, 0);
    put16(strh, 0);
    put32(strh, 0);
    put32(strh, 1);  // scale
    put32(strh, 10); // rate
    put32(strh, 0);
    put32(strh, static_cast<quint32>(frames));
    put32(strh, static_cast<quint32>(frameBytes));
    put32(strh, 0xFFFFFFFF);
    put32(strh, 0);
    put16(strh, 0);
    put16(strh, 0);
    put16(strh, static_cast<quint16>(w));
    put16(strh, static_cast<quint16>(h));

    QByteArray strf;
    put32(strf, 40);
    put32(strf, static_cast<quint32>(w));
    put32(strf, static_cast<quint32>(h));
    put16(strf, 1);
    put16(strf, 24);
    put32(strf, 0);
    put32(strf, static_cast<quint32>(frameBytes));
    for (int i = 0; i < 4; ++i)
        put32(strf, 0);

    const QByteArray hdrl =
        list("hdrl", chunk("avih", avih) + list("strl", chunk("strh", strh) + chunk("strf", strf)));

    QByteArray pixels(frameBytes, '\0');
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            char* p = pixels.data() + y * stride + x * 3;
            p[0] = static_cast<char>(color.blue());
            p[1] = static_cast<char>(color.green());
            p[2] = static_cast<char>(color.red());
        }
    }
    QByteArray movi;
    QByteArray idx;
    for (int f = 0; f < frames; ++f) {
        idx += QByteArray("00db", 4);
        put32(idx, 0x10);
        put32(idx, static_cast<quint32>(4 + movi.size()));
        put32(idx, static_cast<quint32>(frameBytes));
        movi += chunk("00db", pixels);
    }
    const QByteArray body = QByteArray("AVI ", 4) + hdrl + list("movi", movi) + chunk("idx1", idx);
    return chunk("RIFF", body);
}

// A small metafile picture: a coloured disc on white.
inline QByteArray TinyWmf(const QColor& color) {
    WmfWriter wmf(QRect(0, 0, 100, 100));
    wmf.setNullPen();
    wmf.setBrush(color);
    wmf.ellipse(QRect(10, 10, 80, 80));
    return wmf.bytes();
}

// Writes everything the menu loads at start-up. skip: a file to leave out.
inline void WriteMenuFiles(const TestEnv& env, const QString& skip = {}) {
    WriteSampleKanjiData(env);
    for (int n = 1; n <= 7; ++n)
        env.writeFile(QStringLiteral("Game%1.AVI").arg(n),
                      TinyAvi(QSize(140, 110), 3, QColor::fromHsv(n * 40, 200, 230)));
    for (int n = 1; n <= 10; ++n)
        env.writeFile(QStringLiteral("Pop%1.wmf").arg(n),
                      TinyWmf(QColor::fromHsv(n * 30, 255, 200)));
    for (int n = 1; n <= 4; ++n)
        env.writeFile(QStringLiteral("Menu%1.mid").arg(n), QByteArray("MThd"));
    if (!skip.isEmpty())
        env.removeFile(skip);
}
