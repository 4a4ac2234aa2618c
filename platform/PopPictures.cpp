// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PopPictures.h"

#include "platform/WmfPicture.h"

#include <QGuiApplication>
#include <QImage>
#include <QtMath>

QList<QPixmap> ImgLst_Pop;

int PopPictureSide(int dispMode) {
    return dispMode == 1 ? 70 : 48;
}

bool BuildPopPictures(int side, const std::function<QString(const QString&)>& fileOf,
                      QString* failedFile) {
    ImgLst_Pop.clear();
    QList<QPixmap> list;
    // Drawn at the screen's own resolution: the pictures stay side x side in the layout.
    const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
    const int pixels = qCeil(side * dpr);
    for (int n = 1; n <= 10; ++n) {
        const QString name = QStringLiteral("Pop%1.wmf").arg(n);
        WmfPicture picture;
        if (!picture.load(fileOf(name))) {
            if (failedFile)
                *failedFile = name;
            return false;
        }
        QImage image =
            picture.render(QSize(pixels, pixels), Qt::white).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if ((line[x] & 0x00FFFFFF) == 0x00FFFFFF)
                    line[x] = qRgba(0, 0, 0, 0);
            }
        }
        QPixmap pixmap = QPixmap::fromImage(image);
        pixmap.setDevicePixelRatio(dpr);
        list.append(pixmap);
    }
    ImgLst_Pop = list;
    return true;
}
