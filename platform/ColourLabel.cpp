// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ColourLabel.h"

#include "platform/Fonts.h"

#include <QColor>
#include <QLabel>
#include <QPalette>

QLabel* MakeColourLabel(QWidget* parent, const QString& text, int pixels, const QColor& colour,
                        const QRect& place) {
    auto* l = new QLabel(text, parent);
    l->setFont(PixelFont(pixels, true));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    if (place.isNull())
        l->adjustSize();
    else
        l->setGeometry(place);
    return l;
}
