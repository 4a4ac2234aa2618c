// SPDX-License-Identifier: GPL-3.0-or-later
// Writes placeable Windows metafiles (.wmf) from simple GDI drawing calls; the asset tool draws the
// program's metafile pictures with it. Coordinates are 16-bit logical units inside the frame.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>
#include <vector>

class WmfWriter {
public:
    // frame: the picture's bounds in logical units; unitsPerInch: the placeable header's scale.
    explicit WmfWriter(const QRect& frame, int unitsPerInch = 1440);

    // Pen and brush of the following shapes. width 0 is one device pixel.
    void setPen(const QColor& color, int width = 0);
    void setNullPen();
    void setBrush(const QColor& color);
    void setHatchBrush(const QColor& color, int hatch);  // 0 horizontal .. 5 diagonal cross
    void setNullBrush();
    void setWindingFill(bool winding);
    void setBackground(const QColor& color, bool opaque);

    void setWindowOrg(const QPoint& org);
    void setWindowExt(const QSize& ext);
    void saveDc();
    void restoreDc();

    void moveTo(const QPoint& p);
    void lineTo(const QPoint& p);
    void polyline(const QVector<QPoint>& points);
    void polygon(const QVector<QPoint>& points);
    void polyPolygon(const QVector<QVector<QPoint>>& polygons);
    void rectangle(const QRect& r);
    void roundRect(const QRect& r, int cornerWidth, int cornerHeight);
    void ellipse(const QRect& r);
    // Counter-clockwise from the ray towards start to the ray towards end, as GDI draws them.
    void arc(const QRect& r, const QPoint& start, const QPoint& end);
    void pie(const QRect& r, const QPoint& start, const QPoint& end);
    void chord(const QRect& r, const QPoint& start, const QPoint& end);
    // Same, with angles in degrees (0 = three o'clock, counter-clockwise).
    void pieAngles(const QRect& r, double startDeg, double sweepDeg);
    void arcAngles(const QRect& r, double startDeg, double sweepDeg);

    // The finished file: placeable header, standard header, records and the end record.
    QByteArray bytes() const;
    bool save(const QString& path) const;

private:
    void record(quint16 function, const QVector<qint16>& params);
    int createObject(quint16 function, const QVector<qint16>& params);
    void selectPen(int slot);
    void selectBrush(int slot);
    void freeSlot(int slot);
    static QVector<qint16> colorWords(const QColor& c);
    QPoint rayPoint(const QRect& r, double deg) const;

    QRect frame_;
    int unitsPerInch_;
    QByteArray records_;
    quint32 maxRecordWords_ = 3;
    std::vector<bool> slots_;
    int pen_ = -1;
    int brush_ = -1;
};
