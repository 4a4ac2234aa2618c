// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/BitmapFile.h"

#include <QFile>
#include <cstdlib>

namespace {
quint32 le32(const QByteArray& b, int at)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}
quint16 le16(const QByteArray& b, int at)
{
    return static_cast<quint16>(static_cast<unsigned char>(b[at]) |
                                (static_cast<unsigned char>(b[at + 1]) << 8));
}

// Whether the pixel data the headers promise lies inside the file.
bool wholeFile(const QByteArray& b)
{
    if (b.size() < 26 || !b.startsWith("BM"))
        return false;
    const qint64 offBits = le32(b, 10);
    const quint32 infoSize = le32(b, 14);
    qint64 width = 0, height = 0, bpp = 0, compression = 0, imageSize = 0;
    if (infoSize == 12) {  // OS/2 core header
        width = le16(b, 18);
        height = le16(b, 20);
        bpp = le16(b, 24);
    } else {
        if (infoSize < 40 || b.size() < 54)
            return false;
        width = static_cast<qint32>(le32(b, 18));
        height = std::abs(static_cast<qint32>(le32(b, 22)));
        bpp = le16(b, 28);
        compression = le32(b, 30);
        imageSize = le32(b, 34);
    }
    if (width <= 0 || height <= 0 || bpp <= 0 || width > 16384 || height > 16384)
        return false;
    qint64 needed;
    if (compression == 0 || compression == 3) {
        needed = ((width * bpp + 31) / 32) * 4 * height;
    } else {
        needed = imageSize;  // run-length data: its stated size
        if (needed <= 0)
            return false;
    }
    return offBits >= 14 + infoSize && offBits + needed <= b.size();
}
}  // namespace

bool DecodeBitmap(const QByteArray& bytes, QImage& out)
{
    if (!wholeFile(bytes))
        return false;
    QImage img = QImage::fromData(bytes, "BMP");
    if (img.isNull())
        return false;
    out = img;
    return true;
}

bool LoadBitmapFile(const QString& path, QImage& out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > (64 << 20))
        return false;
    return DecodeBitmap(file.readAll(), out);
}
