// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WmfPicture.h"

#include "platform/Cp932.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QTransform>
#include <QtMath>
#include <optional>

struct WmfPicture::Shape {
    QPainterPath path;   // logical units
    QPen pen;
    QBrush brush;
    QColor background;   // filled under a hatched brush when the background mode is opaque
    bool fill = false;
    bool stroke = false;
    bool opaqueHatch = false;
    QTransform toUnit;   // logical units -> the unit square of the window at that moment
    bool windowKnown = true;
    QImage image;        // a bitmap record: drawn into imageRect instead of the path
    QRectF imageRect;
};

namespace {

enum : quint16 {
    META_EOF = 0x0000,
    META_SAVEDC = 0x001E,
    META_SETBKMODE = 0x0102,
    META_SETPOLYFILLMODE = 0x0106,
    META_RESTOREDC = 0x0127,
    META_SELECTOBJECT = 0x012D,
    META_DELETEOBJECT = 0x01F0,
    META_SETBKCOLOR = 0x0201,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_OFFSETWINDOWORG = 0x020F,
    META_LINETO = 0x0213,
    META_MOVETO = 0x0214,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_SCALEWINDOWEXT = 0x0410,
    META_ELLIPSE = 0x0418,
    META_RECTANGLE = 0x041B,
    META_SETPIXEL = 0x041F,
    META_SETTEXTCOLOR = 0x0209,
    META_SETTEXTALIGN = 0x012E,
    META_TEXTOUT = 0x0521,
    META_EXTTEXTOUT = 0x0A32,
    META_STRETCHDIB = 0x0F43,
    META_DIBSTRETCHBLT = 0x0B41,
    META_DIBBITBLT = 0x0940,
    META_POLYPOLYGON = 0x0538,
    META_ROUNDRECT = 0x061C,
    META_ARC = 0x0817,
    META_PIE = 0x081A,
    META_CHORD = 0x0830,
    // Records that create an object we do not draw with: they still take a table slot.
    META_CREATEPALETTE = 0x00F7,
    META_CREATEPATTERNBRUSH = 0x01F9,
    META_DIBCREATEPATTERNBRUSH = 0x0142,
    META_CREATEREGION = 0x06FF,
};

constexpr quint32 PlaceableKey = 0x9AC6CDD7u;

struct Reader {
    const uchar* data;
    qint64 size;
    quint16 u16(qint64 at) const { return quint16(data[at] | (data[at + 1] << 8)); }
    qint16 s16(qint64 at) const { return qint16(u16(at)); }
    quint32 u32(qint64 at) const { return quint32(u16(at)) | (quint32(u16(at + 2)) << 16); }
};

struct GdiObject {
    enum Kind { Pen, Brush, Font, Other } kind = Other;
    QPen pen;
    QBrush brush;
    QFont font;
    qreal fontHeight = 12;   // logical units
    qreal escapement = 0;    // degrees, counter-clockwise
    bool shiftJis = false;
    bool nullPen = false;
    bool nullBrush = false;
    QColor hatchColor;
};

struct DcState {
    QPointF winOrg;
    QSizeF winExt;
    bool windowKnown = false;
    GdiObject pen;
    GdiObject brush;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    bool opaqueBackground = true;
    QColor background = Qt::white;
    QPointF current;
    GdiObject font;
    QColor textColor = Qt::black;
    quint16 textAlign = 0;
};

// A device-independent bitmap from a record: the BMP reader does the decoding once a file
// header is put in front. Null when the bitmap is damaged or too large.
QImage dibImage(const uchar* dib, qint64 size, qint64* pixelBudget)
{
    if (size < 40)
        return {};
    const quint32 headerSize = quint32(dib[0] | (dib[1] << 8) | (dib[2] << 16) | (quint32(dib[3]) << 24));
    if (headerSize < 12 || headerSize > size)
        return {};
    QByteArray file("BM");
    const quint32 total = quint32(14 + size);
    file.append(char(total & 0xFF)).append(char((total >> 8) & 0xFF)).append(char((total >> 16) & 0xFF)).append(char(total >> 24));
    file.append(4, '\0');
    // Pixels follow the header and the colour table; the reader finds the table from the header.
    quint32 colors = 0;
    quint32 entryBytes = 4;
    quint16 bits = 24;
    if (headerSize < 40) {
        bits = quint16(dib[10] | (dib[11] << 8));
        entryBytes = 3;  // core colour tables hold three bytes an entry
        if (bits <= 8)
            colors = 1u << bits;
    } else {
        bits = quint16(dib[14] | (dib[15] << 8));
        colors = quint32(dib[32] | (dib[33] << 8) | (dib[34] << 16) | (quint32(dib[35]) << 24));
        const quint32 compression = quint32(dib[16] | (dib[17] << 8));
        if (colors == 0 && bits <= 8)
            colors = 1u << bits;
        if (compression == 3 && colors == 0)
            colors = 3;  // bit-field masks
    }
    if (colors > 256 + 3)
        return {};
    const quint32 offset = 14 + headerSize + colors * entryBytes;
    file.append(char(offset & 0xFF)).append(char((offset >> 8) & 0xFF)).append(char((offset >> 16) & 0xFF)).append(char(offset >> 24));
    file.append(reinterpret_cast<const char*>(dib), int(size));
    // Core headers (12 bytes) hold 16-bit sizes, the others 32-bit ones.
    const bool core = headerSize < 40;
    const qint32 width = core ? qint32(dib[4] | (dib[5] << 8))
                              : qint32(dib[4] | (dib[5] << 8) | (dib[6] << 16) | (quint32(dib[7]) << 24));
    const qint32 height = core ? qint32(dib[6] | (dib[7] << 8))
                               : qint32(dib[8] | (dib[9] << 8) | (dib[10] << 16) | (quint32(dib[11]) << 24));
    if (width <= 0 || width > 4096 || height == 0 || height > 4096 || height < -4096)
        return {};
    // Run-length bitmaps can claim a large size in a few bytes: every picture has a pixel budget.
    const qint64 pixels = qint64(width) * qAbs(height);
    if (pixels > *pixelBudget)
        return {};
    *pixelBudget -= pixels;
    QImage image;
    if (!image.loadFromData(file, "BMP"))
        return {};
    // A damaged bitmap may use colour numbers beyond its table: give every number a colour
    // before the pixels are ever looked up.
    if (image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono ||
        image.format() == QImage::Format_MonoLSB) {
        QList<QRgb> table = image.colorTable();
        const int needed = image.format() == QImage::Format_Indexed8 ? 256 : 2;
        while (table.size() < needed)
            table.append(qRgb(0, 0, 0));
        image.setColorTable(table);
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QColor colorRef(quint32 c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

GdiObject defaultPen()
{
    GdiObject o;
    o.kind = GdiObject::Pen;
    o.pen = QPen(Qt::black, 0);
    o.pen.setCosmetic(true);
    return o;
}

GdiObject defaultBrush()
{
    GdiObject o;
    o.kind = GdiObject::Brush;
    o.brush = QBrush(Qt::white);
    return o;
}

Qt::BrushStyle hatchStyle(quint16 h)
{
    switch (h) {
    case 0: return Qt::HorPattern;
    case 1: return Qt::VerPattern;
    case 2: return Qt::FDiagPattern;
    case 3: return Qt::BDiagPattern;
    case 4: return Qt::CrossPattern;
    default: return Qt::DiagCrossPattern;
    }
}

// Angle (degrees, counter-clockwise as seen) of the point on the ellipse in rect towards p.
qreal ellipseAngle(const QRectF& r, const QPointF& p)
{
    const QPointF c = r.center();
    const qreal rx = qMax<qreal>(r.width() / 2, 1e-9);
    const qreal ry = qMax<qreal>(r.height() / 2, 1e-9);
    return qRadiansToDegrees(std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx));
}

QRectF boxFromParams(qint16 left, qint16 top, qint16 right, qint16 bottom)
{
    return QRectF(QPointF(qMin(left, right), qMin(top, bottom)),
                  QPointF(qMax(left, right), qMax(top, bottom)));
}

// Text as a filled outline in the text colour, placed by the alignment flags and turned by the
// font's escapement.
template <typename AddShape>
void addText(DcState& dc, QPointF at, const QString& text, AddShape& addShape)
{
    if (dc.textAlign & 0x0001)  // TA_UPDATECP
        at = dc.current;
    QFont font = dc.font.kind == GdiObject::Font ? dc.font.font : QFont();
    font.setPixelSize(100);
    const qreal scale = (dc.font.kind == GdiObject::Font ? dc.font.fontHeight : 12) / 100.0;
    const QFontMetricsF metrics(font);
    QPainterPath path;
    path.addText(0, 0, font, text);
    qreal dx = 0, dy = 0;
    const qreal width = metrics.horizontalAdvance(text);
    switch (dc.textAlign & 0x0006) {
    case 0x0002: dx = -width; break;      // TA_RIGHT
    case 0x0006: dx = -width / 2; break;  // TA_CENTER
    default: break;
    }
    switch (dc.textAlign & 0x0018) {
    case 0x0018: dy = 0; break;                   // TA_BASELINE
    case 0x0008: dy = -metrics.descent(); break;  // TA_BOTTOM
    default: dy = metrics.ascent(); break;        // TA_TOP
    }
    QTransform t;
    t.translate(at.x(), at.y());
    t.rotate(-(dc.font.kind == GdiObject::Font ? dc.font.escapement : 0));
    t.scale(scale, scale);
    t.translate(dx, dy);
    const QPainterPath placed = t.map(path);
    if (dc.textAlign & 0x0001)
        dc.current = at + QPointF(width * scale, 0);
    const DcState keep = dc;
    dc.pen.nullPen = true;
    dc.brush.nullBrush = false;
    dc.brush.brush = QBrush(dc.textColor);
    addShape(placed, true);
    dc.pen = keep.pen;
    dc.brush = keep.brush;
}

}  // namespace

WmfPicture::WmfPicture() = default;
WmfPicture::~WmfPicture() = default;
WmfPicture::WmfPicture(const WmfPicture& other) = default;
WmfPicture& WmfPicture::operator=(const WmfPicture& other) = default;

bool WmfPicture::isNull() const { return null_; }
QRectF WmfPicture::frame() const { return frame_; }
int WmfPicture::shapeCount() const { return int(shapes_.size()); }

bool WmfPicture::load(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() > MaxFileBytes) {
        *this = WmfPicture();
        return false;
    }
    return loadFromData(f.readAll());
}

bool WmfPicture::loadFromData(const QByteArray& bytes)
{
    *this = WmfPicture();
    if (bytes.size() > MaxFileBytes)
        return false;
    const Reader in{reinterpret_cast<const uchar*>(bytes.constData()), bytes.size()};
    qint64 pos = 0;

    std::optional<QRectF> placeableBox;
    if (in.size >= 22 && in.u32(0) == PlaceableKey) {
        const QRectF box = boxFromParams(in.s16(6), in.s16(8), in.s16(10), in.s16(12));
        if (box.width() <= 0 || box.height() <= 0)
            return false;
        placeableBox = box;
        pos = 22;
    }

    // The standard header: type 1 (memory) or 2 (disk), 9 words, version 1.0 or 3.0.
    if (in.size - pos < 18)
        return false;
    const quint16 type = in.u16(pos);
    const quint16 headerWords = in.u16(pos + 2);
    const quint16 version = in.u16(pos + 4);
    const quint16 objectCount = in.u16(pos + 10);
    if ((type != 1 && type != 2) || headerWords != 9 || (version != 0x0100 && version != 0x0300))
        return false;
    if (objectCount > MaxObjects)
        return false;
    pos += 18;

    std::vector<std::optional<GdiObject>> objects(objectCount);
    DcState dc;
    dc.pen = defaultPen();
    dc.brush = defaultBrush();
    if (placeableBox) {
        dc.winOrg = placeableBox->topLeft();
        dc.winExt = placeableBox->size();
        dc.windowKnown = true;
    }
    std::vector<DcState> saved;
    std::vector<Shape> shapes;
    QRectF firstWindow;

    auto unitTransform = [&dc]() {
        QTransform t;
        t.scale(1.0 / dc.winExt.width(), 1.0 / dc.winExt.height());
        t.translate(-dc.winOrg.x(), -dc.winOrg.y());
        return t;
    };
    auto addShape = [&](const QPainterPath& path, bool closed) {
        Shape s;
        s.path = path;
        s.stroke = !dc.pen.nullPen;
        s.pen = dc.pen.pen;
        s.fill = closed && !dc.brush.nullBrush;
        s.brush = dc.brush.brush;
        s.opaqueHatch = s.fill && dc.opaqueBackground && dc.brush.brush.style() != Qt::SolidPattern;
        s.background = dc.background;
        s.windowKnown = dc.windowKnown;
        if (dc.windowKnown) {
            s.toUnit = unitTransform();
            if (firstWindow.isNull())
                firstWindow = QRectF(dc.winOrg, dc.winExt);
        }
        if (s.fill || s.stroke)
            shapes.push_back(std::move(s));
    };
    auto setWindow = [&](QPointF org, QSizeF ext) {
        dc.winOrg = org;
        if (ext.width() != 0 && ext.height() != 0) {
            dc.winExt = ext;
            dc.windowKnown = true;
        }
    };

    bool ended = false;
    int records = 0;
    qint64 bitmapBudget = MaxBitmapPixels;
    while (!ended) {
        if (++records > MaxRecords)
            return false;
        if (in.size - pos < 6)
            return false;
        const quint32 words = in.u32(pos);
        const quint16 func = in.u16(pos + 4);
        if (words < 3 || qint64(words) * 2 > in.size - pos)
            return false;
        const qint64 p = pos + 6;                  // first parameter
        const int params = int(words - 3);         // parameter words
        auto need = [&](int n) { return params >= n; };
        auto w = [&](int i) { return in.s16(p + 2 * i); };
        auto uw = [&](int i) { return in.u16(p + 2 * i); };
        pos += qint64(words) * 2;

        switch (func) {
        case META_EOF:
            ended = true;
            break;
        case META_SAVEDC:
            if (saved.size() >= 256)
                return false;
            saved.push_back(dc);
            break;
        case META_RESTOREDC: {
            if (!need(1))
                return false;
            int n = w(0);
            if (n < 0) {
                n = int(saved.size()) + n;  // -1: the last one saved
            } else {
                n = n - 1;
            }
            if (n >= 0 && n < int(saved.size())) {
                dc = saved[size_t(n)];
                saved.resize(size_t(n));
            }
            break;
        }
        case META_SETBKMODE:
            if (!need(1))
                return false;
            dc.opaqueBackground = uw(0) == 2;
            break;
        case META_SETBKCOLOR:
            if (!need(2))
                return false;
            dc.background = colorRef(in.u32(p));
            break;
        case META_SETPOLYFILLMODE:
            if (!need(1))
                return false;
            dc.fillRule = uw(0) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
            break;
        case META_SETWINDOWORG:
            if (!need(2))
                return false;
            setWindow(QPointF(w(1), w(0)), dc.winExt);
            break;
        case META_SETWINDOWEXT:
            if (!need(2))
                return false;
            setWindow(dc.winOrg, QSizeF(w(1), w(0)));
            break;
        case META_OFFSETWINDOWORG:
            if (!need(2))
                return false;
            dc.winOrg += QPointF(w(1), w(0));
            break;
        case META_SCALEWINDOWEXT: {
            if (!need(4))
                return false;
            const int yDen = w(0), yNum = w(1), xDen = w(2), xNum = w(3);
            if (xDen != 0 && yDen != 0 && dc.windowKnown)
                setWindow(dc.winOrg, QSizeF(dc.winExt.width() * xNum / xDen, dc.winExt.height() * yNum / yDen));
            break;
        }
        case META_CREATEPENINDIRECT:
        case META_CREATEBRUSHINDIRECT:
        case META_CREATEFONTINDIRECT:
        case META_CREATEPALETTE:
        case META_CREATEPATTERNBRUSH:
        case META_DIBCREATEPATTERNBRUSH:
        case META_CREATEREGION: {
            GdiObject o;
            if (func == META_CREATEPENINDIRECT) {
                if (!need(5))
                    return false;
                o.kind = GdiObject::Pen;
                const quint16 style = uw(0) & 0x0F;
                const int width = qAbs(int(w(1)));
                const QColor color = colorRef(in.u32(p + 6));
                o.nullPen = style == 5;
                o.pen = QPen(color, width);
                o.pen.setCosmetic(width == 0);
                o.pen.setJoinStyle(Qt::RoundJoin);
                o.pen.setCapStyle(Qt::RoundCap);
                switch (style) {
                case 1: o.pen.setStyle(Qt::DashLine); break;
                case 2: o.pen.setStyle(Qt::DotLine); break;
                case 3: o.pen.setStyle(Qt::DashDotLine); break;
                case 4: o.pen.setStyle(Qt::DashDotDotLine); break;
                default: break;
                }
            } else if (func == META_CREATEBRUSHINDIRECT) {
                if (!need(4))
                    return false;
                o.kind = GdiObject::Brush;
                const quint16 style = uw(0);
                const QColor color = colorRef(in.u32(p + 2));
                if (style == 1) {
                    o.nullBrush = true;
                } else if (style == 2) {
                    o.brush = QBrush(color, hatchStyle(uw(3)));
                } else {
                    o.brush = QBrush(color);
                }
            } else if (func == META_CREATEFONTINDIRECT) {
                if (!need(9))
                    return false;
                o.kind = GdiObject::Font;
                const int height = w(0);
                o.fontHeight = height < 0 ? -height : height * 0.85;  // a cell height holds some leading
                if (o.fontHeight < 1)
                    o.fontHeight = 12;
                o.escapement = w(2) / 10.0;
                const int weight = w(4);
                const uchar italic = uchar(uw(5) & 0xFF), underline = uchar(uw(5) >> 8);
                const uchar strikeOut = uchar(uw(6) & 0xFF), charset = uchar(uw(6) >> 8);
                QByteArray face;
                for (int i = 18; i < params * 2 && i < 18 + 32; ++i) {
                    const char c = char(in.data[p + i]);
                    if (c == 0)
                        break;
                    face.append(c);
                }
                o.shiftJis = charset == 128;
                o.font = QFont(o.shiftJis ? Cp932::toUnicode(face) : QString::fromLatin1(face));
                o.font.setPixelSize(100);  // scaled to the height when drawn
                o.font.setWeight(weight >= 600 ? QFont::Bold : QFont::Normal);
                o.font.setItalic(italic != 0);
                o.font.setUnderline(underline != 0);
                o.font.setStrikeOut(strikeOut != 0);
            } else if (func == META_DIBCREATEPATTERNBRUSH || func == META_CREATEPATTERNBRUSH) {
                // A picture brush: drawn as a mid grey so the shape stays visible.
                o.kind = GdiObject::Brush;
                o.brush = QBrush(Qt::gray);
            }
            // The new object takes the lowest free slot of the table.
            size_t slot = 0;
            while (slot < objects.size() && objects[slot])
                ++slot;
            if (slot >= objects.size())
                return false;
            objects[slot] = o;
            break;
        }
        case META_SELECTOBJECT: {
            if (!need(1))
                return false;
            const quint16 i = uw(0);
            if (i >= objects.size() || !objects[i])
                return false;
            if (objects[i]->kind == GdiObject::Pen)
                dc.pen = *objects[i];
            else if (objects[i]->kind == GdiObject::Brush)
                dc.brush = *objects[i];
            else if (objects[i]->kind == GdiObject::Font)
                dc.font = *objects[i];
            break;
        }
        case META_DELETEOBJECT: {
            if (!need(1))
                return false;
            const quint16 i = uw(0);
            if (i < objects.size())
                objects[i].reset();
            break;
        }
        case META_MOVETO:
            if (!need(2))
                return false;
            dc.current = QPointF(w(1), w(0));
            break;
        case META_LINETO: {
            if (!need(2))
                return false;
            QPainterPath path(dc.current);
            dc.current = QPointF(w(1), w(0));
            path.lineTo(dc.current);
            addShape(path, false);
            break;
        }
        case META_POLYGON:
        case META_POLYLINE: {
            if (!need(1))
                return false;
            const int n = w(0);
            if (n < 0 || params < 1 + 2 * n)
                return false;
            if (n < 2)
                break;
            QPolygonF poly;
            poly.reserve(n);
            for (int i = 0; i < n; ++i)
                poly << QPointF(w(1 + 2 * i), w(2 + 2 * i));
            QPainterPath path;
            path.setFillRule(dc.fillRule);
            path.addPolygon(poly);
            if (func == META_POLYGON)
                path.closeSubpath();
            addShape(path, func == META_POLYGON);
            break;
        }
        case META_POLYPOLYGON: {
            if (!need(1))
                return false;
            const int count = w(0);
            if (count < 0 || params < 1 + count)
                return false;
            qint64 total = 0;
            for (int i = 0; i < count; ++i) {
                if (w(1 + i) < 0)
                    return false;
                total += w(1 + i);
            }
            if (params < 1 + count + 2 * total)
                return false;
            QPainterPath path;
            path.setFillRule(dc.fillRule);
            int at = 1 + count;
            for (int i = 0; i < count; ++i) {
                const int n = w(1 + i);
                QPolygonF poly;
                for (int k = 0; k < n; ++k, at += 2)
                    poly << QPointF(w(at), w(at + 1));
                if (n >= 2) {
                    path.addPolygon(poly);
                    path.closeSubpath();
                }
            }
            addShape(path, true);
            break;
        }
        case META_RECTANGLE:
        case META_ELLIPSE: {
            if (!need(4))
                return false;
            const QRectF r = boxFromParams(w(3), w(2), w(1), w(0));
            QPainterPath path;
            if (func == META_RECTANGLE)
                path.addRect(r);
            else
                path.addEllipse(r);
            addShape(path, true);
            break;
        }
        case META_ROUNDRECT: {
            if (!need(6))
                return false;
            const QRectF r = boxFromParams(w(5), w(4), w(3), w(2));
            QPainterPath path;
            path.addRoundedRect(r, qAbs(w(1)) / 2.0, qAbs(w(0)) / 2.0);
            addShape(path, true);
            break;
        }
        case META_ARC:
        case META_PIE:
        case META_CHORD: {
            if (!need(8))
                return false;
            const QPointF end(w(1), w(0));
            const QPointF start(w(3), w(2));
            const QRectF r = boxFromParams(w(7), w(6), w(5), w(4));
            if (r.width() <= 0 || r.height() <= 0)
                break;
            const qreal a0 = ellipseAngle(r, start);
            qreal sweep = ellipseAngle(r, end) - a0;
            while (sweep <= 0)
                sweep += 360;
            QPainterPath path;
            if (func == META_PIE) {
                path.moveTo(r.center());
                path.arcTo(r, a0, sweep);
                path.closeSubpath();
            } else {
                path.arcMoveTo(r, a0);
                path.arcTo(r, a0, sweep);
                if (func == META_CHORD)
                    path.closeSubpath();
            }
            addShape(path, func != META_ARC);
            break;
        }
        case META_SETPIXEL: {
            if (!need(4))
                return false;
            QPainterPath path;
            path.addRect(QRectF(w(3), w(2), 1, 1));
            const DcState keep = dc;
            dc.pen.nullPen = true;
            dc.brush.nullBrush = false;
            dc.brush.brush = QBrush(colorRef(in.u32(p)));
            addShape(path, true);
            dc.pen = keep.pen;
            dc.brush = keep.brush;
            break;
        }
        case META_SETTEXTCOLOR:
            if (!need(2))
                return false;
            dc.textColor = colorRef(in.u32(p));
            break;
        case META_SETTEXTALIGN:
            if (!need(1))
                return false;
            dc.textAlign = uw(0);
            break;
        case META_TEXTOUT:
        case META_EXTTEXTOUT: {
            qint64 textAt;
            int count;
            QPointF at;
            if (func == META_TEXTOUT) {
                if (!need(1))
                    return false;
                count = w(0);
                const int words = (count + 1) / 2;
                if (count < 0 || params < 1 + words + 2)
                    return false;
                textAt = p + 2;
                at = QPointF(w(2 + words), w(1 + words));
            } else {
                if (!need(4))
                    return false;
                at = QPointF(w(1), w(0));
                count = w(2);
                const int options = uw(3);
                const int rectWords = (options & 0x0006) ? 4 : 0;
                if (count < 0 || params < 4 + rectWords + (count + 1) / 2)
                    return false;
                textAt = p + 2 * (4 + rectWords);
            }
            if (count == 0)
                break;
            const QByteArray raw(reinterpret_cast<const char*>(in.data + textAt), count);
            addText(dc, at, dc.font.shiftJis ? Cp932::toUnicode(raw) : QString::fromLatin1(raw), addShape);
            break;
        }
        case META_STRETCHDIB:
        case META_DIBSTRETCHBLT:
        case META_DIBBITBLT: {
            // Destination rectangle and the bitmap after the fixed parameters.
            int fixed;
            QRectF dest;
            if (func == META_STRETCHDIB) {
                fixed = 11;
                if (!need(fixed))
                    return false;
                dest = QRectF(w(10), w(9), w(8), w(7));
            } else if (func == META_DIBSTRETCHBLT) {
                fixed = 10;
                if (!need(fixed))
                    return false;
                dest = QRectF(w(9), w(8), w(7), w(6));
            } else {
                fixed = 8;
                if (!need(fixed))
                    return false;
                dest = QRectF(w(7), w(6), w(5), w(4));
            }
            const QImage image = dibImage(in.data + p + 2 * fixed, qint64(params - fixed) * 2, &bitmapBudget);
            if (image.isNull())
                break;  // a record without a bitmap (a plain raster operation) draws nothing here
            Shape sh;
            sh.image = image;
            sh.imageRect = dest.normalized();
            sh.windowKnown = dc.windowKnown;
            if (dc.windowKnown) {
                sh.toUnit = unitTransform();
                if (firstWindow.isNull())
                    firstWindow = QRectF(dc.winOrg, dc.winExt);
            }
            sh.path.addRect(sh.imageRect);  // for the frame of a file without a window
            shapes.push_back(std::move(sh));
            break;
        }
        default:
            break;  // a record that does not change the picture
        }
    }

    // Without placeable bounds or a window, the frame is what the shapes cover.
    if (placeableBox) {
        frame_ = *placeableBox;
    } else if (!firstWindow.isNull()) {
        frame_ = firstWindow.normalized();
    }
    QRectF covered;
    for (const Shape& s : shapes)
        if (!s.windowKnown)
            covered = covered.united(s.path.boundingRect());
    if (!covered.isNull() || frame_.isNull()) {
        if (covered.width() <= 0 || covered.height() <= 0)
            covered.adjust(0, 0, 1, 1);
        if (frame_.isNull())
            frame_ = covered;
        QTransform t;
        t.scale(1.0 / covered.width(), 1.0 / covered.height());
        t.translate(-covered.left(), -covered.top());
        for (Shape& s : shapes)
            if (!s.windowKnown)
                s.toUnit = t;
    }
    shapes_ = std::move(shapes);
    null_ = false;
    return true;
}

void WmfPicture::draw(QPainter& painter, const QRectF& target) const
{
    if (null_ || target.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(target, Qt::IntersectClip);
    QTransform toTarget;
    toTarget.translate(target.left(), target.top());
    toTarget.scale(target.width(), target.height());
    const QTransform base = painter.transform();
    // In device pixels: the target, and how far a shape may reach before it is cut down first.
    const QRectF seen = base.mapRect(target);
    const qreal span = std::max(seen.width(), seen.height()) + 8;
    const QRectF near = seen.adjusted(-16 * span, -16 * span, 16 * span, 16 * span);
    for (const Shape& s : shapes_) {
        const QTransform t = s.toUnit * toTarget * base;
        const qreal scale = std::sqrt(std::abs(t.determinant()));
        if (!s.image.isNull()) {
            const QRectF device = t.mapRect(s.imageRect);
            if (!device.intersects(seen))
                continue;
            painter.setTransform(t);
            if (near.contains(device) || t.type() > QTransform::TxScale) {
                painter.drawImage(s.imageRect, s.image);
                continue;
            }
            // A bitmap stretched far beyond the target: draw only the part that shows.
            const QRectF shown = device & seen.adjusted(-2, -2, 2, 2);
            const QRectF logical = t.inverted().mapRect(shown) & s.imageRect;
            const QRectF source((logical.left() - s.imageRect.left()) / s.imageRect.width() * s.image.width(),
                                (logical.top() - s.imageRect.top()) / s.imageRect.height() * s.image.height(),
                                logical.width() / s.imageRect.width() * s.image.width(),
                                logical.height() / s.imageRect.height() * s.image.height());
            painter.drawImage(logical, s.image, source);
            continue;
        }
        const qreal penWidth = s.stroke ? (s.pen.isCosmetic() ? std::max<qreal>(1, s.pen.widthF()) : s.pen.widthF() * scale) : 0;
        const QRectF outline = t.mapRect(s.path.controlPointRect());
        const QRectF device = outline.adjusted(-penWidth, -penWidth, penWidth, penWidth);
        if (!device.intersects(seen))
            continue;
        if (s.stroke && penWidth > 2 * std::max(outline.width(), outline.height())) {
            // A pen much wider than its shape paints a round blob (Qt's stroker gives up there).
            if (s.fill) {
                painter.setTransform(t);
                painter.fillPath(s.path, s.brush);
            }
            painter.setTransform(QTransform());
            const qreal r = penWidth / 2;
            QPainterPath blob;
            blob.addRoundedRect(outline.adjusted(-r, -r, r, r), r, r);
            QPainterPath window;
            window.addRect(seen.adjusted(-2, -2, 2, 2));
            painter.fillPath(near.contains(device) ? blob : blob.intersected(window), s.pen.brush());
            continue;
        }
        if (near.contains(device)) {
            painter.setTransform(t);
            if (s.fill) {
                if (s.opaqueHatch)
                    painter.fillPath(s.path, s.background);
                painter.fillPath(s.path, s.brush);
            }
            if (s.stroke)
                painter.strokePath(s.path, s.pen);
            continue;
        }
        // A shape reaching far beyond the target (a damaged or odd file): cut it down to the
        // target in device pixels first, so the rasterizer never walks its whole outline.
        painter.setTransform(QTransform());
        const QPainterPath onDevice = t.map(s.path);
        QPainterPath window;
        window.addRect(seen.adjusted(-2, -2, 2, 2));
        if (s.fill) {
            const QPainterPath part = onDevice.intersected(window);
            if (s.opaqueHatch)
                painter.fillPath(part, s.background);
            painter.fillPath(part, s.brush);
        }
        if (s.stroke) {
            QPainterPathStroker stroker;
            stroker.setWidth(std::min(penWidth, 4 * span));
            stroker.setCapStyle(s.pen.capStyle());
            stroker.setJoinStyle(s.pen.joinStyle());
            painter.fillPath(stroker.createStroke(onDevice).intersected(window), s.pen.brush());
        }
    }
    painter.restore();
}

QImage WmfPicture::render(const QSize& size, const QColor& background) const
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(background);
    QPainter painter(&image);
    draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}
