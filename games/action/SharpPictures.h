// SPDX-License-Identifier: GPL-3.0-or-later
// The action games' pictures at the screen's real resolution, for drawing the playfield between
// frame steps: each picture has its playfield size in logical pixels and `scale` device pixels
// per logical pixel, so a character is as sharp as a label at any screen size.
#pragma once

#include "games/action/FrameInterpolation.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <vector>

class QPainter;

// A bitmap shown at `logical` size: smoothly enlarged; pure white made transparent when asked
// (the pictures' transparent colour).
QImage SharpBitmap(const QImage& bitmap, QSize logical, qreal scale, bool whiteTransparent);
// The picture of program file `file` shown at `logical` size: drawn from the file's larger master
// (platform/PictureMasters.h) over `background` where there is one and the screen has more
// device pixels than layout pixels, else SharpBitmap of the file's own pixels.
QImage SharpMasterPicture(const QString& file, const QImage& fromFile, QSize logical, qreal scale,
                          bool whiteTransparent, const QColor& background);

class SharpPictures {
  public:
    void clear() { pictures_.clear(); }
    // The picture's number.
    int add(QImage picture);
    const QImage& operator[](int id) const { return pictures_[static_cast<size_t>(id)]; }
    int count() const { return static_cast<int>(pictures_.size()); }
    // Draws one item (only its top rows when it rises out of a hole: `pos` is then the bottom
    // line the rows stand on).
    void draw(QPainter& painter, const DrawnItem& item) const;
    // Every item of the latest step where it stands at nowMs.
    void drawScene(QPainter& painter, const FrameInterpolation& frames, qint64 nowMs) const;
    // The playfield pixels one item covers when drawn (whole pixels, with a pixel's margin for
    // the rounding of a fractional screen scale), and those of every item of the scene at nowMs.
    QRect area(const DrawnItem& item) const;
    QRegion sceneArea(const FrameInterpolation& frames, qint64 nowMs) const;

  private:
    std::vector<QImage> pictures_;
};
