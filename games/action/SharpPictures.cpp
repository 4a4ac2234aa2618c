#include "games/action/SharpPictures.h"

#include <QPainter>
#include <QtMath>

QImage SharpBitmap(const QImage& bitmap, QSize logical, qreal scale, bool whiteTransparent) {
    QImage img = bitmap.convertToFormat(QImage::Format_ARGB32);
    if (whiteTransparent)
        for (int y = 0; y < img.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x)
                if ((line[x] & 0xFFFFFFu) == 0xFFFFFFu)
                    line[x] = 0;
        }
    QImage out = img.scaled(qCeil(logical.width() * scale), qCeil(logical.height() * scale),
                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(scale);
    return out;
}

int SharpPictures::add(QImage picture) {
    pictures_.push_back(std::move(picture));
    return count() - 1;
}

void SharpPictures::draw(QPainter& painter, const DrawnItem& item) const {
    if (item.picture < 0 || item.picture >= count())
        return;
    const QImage& img = pictures_[static_cast<size_t>(item.picture)];
    if (item.rows < 0) {
        painter.drawImage(item.pos, img);
        return;
    }
    if (item.rows <= 0)
        return;
    const qreal dpr = img.devicePixelRatio();
    const qreal w = img.width() / dpr;
    const qreal rows = std::min<qreal>(item.rows, img.height() / dpr);
    painter.drawImage(QRectF(item.pos.x(), item.pos.y() - rows, w, rows), img,
                      QRectF(0, 0, img.width(), rows * dpr));
}

void SharpPictures::drawScene(QPainter& painter, const FrameInterpolation& frames,
                              qint64 nowMs) const {
    for (int i = 0; i < frames.latest().count(); ++i)
        draw(painter, frames.at(i, nowMs));
}
