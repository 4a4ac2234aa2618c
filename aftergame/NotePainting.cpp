// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/NotePainting.h"

#include "data/Tables.h"
#include "platform/Fonts.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>

QColor NoteMarkColour(NoteMark mark, bool paper) {
    switch (mark) {
    case NoteMark::NotMet:
        return paper ? QColor(236, 236, 244) : QColor(72, 72, 120);
    case NoteMark::Met:
        return QColor(255, 255, 255);
    case NoteMark::Known:
        return QColor(150, 230, 150);
    case NoteMark::Missed:
        return QColor(255, 170, 170);
    }
    return Qt::white;
}

QColor NoteMarkTextColour(NoteMark mark, bool paper) {
    switch (mark) {
    case NoteMark::NotMet:
        return paper ? QColor(150, 150, 170) : QColor(190, 190, 210);
    case NoteMark::Missed:
        return QColor(176, 0, 0);
    default:
        return Qt::black;
    }
}

QString NoteMarkName(NoteMark mark) {
    switch (mark) {
    case NoteMark::NotMet:
        return QStringLiteral("まだ");
    case NoteMark::Met:
        return QStringLiteral("であった");
    case NoteMark::Known:
        return QStringLiteral("よくできた");
    case NoteMark::Missed:
        return QStringLiteral("まちがえた");
    }
    return QString();
}

void PaintNoteCell(QPainter& p, const QRect& cell, int kanji, NoteMark mark, bool selected,
                   bool paper) {
    p.fillRect(cell, NoteMarkColour(mark, paper));
    p.setPen(QPen(selected ? QColor(255, 200, 0) : QColor(0, 0, 64),
                  selected ? std::max(2, cell.width() / 12) : 1));
    p.drawRect(cell.adjusted(0, 0, -1, -1));
    if (kanji < 1 || kanji > MaxKanji)
        return;
    QFont f = PixelFont(std::max(6, cell.height() * 3 / 4), true);
    p.setFont(f);
    p.setPen(NoteMarkTextColour(mark, paper));
    p.drawText(cell, Qt::AlignCenter, Kanji_Tbl[kanji].text());
}

void PaintNoteLegend(QPainter& p, int x, int y, int swatch, const QColor& textColour, bool paper) {
    p.setFont(PixelFont(std::max(6, swatch * 3 / 4), true));
    const QFontMetrics fm(p.font());
    for (NoteMark m : {NoteMark::NotMet, NoteMark::Met, NoteMark::Known, NoteMark::Missed}) {
        const QRect box(x, y, swatch, swatch);
        p.fillRect(box, NoteMarkColour(m, paper));
        p.setPen(QColor(0, 0, 64));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        x += swatch + swatch / 3;
        p.setPen(textColour);
        const QString name = NoteMarkName(m);
        p.drawText(QRect(x, y, fm.horizontalAdvance(name) + 2, swatch), Qt::AlignVCenter, name);
        x += fm.horizontalAdvance(name) + swatch;
    }
}
