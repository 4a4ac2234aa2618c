// SPDX-License-Identifier: GPL-3.0-or-later
// A Windows metafile (.wmf) picture: placeable or plain, drawn with QPainter stretched into any
// rectangle. The records are read and checked once at load; drawing replays what was read.
//
// Understood: pens, brushes (solid, hatched, null), object select/delete, window origin/extent
// (set, offset, scale), save/restore of the drawing state, fill mode, background mode and colour,
// move/line, polylines, polygons, poly-polygons, rectangles, round rectangles, ellipses, arcs,
// pies, chords and single pixels, text in a created font (Shift-JIS or Latin-1) and device-independent
// bitmaps (stretched or copied). Other records are skipped. Damaged input (truncated records,
// sizes that do not add up, a missing end record, too many records or objects) fails to load.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

class QPainter;

class WmfPicture {
public:
    WmfPicture();
    ~WmfPicture();
    WmfPicture(const WmfPicture& other);
    WmfPicture& operator=(const WmfPicture& other);

    bool load(const QString& path);
    bool loadFromData(const QByteArray& bytes);
    bool isNull() const;

    // The picture's own frame in logical units (placeable bounds or the window extent).
    QRectF frame() const;
    // Number of shapes drawn (for tests and the review sheet).
    int shapeCount() const;

    // Stretches the whole picture over target.
    void draw(QPainter& painter, const QRectF& target) const;
    QImage render(const QSize& size, const QColor& background = Qt::white) const;

    // Limits that keep damaged files from costing time or memory.
    static constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;
    static constexpr int MaxRecords = 200000;
    static constexpr int MaxObjects = 4096;
    static constexpr qint64 MaxBitmapPixels = 8 * 1024 * 1024;  // all bitmaps of one picture together

private:
    struct Shape;
    std::vector<Shape> shapes_;
    QRectF frame_;
    bool null_ = true;
};
