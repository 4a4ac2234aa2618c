// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WmfWriter.h"

#include <QSaveFile>
#include <QtMath>

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

qint16 clamp16(int v) { return qint16(qBound(-32768, v, 32767)); }

}  // namespace

WmfWriter::WmfWriter(const QRect& frame, int unitsPerInch) : frame_(frame), unitsPerInch_(unitsPerInch)
{
    setWindowOrg(frame.topLeft());
    setWindowExt(frame.size());
}

QVector<qint16> WmfWriter::colorWords(const QColor& c)
{
    const quint32 ref = quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
    return {qint16(ref & 0xFFFF), qint16(ref >> 16)};
}

void WmfWriter::record(quint16 function, const QVector<qint16>& params)
{
    const quint32 words = 3 + quint32(params.size());
    put32(records_, words);
    put16(records_, function);
    for (qint16 p : params)
        put16(records_, quint16(p));
    maxRecordWords_ = qMax(maxRecordWords_, words);
}

int WmfWriter::createObject(quint16 function, const QVector<qint16>& params)
{
    // GDI gives a new object the lowest free slot; the reader counts the same way.
    size_t slot = 0;
    while (slot < slots_.size() && slots_[slot])
        ++slot;
    if (slot == slots_.size())
        slots_.push_back(true);
    else
        slots_[slot] = true;
    record(function, params);
    return int(slot);
}

void WmfWriter::freeSlot(int slot)
{
    if (slot < 0)
        return;
    record(0x01F0, {qint16(slot)});
    slots_[size_t(slot)] = false;
}

void WmfWriter::selectPen(int slot)
{
    record(0x012D, {qint16(slot)});
    freeSlot(pen_);
    pen_ = slot;
}

void WmfWriter::selectBrush(int slot)
{
    record(0x012D, {qint16(slot)});
    freeSlot(brush_);
    brush_ = slot;
}

void WmfWriter::setPen(const QColor& color, int width)
{
    QVector<qint16> p{0, clamp16(width), 0};
    p += colorWords(color);
    selectPen(createObject(0x02FA, p));
}

void WmfWriter::setNullPen()
{
    QVector<qint16> p{5, 0, 0};
    p += colorWords(Qt::black);
    selectPen(createObject(0x02FA, p));
}

void WmfWriter::setBrush(const QColor& color)
{
    QVector<qint16> p{0};
    p += colorWords(color);
    p << 0;
    selectBrush(createObject(0x02FC, p));
}

void WmfWriter::setHatchBrush(const QColor& color, int hatch)
{
    QVector<qint16> p{2};
    p += colorWords(color);
    p << qint16(qBound(0, hatch, 5));
    selectBrush(createObject(0x02FC, p));
}

void WmfWriter::setNullBrush()
{
    QVector<qint16> p{1};
    p += colorWords(Qt::black);
    p << 0;
    selectBrush(createObject(0x02FC, p));
}

void WmfWriter::setWindingFill(bool winding) { record(0x0106, {qint16(winding ? 2 : 1)}); }

void WmfWriter::setBackground(const QColor& color, bool opaque)
{
    record(0x0201, colorWords(color));
    record(0x0102, {qint16(opaque ? 2 : 1)});
}

void WmfWriter::setWindowOrg(const QPoint& org) { record(0x020B, {clamp16(org.y()), clamp16(org.x())}); }
void WmfWriter::setWindowExt(const QSize& ext) { record(0x020C, {clamp16(ext.height()), clamp16(ext.width())}); }
void WmfWriter::saveDc() { record(0x001E, {}); }
void WmfWriter::restoreDc() { record(0x0127, {-1}); }
void WmfWriter::moveTo(const QPoint& p) { record(0x0214, {clamp16(p.y()), clamp16(p.x())}); }
void WmfWriter::lineTo(const QPoint& p) { record(0x0213, {clamp16(p.y()), clamp16(p.x())}); }

void WmfWriter::polyline(const QVector<QPoint>& points)
{
    QVector<qint16> p{qint16(points.size())};
    for (const QPoint& pt : points)
        p << clamp16(pt.x()) << clamp16(pt.y());
    record(0x0325, p);
}

void WmfWriter::polygon(const QVector<QPoint>& points)
{
    QVector<qint16> p{qint16(points.size())};
    for (const QPoint& pt : points)
        p << clamp16(pt.x()) << clamp16(pt.y());
    record(0x0324, p);
}

void WmfWriter::polyPolygon(const QVector<QVector<QPoint>>& polygons)
{
    QVector<qint16> p{qint16(polygons.size())};
    for (const auto& poly : polygons)
        p << qint16(poly.size());
    for (const auto& poly : polygons)
        for (const QPoint& pt : poly)
            p << clamp16(pt.x()) << clamp16(pt.y());
    record(0x0538, p);
}

static QVector<qint16> boxWords(const QRect& r)
{
    // bottom, right, top, left; GDI's right and bottom edges are exclusive.
    return {clamp16(r.bottom() + 1), clamp16(r.right() + 1), clamp16(r.top()), clamp16(r.left())};
}

void WmfWriter::rectangle(const QRect& r) { record(0x041B, boxWords(r)); }
void WmfWriter::ellipse(const QRect& r) { record(0x0418, boxWords(r)); }

void WmfWriter::roundRect(const QRect& r, int cornerWidth, int cornerHeight)
{
    QVector<qint16> p{clamp16(cornerHeight), clamp16(cornerWidth)};
    p += boxWords(r);
    record(0x061C, p);
}

static QVector<qint16> arcWords(const QRect& r, const QPoint& start, const QPoint& end)
{
    QVector<qint16> p{clamp16(end.y()), clamp16(end.x()), clamp16(start.y()), clamp16(start.x())};
    p += boxWords(r);
    return p;
}

void WmfWriter::arc(const QRect& r, const QPoint& s, const QPoint& e) { record(0x0817, arcWords(r, s, e)); }
void WmfWriter::pie(const QRect& r, const QPoint& s, const QPoint& e) { record(0x081A, arcWords(r, s, e)); }
void WmfWriter::chord(const QRect& r, const QPoint& s, const QPoint& e) { record(0x0830, arcWords(r, s, e)); }

QPoint WmfWriter::rayPoint(const QRect& r, double deg) const
{
    const double rad = qDegreesToRadians(deg);
    const QPointF c = QRectF(r.left(), r.top(), r.width(), r.height()).center();
    const double rx = r.width() / 2.0, ry = r.height() / 2.0;
    return QPoint(qRound(c.x() + rx * std::cos(rad)), qRound(c.y() - ry * std::sin(rad)));
}

void WmfWriter::pieAngles(const QRect& r, double startDeg, double sweepDeg)
{
    pie(r, rayPoint(r, startDeg), rayPoint(r, startDeg + sweepDeg));
}

void WmfWriter::arcAngles(const QRect& r, double startDeg, double sweepDeg)
{
    arc(r, rayPoint(r, startDeg), rayPoint(r, startDeg + sweepDeg));
}

QByteArray WmfWriter::bytes() const
{
    QByteArray body = records_;
    put32(body, 3);  // the end record
    put16(body, 0);

    QByteArray out;
    // Placeable header: key, handle, bounds, units per inch, reserved, checksum of the words above.
    QByteArray head;
    put32(head, 0x9AC6CDD7u);
    put16(head, 0);
    put16(head, quint16(clamp16(frame_.left())));
    put16(head, quint16(clamp16(frame_.top())));
    put16(head, quint16(clamp16(frame_.right() + 1)));
    put16(head, quint16(clamp16(frame_.bottom() + 1)));
    put16(head, quint16(unitsPerInch_));
    put32(head, 0);
    quint16 sum = 0;
    for (int i = 0; i < head.size(); i += 2)
        sum ^= quint16(uchar(head[i]) | (uchar(head[i + 1]) << 8));
    put16(head, sum);
    out += head;

    const quint32 totalWords = 9 + quint32(body.size() / 2);
    put16(out, 1);       // in memory
    put16(out, 9);       // header words
    put16(out, 0x0300);  // version 3.0
    put32(out, totalWords);
    put16(out, quint16(qMax<size_t>(slots_.size(), 1)));
    put32(out, qMax<quint32>(maxRecordWords_, 3));
    put16(out, 0);
    out += body;
    return out;
}

bool WmfWriter::save(const QString& path) const
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(bytes());
    return f.commit();
}
