// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/sheets/SheetPage.h"

#include "platform/Fonts.h"
#include "writing/RubyText.h"

#include <QPainter>

void PaintSheetText(QPainter& p, const QRectF& box, double sizeMm, const QString& text, int align,
                    bool bold) {
    p.setFont(PixelFont(std::max(1, int(SheetMm(sizeMm))), bold));
    p.drawText(box, align, text);
    // Our own words keep their furigana on paper, for the kanji the child has not learned yet.
    const QList<RubyLine> ruby = FuriganaLines(text);
    if (ruby.size() == 1 && HasRuby(ruby.first()))
        PaintRubyLine(p, p.boundingRect(box, align, text).topLeft(), p.font(), ruby.first(), false,
                      p.pen().color());
}

void PaintSheetHeading(QPainter& p, const QString& title, const QString& right) {
    p.save();
    p.setPen(Qt::black);
    const double w = SheetWidthMm - 2 * SheetMarginMm;
    PaintSheetText(p, SheetRect(SheetMarginMm, 10, w, 10), 7, title,
                   Qt::AlignLeft | Qt::AlignVCenter, true);
    PaintSheetText(p, SheetRect(SheetMarginMm, 10, w, 10), 4.5, right,
                   Qt::AlignRight | Qt::AlignVCenter);
    p.setPen(QPen(Qt::black, SheetMm(0.3)));
    p.drawLine(QPointF(SheetMm(SheetMarginMm), SheetMm(21.5)),
               QPointF(SheetMm(SheetWidthMm - SheetMarginMm), SheetMm(21.5)));
    p.restore();
}

void PaintSheetFoot(QPainter& p, int page, int pages) {
    p.save();
    p.setPen(Qt::black);
    PaintSheetText(p, SheetRect(0, SheetHeightMm - 13, SheetWidthMm, 8), 3.5,
                   QStringLiteral("%1 / %2").arg(page).arg(pages), Qt::AlignCenter);
    p.restore();
}
