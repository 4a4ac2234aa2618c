// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include "platform/PictureMasters.h"

#include <QDir>
#include <QSaveFile>

namespace {

bool saveBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
}

}  // namespace

QStringList Pictures::writeAll(const QString& dir)
{
    QStringList written;
    QList<std::pair<QString, QByteArray>> metafiles;
    for (int n = 1; n <= 10; ++n)
        metafiles.append({QStringLiteral("Pop%1.wmf").arg(n), popMetafile(n)});
    metafiles.append({QStringLiteral("Bang.wmf"), bangMetafile(0)});
    metafiles.append({QStringLiteral("Bang1.wmf"), bangMetafile(1)});
    metafiles.append({QStringLiteral("Bang2.wmf"), bangMetafile(2)});
    for (const auto& [name, bytes] : metafiles) {
        if (!saveBytes(QDir(dir).filePath(name), bytes))
            return {};
        written << name;
    }
    const std::pair<const char*, QImage> bitmaps[] = {
        {"Tama.bmp", tamaBitmap()}, {"Bang.bmp", bangBitmap()}, {"Mogura.bmp", moguraBitmap()},
        {"Atari.bmp", atariBitmap()}, {"STARS2.bmp", starsBitmap()},
    };
    for (const auto& [name, image] : bitmaps) {
        if (!image.save(QDir(dir).filePath(QString::fromLatin1(name)), "BMP"))
            return {};
        written << QString::fromLatin1(name);
    }
    const std::pair<QString, QImage> masters[] = {
        {MasterName(QStringLiteral("Tama.bmp")), tamaMaster(MasterScale)},
        {MasterName(QStringLiteral("Mogura.bmp")), moguraMaster(MasterScale)},
        {MasterName(QStringLiteral("Atari.bmp")), atariMaster(MasterScale)},
    };
    for (const auto& [name, image] : masters) {
        if (!image.save(QDir(dir).filePath(name), "PNG"))
            return {};
        written << name;
    }
    return written;
}
