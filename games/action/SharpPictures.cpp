// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/SharpPictures.h"

#include "data/ProgramDir.h"
#include "platform/PictureMasters.h"

#include <QPainter>
#include <QtMath>

#include <cmath>

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

QImage SharpMasterPicture(const QString& file, const QImage& fromFile, QSize logical, qreal scale,
                          bool whiteTransparent, const QColor& background) {
    const QImage master(ProgramFile(MasterName(file)));
    if (scale <= 1 || master.isNull())
        return SharpBitmap(fromFile, logical, scale, whiteTransparent);
    QImage out(qCeil(logical.width() * scale), qCeil(logical.height() * scale),
               QImage::Format_ARGB32_Premultiplied);
    out.fill(background);
    {
        QPainter p(&out);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(0, 0, out.width(), out.height()), master);
    }
    out.setDevicePixelRatio(scale);
    return out;
}

int SharpPictures::add(QImage picture) {
    pictures_.push_back(std::move(picture));
    return count() - 1;
}

namespace {
// Where an item's picture goes in playfield pixels, and its rows in the picture's pixels; empty
// when nothing of it shows. With the painter's device transform the place is moved to whole
// device pixels, so the picture is copied pixel for pixel (the same whatever the clip) and a
// rising character never shows part of a row more than the rules give it.
QRectF placeOf(const QImage& img, const DrawnItem& item, QRectF* source,
               const QTransform* device = nullptr) {
    const qreal dpr = img.devicePixelRatio();
    const qreal w = img.width() / dpr;
    const qreal h = img.height() / dpr;
    const auto snapped = [device](QPointF p, qreal up) {
        if (!device)
            return QPointF(p.x(), p.y() - up);
        const QPointF d = device->map(p);
        return device->inverted().map(QPointF(std::round(d.x()), std::round(d.y()) - up));
    };
    if (item.rows < 0) {
        *source = QRectF(0, 0, img.width(), img.height());
        return QRectF(snapped(item.pos, 0), QSizeF(w, h));
    }
    const qreal rows = std::min<qreal>(item.rows, h);
    const qreal rowsShown = device ? std::floor(rows * dpr + 1e-6) : rows * dpr;
    if (rows <= 0 || rowsShown <= 0)
        return {};
    *source = QRectF(0, 0, img.width(), rowsShown);
    const QPointF top = device ? snapped(item.pos, rowsShown) : snapped(item.pos, rows);
    return QRectF(top, QSizeF(w, rowsShown / dpr));
}
} // namespace

void SharpPictures::draw(QPainter& painter, const DrawnItem& item) const {
    if (item.picture < 0 || item.picture >= count())
        return;
    const QImage& img = pictures_[static_cast<size_t>(item.picture)];
    QRectF source;
    const QTransform device = painter.deviceTransform();
    const QRectF target = placeOf(img, item, &source, &device);
    if (target.isEmpty())
        return;
    if (item.rows < 0)
        painter.drawImage(target.topLeft(), img);
    else
        painter.drawImage(target, img, source);
}

QRect SharpPictures::area(const DrawnItem& item) const {
    if (item.picture < 0 || item.picture >= count())
        return {};
    QRectF source;
    const QRectF target = placeOf(pictures_[static_cast<size_t>(item.picture)], item, &source);
    return target.isEmpty() ? QRect() : target.toAlignedRect().adjusted(-1, -1, 1, 1);
}

QRegion SharpPictures::sceneArea(const FrameInterpolation& frames, qint64 nowMs) const {
    QRegion region;
    for (int i = 0; i < frames.latest().count(); ++i)
        region |= area(frames.at(i, nowMs));
    return region;
}

void SharpPictures::drawScene(QPainter& painter, const FrameInterpolation& frames,
                              qint64 nowMs) const {
    for (int i = 0; i < frames.latest().count(); ++i)
        draw(painter, frames.at(i, nowMs));
}
