// SPDX-License-Identifier: GPL-3.0-or-later
// What every sheet page shares: millimetres on the page, the heading with the child's name and
// the date, the page number at the foot, and text in the program's face.
#pragma once

#include <QRectF>
#include <QString>

class QPainter;

constexpr int SheetResolution = 300; // dots per inch of the PDF's pages
constexpr double SheetWidthMm = 210.0;
constexpr double SheetHeightMm = 297.0;
constexpr double SheetMarginMm = 15.0;
constexpr double SheetTopMm = 26.0; // below the heading

inline double SheetMm(double v) {
    return v * SheetResolution / 25.4;
}
inline QRectF SheetRect(double x, double y, double w, double h) {
    return QRectF(SheetMm(x), SheetMm(y), SheetMm(w), SheetMm(h));
}

void PaintSheetHeading(QPainter& p, const QString& title, const QString& right);
void PaintSheetFoot(QPainter& p, int page, int pages);
// Text in a box (millimetres for the size) in the pen's colour, with its furigana above when it
// is one of the program's own texts.
void PaintSheetText(QPainter& p, const QRectF& box, double sizeMm, const QString& text, int align,
                    bool bold = false);
