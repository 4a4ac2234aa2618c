// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/StrokeOrderView.h"

#include "platform/Fonts.h"

#include <QPainter>

StrokeOrderView::StrokeOrderView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StrokeOrder"));
}

void StrokeOrderView::setKanji(const QString& kanji) {
    kanji_ = kanji;
    update();
}

void StrokeOrderView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height());
    const QRectF square((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(square.adjusted(1, 1, -1, -1), 6, 6);
    p.setPen(QPen(QColor(0xd8, 0xd8, 0xd8), 1, Qt::DashLine));
    p.drawLine(QPointF(square.center().x(), square.top() + 4),
               QPointF(square.center().x(), square.bottom() - 4));
    p.drawLine(QPointF(square.left() + 4, square.center().y()),
               QPointF(square.right() - 4, square.center().y()));
    if (kanji_.isEmpty())
        return;
    // The face draws the numbers small beside the strokes: the larger the kanji, the easier
    // they read.
    QFont font(FaceStrokeOrder);
    font.setPixelSize(static_cast<int>(side * 0.86));
    font.setStyleStrategy(QFont::PreferAntialias);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(square, Qt::AlignCenter, kanji_);
}
