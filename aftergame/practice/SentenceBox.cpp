// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/practice/SentenceBox.h"

#include "platform/Fonts.h"

#include <QPainter>

namespace {
constexpr int TextPixels = 24;
constexpr int ReadingPixels = 15;
const QColor Reading(255, 110, 110);
} // namespace

SentenceBox::SentenceBox(QWidget* parent) : QWidget(parent) {}

void SentenceBox::setSentence(const NoteSentence& sentence) {
    sentence_ = sentence;
    update();
}

QList<SentenceBox::Piece> SentenceBox::layout() const {
    const QFontMetrics fm(PixelFont(TextPixels, true));
    const int readingHeight = QFontMetrics(PixelFont(ReadingPixels, true)).height();
    const int lineHeight = readingHeight + fm.height() + 6;
    const int boxSide = fm.height() + 4;
    QList<Piece> pieces;
    for (const QChar c : sentence_.before)
        pieces << Piece{QString(c), {}};
    pieces << Piece{QString(), {}};
    for (const QChar c : sentence_.after)
        pieces << Piece{QString(c), {}};
    int x = 0;
    int line = 0;
    for (Piece& piece : pieces) {
        const int w = piece.text.isEmpty() ? boxSide + 6 : fm.horizontalAdvance(piece.text);
        if (x + w > width() && x > 0) {
            x = 0;
            ++line;
        }
        const int top = line * lineHeight + readingHeight;
        piece.at = piece.text.isEmpty() ? QRect(x + 3, top, boxSide, boxSide)
                                        : QRect(x, top + 2, w, fm.height());
        x += w;
    }
    return pieces;
}

QRect SentenceBox::boxRect() const {
    for (const Piece& piece : layout())
        if (piece.text.isEmpty())
            return piece.at;
    return {};
}

void SentenceBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont text = PixelFont(TextPixels, true);
    const QFont reading = PixelFont(ReadingPixels, true);
    for (const Piece& piece : layout()) {
        if (!piece.text.isEmpty()) {
            p.setFont(text);
            p.setPen(Qt::white);
            p.drawText(piece.at, Qt::AlignCenter, piece.text);
            continue;
        }
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(QColor(255, 255, 255, 40));
        p.drawRect(piece.at);
        // The reading stands over the square; a long one spreads over its neighbours.
        const QFontMetrics rfm(reading);
        const int rw = rfm.horizontalAdvance(sentence_.reading);
        p.setFont(reading);
        p.setPen(Reading);
        p.drawText(QPoint(std::max(0, piece.at.center().x() - rw / 2), piece.at.top() - rfm.descent() - 1),
                   sentence_.reading);
    }
}
