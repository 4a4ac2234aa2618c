// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/sheets/SheetRuby.h"

#include "aftergame/sheets/SheetPage.h"
#include "platform/Fonts.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {
constexpr double RubyShare = 0.55; // furigana size against the text's
constexpr double BoxShare = 1.45;  // the answer box against the text's size
const QColor AnswerRed(215, 30, 30);
} // namespace

double SheetSentenceHeight(double sizeMm) {
    return sizeMm * (RubyShare * 1.25 + BoxShare);
}

QRectF PaintSheetSentence(QPainter& p, double x, double y, double width, double sizeMm,
                          const NoteSentence& s, const QString& kanji, SentenceKanji how) {
    double size = SheetMm(sizeMm);
    const auto widthAt = [&](double px, double* box) {
        const QFontMetricsF fm(PixelFont(int(px)), p.device());
        *box = px * BoxShare;
        const double middle =
            how == SentenceKanji::Written ? fm.horizontalAdvance(kanji) : *box + px * 0.3;
        return fm.horizontalAdvance(s.before) + middle + fm.horizontalAdvance(s.after);
    };
    double box = 0;
    const double room = SheetMm(width);
    const double needed = widthAt(size, &box);
    if (needed > room)
        size = std::max(4.0, size * room / needed);
    widthAt(size, &box);

    const QFont font = PixelFont(int(size));
    const QFont ruby = PixelFont(int(size * RubyShare));
    const QFontMetricsF fm(font, p.device());
    const double rubyHeight = size * RubyShare * 1.25;
    const double lineTop = SheetMm(y) + rubyHeight;
    const double lineHeight = std::max(size, box);
    const double left = SheetMm(x);

    p.save();
    p.setPen(Qt::black);
    p.setFont(font);
    const double beforeWidth = fm.horizontalAdvance(s.before);
    p.drawText(QRectF(left, lineTop, beforeWidth + size, lineHeight),
               Qt::AlignLeft | Qt::AlignVCenter, s.before);
    QRectF middle;
    if (how == SentenceKanji::Written) {
        middle = QRectF(left + beforeWidth, lineTop, fm.horizontalAdvance(kanji), lineHeight);
        p.drawText(middle, Qt::AlignCenter, kanji);
    } else {
        middle =
            QRectF(left + beforeWidth + size * 0.15, lineTop + (lineHeight - box) / 2, box, box);
        p.setPen(QPen(Qt::black, SheetMm(0.35)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(middle);
        if (how == SentenceKanji::Answer) {
            p.setPen(AnswerRed);
            p.setFont(PixelFont(int(box * 0.78)));
            p.drawText(middle, Qt::AlignCenter, kanji);
            p.setFont(font);
        }
        p.setPen(Qt::black);
    }
    const double afterLeft =
        how == SentenceKanji::Written ? middle.right() : middle.right() + size * 0.15;
    p.drawText(QRectF(afterLeft, lineTop, fm.horizontalAdvance(s.after) + size, lineHeight),
               Qt::AlignLeft | Qt::AlignVCenter, s.after);
    p.setFont(ruby);
    const double rubyBottom =
        how == SentenceKanji::Written ? lineTop + (lineHeight - size) / 2 : middle.top();
    p.drawText(
        QRectF(middle.center().x() - size * 3, rubyBottom - rubyHeight, size * 6, rubyHeight),
        Qt::AlignHCenter | Qt::AlignBottom, s.reading);
    p.restore();
    return middle;
}
