#include "AviWriter.h"

#include <QSaveFile>

namespace {

void put16(QByteArray& out, quint16 v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

void put32(QByteArray& out, quint32 v)
{
    put16(out, quint16(v & 0xFFFF));
    put16(out, quint16(v >> 16));
}

QByteArray chunk(const char* id, const QByteArray& data)
{
    QByteArray out(id, 4);
    put32(out, quint32(data.size()));
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

QByteArray AviWriter::encode(const std::vector<QImage>& frames, int fps)
{
    if (frames.empty() || fps <= 0)
        return {};
    const int w = frames.front().width(), h = frames.front().height();
    const int stride = (w * 3 + 3) & ~3;
    const quint32 frameBytes = quint32(stride * h);

    QByteArray avih;
    put32(avih, quint32(1000000 / fps));      // microseconds per frame
    put32(avih, frameBytes * quint32(fps));   // max bytes per second
    put32(avih, 0);                           // padding granularity
    put32(avih, 0x10);                        // has an index
    put32(avih, quint32(frames.size()));
    put32(avih, 0);                           // initial frames
    put32(avih, 1);                           // streams
    put32(avih, frameBytes);                  // suggested buffer size
    put32(avih, quint32(w));
    put32(avih, quint32(h));
    for (int i = 0; i < 4; ++i)
        put32(avih, 0);

    QByteArray strh("vids", 4);
    strh += QByteArray("DIB ", 4);
    put32(strh, 0);   // flags
    put16(strh, 0);   // priority
    put16(strh, 0);   // language
    put32(strh, 0);   // initial frames
    put32(strh, 1);   // scale
    put32(strh, quint32(fps));  // rate: rate / scale frames a second
    put32(strh, 0);   // start
    put32(strh, quint32(frames.size()));
    put32(strh, frameBytes);
    put32(strh, 0xFFFFFFFFu);  // quality: default
    put32(strh, 0);   // sample size
    put16(strh, 0);
    put16(strh, 0);
    put16(strh, quint16(w));
    put16(strh, quint16(h));

    QByteArray strf;  // BITMAPINFOHEADER
    put32(strf, 40);
    put32(strf, quint32(w));
    put32(strf, quint32(h));  // positive: rows stored bottom-up
    put16(strf, 1);
    put16(strf, 24);
    put32(strf, 0);  // BI_RGB
    put32(strf, frameBytes);
    put32(strf, 2835);
    put32(strf, 2835);
    put32(strf, 0);
    put32(strf, 0);

    const QByteArray hdrl = list("hdrl", chunk("avih", avih) + list("strl", chunk("strh", strh) + chunk("strf", strf)));

    QByteArray movi;
    QByteArray idx;
    for (const QImage& frame : frames) {
        if (frame.size() != QSize(w, h))
            return {};
        const QImage rgb = frame.convertToFormat(QImage::Format_RGB888);
        QByteArray pixels(int(frameBytes), '\0');
        for (int y = 0; y < h; ++y) {
            const uchar* src = rgb.constScanLine(h - 1 - y);
            char* dst = pixels.data() + y * stride;
            for (int x = 0; x < w; ++x) {
                dst[3 * x] = char(src[3 * x + 2]);  // DIB order: blue, green, red
                dst[3 * x + 1] = char(src[3 * x + 1]);
                dst[3 * x + 2] = char(src[3 * x]);
            }
        }
        // Index offsets count from the "movi" type word.
        idx += QByteArray("00db", 4);
        put32(idx, 0x10);  // key frame
        put32(idx, quint32(4 + movi.size()));
        put32(idx, frameBytes);
        movi += chunk("00db", pixels);
    }
    QByteArray body("AVI ", 4);
    body += hdrl;
    body += list("movi", movi);
    body += chunk("idx1", idx);
    return chunk("RIFF", body);
}

bool AviWriter::save(const QString& path, const std::vector<QImage>& frames, int fps)
{
    const QByteArray bytes = encode(frames, fps);
    if (bytes.isEmpty())
        return false;
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(bytes);
    return f.commit();
}
