// SPDX-License-Identifier: GPL-3.0-or-later
#include "AviWriter.h"

#include "Bytes.h"

#include <QBuffer>
#include <QSaveFile>

#include <algorithm>

namespace {

QByteArray chunk(const char* id, const QByteArray& data)
{
    QByteArray out(id, 4);
    Bytes::put32(out, quint32(data.size()));
    out += data;
    if (data.size() % 2)
        out.append('\0');
    return out;
}

QByteArray list(const char* type, const QByteArray& data)
{
    QByteArray body(type, 4);
    body += data;
    return chunk("LIST", body);
}

}  // namespace

namespace {

// One frame as the stream stores it: bottom-up BGR rows, or a PNG file.
QByteArray frameData(const QImage& frame, AviWriter::Coding coding, int stride)
{
    const int w = frame.width(), h = frame.height();
    const QImage rgb = frame.convertToFormat(QImage::Format_RGB888);
    if (coding == AviWriter::Coding::Png) {
        QByteArray png;
        QBuffer out(&png);
        out.open(QIODevice::WriteOnly);
        QImage plain = rgb;
        plain.setDevicePixelRatio(1);
        plain.save(&out, "PNG");
        return png;
    }
    QByteArray pixels(stride * h, '\0');
    for (int y = 0; y < h; ++y) {
        const uchar* src = rgb.constScanLine(h - 1 - y);
        char* dst = pixels.data() + y * stride;
        for (int x = 0; x < w; ++x) {
            dst[3 * x] = char(src[3 * x + 2]);  // DIB order: blue, green, red
            dst[3 * x + 1] = char(src[3 * x + 1]);
            dst[3 * x + 2] = char(src[3 * x]);
        }
    }
    return pixels;
}

}  // namespace

QByteArray AviWriter::encode(const std::vector<QImage>& frames, int fps, Coding coding)
{
    if (frames.empty() || fps <= 0)
        return {};
    const int w = frames.front().width(), h = frames.front().height();
    const int stride = (w * 3 + 3) & ~3;
    std::vector<QByteArray> data;
    quint32 frameBytes = coding == Coding::Raw ? quint32(stride * h) : 0;
    for (const QImage& frame : frames) {
        if (frame.size() != QSize(w, h))
            return {};
        data.push_back(frameData(frame, coding, stride));
        if (data.back().isEmpty())
            return {};
        frameBytes = std::max(frameBytes, quint32(data.back().size()));
    }
    const bool png = coding == Coding::Png;

    QByteArray avih;
    Bytes::put32(avih, quint32(1000000 / fps));      // microseconds per frame
    Bytes::put32(avih, frameBytes * quint32(fps));   // max bytes per second
    Bytes::put32(avih, 0);                           // padding granularity
    Bytes::put32(avih, 0x10);                        // has an index
    Bytes::put32(avih, quint32(frames.size()));
    Bytes::put32(avih, 0);                           // initial frames
    Bytes::put32(avih, 1);                           // streams
    Bytes::put32(avih, frameBytes);                  // suggested buffer size
    Bytes::put32(avih, quint32(w));
    Bytes::put32(avih, quint32(h));
    for (int i = 0; i < 4; ++i)
        Bytes::put32(avih, 0);

    QByteArray strh("vids", 4);
    strh += QByteArray(png ? "MPNG" : "DIB ", 4);
    Bytes::put32(strh, 0);   // flags
    Bytes::put16(strh, 0);   // priority
    Bytes::put16(strh, 0);   // language
    Bytes::put32(strh, 0);   // initial frames
    Bytes::put32(strh, 1);   // scale
    Bytes::put32(strh, quint32(fps));  // rate: rate / scale frames a second
    Bytes::put32(strh, 0);   // start
    Bytes::put32(strh, quint32(frames.size()));
    Bytes::put32(strh, frameBytes);
    Bytes::put32(strh, 0xFFFFFFFFu);  // quality: default
    Bytes::put32(strh, 0);   // sample size
    Bytes::put16(strh, 0);
    Bytes::put16(strh, 0);
    Bytes::put16(strh, quint16(w));
    Bytes::put16(strh, quint16(h));

    QByteArray strf;  // BITMAPINFOHEADER
    Bytes::put32(strf, 40);
    Bytes::put32(strf, quint32(w));
    Bytes::put32(strf, quint32(h));  // positive: rows stored bottom-up
    Bytes::put16(strf, 1);
    Bytes::put16(strf, 24);
    if (png)
        strf += QByteArray("MPNG", 4);
    else
        Bytes::put32(strf, 0);  // BI_RGB
    Bytes::put32(strf, frameBytes);
    Bytes::put32(strf, 2835);
    Bytes::put32(strf, 2835);
    Bytes::put32(strf, 0);
    Bytes::put32(strf, 0);

    const QByteArray hdrl = list("hdrl", chunk("avih", avih) + list("strl", chunk("strh", strh) + chunk("strf", strf)));

    QByteArray movi;
    QByteArray idx;
    const char* const id = png ? "00dc" : "00db";
    for (const QByteArray& frame : data) {
        // Index offsets count from the "movi" type word.
        idx += QByteArray(id, 4);
        Bytes::put32(idx, 0x10);  // key frame
        Bytes::put32(idx, quint32(4 + movi.size()));
        Bytes::put32(idx, quint32(frame.size()));
        movi += chunk(id, frame);
    }
    QByteArray body("AVI ", 4);
    body += hdrl;
    body += list("movi", movi);
    body += chunk("idx1", idx);
    return chunk("RIFF", body);
}

bool AviWriter::save(const QString& path, const std::vector<QImage>& frames, int fps, Coding coding)
{
    const QByteArray bytes = encode(frames, fps, coding);
    if (bytes.isEmpty())
        return false;
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(bytes);
    return f.commit();
}
