// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/PlayfieldPainting.h"

#include "games/action/BackBuffer.h"

#include <QPainter>

void DrawPlayfieldBorder(QPainter& painter, int w, int h) {
    const QColor white(WhiteColour);
    painter.fillRect(QRect(0, 0, w, 2), white);
    painter.fillRect(QRect(0, h - 2, w, 2), white);
    painter.fillRect(QRect(0, 0, 2, h), white);
    painter.fillRect(QRect(w - 2, 0, 2, h), white);
}

QRect PlayfieldStripRect(int w, int h, int stripHeight) {
    return QRect(0, h - stripHeight, w, stripHeight);
}

void DrawPlayfieldStrip(QPainter& painter, int w, int h, int stripHeight, int blockX,
                        int blockWidth) {
    painter.fillRect(PlayfieldStripRect(w, h, stripHeight), QColor(Navy));
    painter.fillRect(QRect(blockX, h - stripHeight, blockWidth, stripHeight), QColor(Red));
}
